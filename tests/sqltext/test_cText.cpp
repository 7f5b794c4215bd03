#include <sys/stat.h>

#include <filesystem>

#include "sqltext/cText.h"
#include "support/TestSupport.h"

using namespace tolvane;
using test::S;

namespace {

struct DetectCase {
  const char* name;
  std::string bytes;
  int sjisScore;
  int eucScore;
  int code;
};
void PrintTo(const DetectCase& c, std::ostream* os) { *os << c.name; }


class DetectTable : public ::testing::TestWithParam<DetectCase> {};

TEST_P(DetectTable, ScoresAndGuess) {
  const auto& c = GetParam();
  EXPECT_EQ(cText::SjisScore(c.bytes), c.sjisScore);
  EXPECT_EQ(cText::EucScore(c.bytes), c.eucScore);
  EXPECT_EQ(cText::DetectCharCode(c.bytes), c.code);
  EXPECT_EQ(cText(c.bytes).GetCharCode(), c.code);
}

std::string AsciiThenEuc() {
  std::string s(512, 'a');
  return s + "\xA4\xA2\xA4\xA4";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectTable,
    ::testing::Values(
        DetectCase{"empty", "", 0, 0, kCodeSjis},
        DetectCase{"ascii", "SELECT 1;", 0, 0, kCodeSjis},
        // 0xA4 looks like half-width katakana to Shift-JIS; the last byte is
        // only ever read as the second of a pair.
        DetectCase{"euc_a", "\xA4\xA2", 1, 0, kCodeEuc},
        DetectCase{"sjis_halfwidth_kana", "\xB1\xB2\xB3\xB4", 3, 0, kCodeEuc},
        DetectCase{"euc_aiu", "\xA4\xA2\xA4\xA4\xA4\xA6", 5, 0, kCodeEuc},
        DetectCase{"sjis_aiu", "\x82\xA0\x82\xA2\x82\xA4", 0, 50, kCodeSjis},
        // 0x989F starts the second level of kanji in Shift-JIS; 0xD0 in EUC.
        DetectCase{"sjis_level2", "\x98\x9F", 1, 10, kCodeSjis},
        DetectCase{"sjis_level1_last", "\x98\x72", 0, 10, kCodeSjis},
        DetectCase{"euc_level2_ties", "\xD0\xA1", 1, 1, kCodeSjis},
        DetectCase{"euc_kana", "\x8E\xB1", 0, 1, kCodeSjis},
        DetectCase{"lead_without_trail", "\x82\x20", 10, 10, kCodeSjis},
        DetectCase{"euc_beyond_window", AsciiThenEuc(), 0, 0, kCodeSjis}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(cText, PairArithmeticOfA) {
  unsigned char h = 0x82, l = 0xA0;
  cText::SjisToJis(h, l);
  EXPECT_EQ(h, 0x24);
  EXPECT_EQ(l, 0x22);
  cText::JisToSjis(h, l);
  EXPECT_EQ(h, 0x82);
  EXPECT_EQ(l, 0xA0);
}

TEST(cText, PairArithmeticRoundTripsEveryJisX0208Cell) {
  // All 94 x 94 cells, odd and even rows, both halves of the Shift-JIS range.
  for (int row = 0x21; row <= 0x7E; ++row) {
    for (int cell = 0x21; cell <= 0x7E; ++cell) {
      unsigned char h = static_cast<unsigned char>(row), l = static_cast<unsigned char>(cell);
      cText::JisToSjis(h, l);
      ASSERT_TRUE(cText::IsSjisTrail(l)) << row << "," << cell;
      cText::SjisToJis(h, l);
      ASSERT_EQ(h, row);
      ASSERT_EQ(l, cell);
    }
  }
}

struct ConvertCase {
  const char* name;
  std::string sjis;
  std::string euc;
};
void PrintTo(const ConvertCase& c, std::ostream* os) { *os << c.name; }


class ConvertTable : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertTable, BothDirections) {
  EXPECT_EQ(test::Hex(cText::SjisToEuc(GetParam().sjis)), test::Hex(GetParam().euc));
  EXPECT_EQ(test::Hex(cText::EucToSjis(GetParam().euc)), test::Hex(GetParam().sjis));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertTable,
    ::testing::Values(ConvertCase{"ascii", "SELECT 1", "SELECT 1"},
                      ConvertCase{"hiragana", "\x82\xA0\x82\xA2\x82\xA4",
                                  "\xA4\xA2\xA4\xA4\xA4\xA6"},
                      ConvertCase{"halfwidth_kana", "\xB1", "\x8E\xB1"},
                      ConvertCase{"kanji_level2", "\x98\x9F", "\xD0\xA1"},
                      ConvertCase{"last_row", "\xEA\xA4", "\xF4\xA6"},
                      ConvertCase{"mixed", "a\x82\xA0\xB1z", "a\xA4\xA2\x8E\xB1z"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(cText, ConversionEndsAtFirstZeroByteWritten) {
  // A lead byte cut off by the end is paired with a zero byte.
  EXPECT_EQ(cText::SjisToEuc("ab\x82"), "ab\x82");
  EXPECT_EQ(cText::EucToSjis("ab\xA4"), "ab\xA4");
  EXPECT_EQ(cText::SjisToEuc(std::string("a\0b", 3)), "a");
  EXPECT_EQ(cText::EucToSjis(std::string("a\0b", 3)), "a");
  // Invalid pairs pass through unchanged.
  EXPECT_EQ(cText::SjisToEuc("\x82\x20"), "\x82\x20");
  EXPECT_EQ(cText::EucToSjis("\x8E\x41"), "\x8E\x41");
  EXPECT_EQ(cText::EucToSjis("\xA4\x41"), "\xA4\x41");
}

struct MaskCase {
  const char* name;
  std::string text, half, full, masked;
};
void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.name; }


class MaskTable : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskTable, Masks) {
  const auto& c = GetParam();
  cText t(c.text);
  t.SetHalfMask(c.half);
  t.SetFullMask(c.full);
  EXPECT_EQ(test::Hex(t.Mask()), test::Hex(c.masked));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MaskTable,
    ::testing::Values(
        MaskCase{"usual", "AB\x8A\xBF", "*", "\x81\xA6", "**\x81\xA6"},
        // The half-width katakana byte is masked together with the next byte.
        MaskCase{"kana_takes_next", "\xB1" "A", "*", "\x81\xA6", "\x81\xA6"},
        MaskCase{"one_byte_full", "\x8A\xBF", "*", "#", "# "},
        MaskCase{"long_full", "\x8A\xBF", "*", "abc", "ab"},
        MaskCase{"empty_half_ends_text", "\x8A\xBF" "A\x8A\xBF", "", "\x81\xA6", "\x81\xA6"},
        MaskCase{"empty_full_ends_text", "A\x8A\xBF" "B", "*", "", "* "},
        MaskCase{"lone_high_byte_at_end", "A\x82", "*", "\x81\xA6", "*\x81\xA6"},
        MaskCase{"long_half_uses_first", "AB", "xy", "\x81\xA6", "xx"}),
    [](const auto& info) { return std::string(info.param.name); });

class FileTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::RecordingDisplay shown;
};

TEST_F(FileTest, ReadStopsAtFirstZeroByte) {
  test::WriteFile(dir.File("z.sql"), std::string("SELECT\0 1", 9));
  std::string text = "old";
  EXPECT_TRUE(cFileIO::ReadText(dir.File("z.sql"), text));
  EXPECT_EQ(text, "SELECT");
}

TEST_F(FileTest, ReadFailureShowsReasonAndKeepsText) {
  std::string text = "kept";
  EXPECT_FALSE(cFileIO::ReadText(dir.File("missing.sql"), text));
  EXPECT_EQ(text, "kept");
  ASSERT_EQ(shown.messages.size(), 1u);
  EXPECT_NE(shown.messages[0].find(S("を開けません")), std::string::npos);
  EXPECT_NE(shown.messages[0].find("missing.sql"), std::string::npos);
}

TEST_F(FileTest, SaveEucThenLoadGuessesEuc) {
  cText sjis(S("あいう"));
  ASSERT_EQ(sjis.GetCharCode(), kCodeSjis);
  ASSERT_TRUE(sjis.SaveEuc(dir.File("e.sql")));
  EXPECT_EQ(test::ReadFile(dir.File("e.sql")), "\xA4\xA2\xA4\xA4\xA4\xA6");
  cText loaded;
  ASSERT_TRUE(loaded.LoadFile(dir.File("e.sql")));
  EXPECT_EQ(loaded.GetCharCode(), kCodeEuc);
  EXPECT_EQ(loaded.GetSjisText(), S("あいう"));
  // Saving keeps the code and writes the Shift-JIS form.
  ASSERT_TRUE(loaded.SaveSjis(dir.File("s.sql")));
  EXPECT_EQ(test::ReadFile(dir.File("s.sql")), S("あいう"));
  EXPECT_EQ(loaded.GetCharCode(), kCodeEuc);
  ASSERT_TRUE(loaded.SaveEuc(dir.File("e2.sql")));
  EXPECT_EQ(test::ReadFile(dir.File("e2.sql")), "\xA4\xA2\xA4\xA4\xA4\xA6");
}

TEST_F(FileTest, UnsetBufferSavesNothing) {
  cText empty;
  EXPECT_FALSE(empty.SaveSjis(dir.File("a.sql")));
  EXPECT_FALSE(empty.SaveEuc(dir.File("a.sql")));
  EXPECT_TRUE(shown.messages.empty());
  struct stat st {};
  EXPECT_NE(::stat(dir.File("a.sql").c_str(), &st), 0);
}

TEST_F(FileTest, LoadFailureLeavesEmptyShiftJisBuffer) {
  cText t(S("前"));
  EXPECT_FALSE(t.LoadFile(dir.File("missing")));
  EXPECT_EQ(t.GetText(), "");
  EXPECT_EQ(t.GetCharCode(), kCodeSjis);
}

TEST_F(FileTest, WriteReplacesWholeFileAndKeepsPermissions) {
  std::string path = dir.File("w.sql");
  test::WriteFile(path, "a much longer old content");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(cFileIO::WriteText(path, "new"));
  EXPECT_EQ(test::ReadFile(path), "new");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(FileTest, FailedWriteLeavesOldFileAndNoTemporary) {
  std::string path = dir.File("w.sql");
  test::WriteFile(path, "old");
  {
    test::FailWrites fail;
    EXPECT_FALSE(cFileIO::WriteText(path, "new content"));
  }
  EXPECT_EQ(test::ReadFile(path), "old");
  ASSERT_EQ(shown.messages.size(), 1u);
  EXPECT_NE(shown.messages[0].find(S("を作成できません")), std::string::npos);
  int files = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(FileTest, WriteIntoMissingFolderFails) {
  EXPECT_FALSE(cFileIO::WriteText(dir.File("no/such/dir/a.sql"), "x"));
  EXPECT_EQ(shown.messages.size(), 1u);
}

}  // namespace
