#include "platform/Encoding.h"
#include "support/TestSupport.h"

using namespace tolvane;

TEST(Encoding, RoundTripsJapaneseText) {
  const std::string utf8 = "ＭＳ Ｐゴシック 漢字 ｱｲｳ ①";
  std::string sjis = Utf8ToCp932(utf8);
  EXPECT_EQ(sjis.substr(0, 4), "\x82\x6C\x82\x72");
  EXPECT_EQ(Cp932ToUtf8(sjis), utf8);
}

TEST(Encoding, CharactersOutsideCp932BecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
  std::string bad;
  EXPECT_FALSE(Utf8FitsCp932("ok 😀 x", &bad));
  EXPECT_EQ(bad, "😀");
  EXPECT_TRUE(Utf8FitsCp932("漢字"));
}

TEST(Encoding, InvalidCp932BecomesReplacementCharacter) {
  EXPECT_EQ(Cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Cp932ToUtf8("a\x82\x20" "b"), "a\xEF\xBF\xBD b");
}
