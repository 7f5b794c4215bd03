#include "settings/Fbrenmoini.h"
#include "sqltext/cSQLStr.h"
#include "support/TestSupport.h"

using namespace tolvane;
using test::S;

namespace {

struct FormatCase {
  const char* name;
  std::string after, both, sql, result;
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }


class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, Formats) {
  const auto& c = GetParam();
  cSQLStr f(c.sql, c.after, c.both);
  EXPECT_EQ(f.GetResult(), c.result);
  // Formatting a result again gives the same text.
  EXPECT_EQ(cSQLStr(f.GetResult(), c.after, c.both).GetResult(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatTable,
    ::testing::Values(
        FormatCase{"no_words", "", "", "SELECT a, b FROM t WHERE c = 'x,y'",
                   "SELECT a,\r\n\t b FROM t WHERE c = 'x,y'"},
        FormatCase{"after_and_both", "SELECT", "FROM,WHERE", "SELECT a, b FROM t WHERE c = 1",
                   "SELECT\r\n\t a,\r\n\t b \r\nFROM\r\n\t t \r\nWHERE\r\n\t c = 1"},
        FormatCase{"case_sensitive_substring", "x", "FROM", "select DATE_FROM from t",
                   "select DATE_\r\nFROM\r\n\t from t"},
        FormatCase{"joins_indented_lines", "", "", "SELECT a\r\n\tFROM t", "SELECT aFROM t"},
        FormatCase{"literal_breaks_removed", "", "", "SELECT 'a\r\n\tb', c",
                   "SELECT 'ab',\r\n\t c"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(cSQLStr, UnpairedApostropheKeepsBreaksInsideQuotes) {
  cSQLStr f("WHERE c = 'it's, x'", "", "");
  EXPECT_EQ(f.GetResult(), "WHERE c = 'it's,\r\n\t x'");
}

TEST(cSQLStr, SplitWords) {
  struct {
    std::string text;
    std::vector<std::string> words;
  } cases[] = {{"", {""}},
               {"SELECT,FROM", {"SELECT", "FROM"}},
               {"SELECT, FROM", {"SELECT", " FROM"}},
               {"SELECT,", {"SELECT", ""}},
               {",,", {"", "", ""}}};
  for (const auto& c : cases) {
    std::vector<std::string> list{"stale"};
    cSQLStr::SplitWords(c.text, list);
    EXPECT_EQ(list, c.words) << c.text;
  }
}

TEST(cSQLStr, FixLiterals) {
  EXPECT_EQ(cSQLStr::FixLiterals("a 'x\r\n\ty' b 'c\td'"), "a 'xy' b 'cd'");
  EXPECT_EQ(cSQLStr::FixLiterals("'It''s\r\n'"), "'It''s'");
  EXPECT_EQ(cSQLStr::FixLiterals("a 'x\r\n' 'open\r\n"), "a 'x\r\n' 'open\r\n");
  // A CR or LF alone is not a line break here.
  EXPECT_EQ(cSQLStr::FixLiterals("'a\rb\nc'"), "'a\rb\nc'");
}

TEST(cSQLStr, ReplaceAllNeverStartsInsideADoubleByteCharacter) {
  // ‹ソ› is 0x83 0x5C: its second byte is a backslash.
  std::string so = S("ソ");
  ASSERT_EQ(so, "\x83\x5C");
  EXPECT_EQ(ReplaceAll(so + "\\", "\\", "/"), so + "/");
  // ‹ア› is 0x83 0x41: the "A" inside it is no match.
  EXPECT_EQ(ReplaceAll(S("ア") + "A", "A", "b"), S("ア") + "b");
  // Half-width katakana is single-byte: a match may start right after it.
  EXPECT_EQ(ReplaceAll("\xB1" "A", "A", "b"), "\xB1" "b");
  // Inserted text is not searched again; an empty pattern matches nothing.
  EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
}

TEST(cSQLStr, EmptyWordsRemoveEveryIndentedBreak) {
  // A trailing comma in After gives an empty word.
  cSQLStr f("SELECT a\r\n\tFROM t\r\n\t", "SELECT,", "");
  EXPECT_EQ(f.GetResult(), "SELECT aFROM t");
}

class FormatterSettings : public test::HomeTest {};

TEST_F(FormatterSettings, ReadsWordListsFromTheSettingsFileEachTime) {
  cSQLStr plain("SELECT a FROM t");
  EXPECT_EQ(plain.GetResult(), "SELECT a FROM t");
  test::WriteFile(IniPath(), "[SQL]\r\nAfter=SELECT\r\nBoth=FROM\r\n");
  cSQLStr formatted("SELECT a FROM t");
  EXPECT_EQ(formatted.GetResult(), "SELECT\r\n\t a \r\nFROM\r\n\t t");
}

}  // namespace
