#include <random>

#include "sqltext/cSQL.h"
#include "support/TestSupport.h"

using namespace tolvane;

namespace {

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> statements;  // each prefixed "Q " or "C "
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }


std::vector<std::string> Classified(const std::string& editorText) {
  std::vector<std::string> out;
  for (const auto& st : SplitStatements(cSQL(editorText).GetSql()))
    out.push_back((IsQuery(st) ? "Q " : "C ") + st);
  return out;
}

class SplitTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTable, CleansSplitsAndClassifies) {
  EXPECT_EQ(Classified(GetParam().text), GetParam().statements);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitTable,
    ::testing::Values(
        SplitCase{"empty", "", {"C "}},
        SplitCase{"only_blanks_and_comments", " \r\n/* x */ -- y\r\n\t", {"C "}},
        SplitCase{"no_semicolon", "SELECT 1", {"Q SELECT 1"}},
        SplitCase{"text_after_last_dropped", "SELECT 1; SELECT 2", {"Q SELECT 1"}},
        SplitCase{"empty_between", "SELECT 1;;SELECT 2;", {"Q SELECT 1", "C ", "Q SELECT 2"}},
        SplitCase{"semicolon_in_literal", "SELECT ';' FROM t;", {"Q SELECT '", "C ' FROM t"}},
        SplitCase{"semicolon_in_block_comment", "SELECT 1 /* a; b */;", {"Q SELECT 1"}},
        SplitCase{"semicolon_in_line_comment", "SELECT 1 -- one;\r\n;", {"Q SELECT 1"}},
        SplitCase{"dashes_in_literal", "SELECT '--' FROM t\r\n", {"Q SELECT '"}},
        SplitCase{"unterminated_block", "SELECT 1 /* open;", {"Q SELECT 1 /* open"}},
        SplitCase{"unterminated_line", "UPDATE t SET a = 1 -- note",
                  {"C UPDATE t SET a = 1 -- note"}},
        SplitCase{"overlapping_close", "/*/ x */ SELECT 1", {"C x */ SELECT 1"}},
        SplitCase{"lower_case_query", " \r\n select 1 ;", {"Q select 1"}},
        SplitCase{"comment_glues_words", "SELECT/*x*/a;", {"Q SELECTa"}},
        SplitCase{"line_comment_joins_lines", "SELECT a--x\r\nFROM t;", {"Q SELECT aFROM t"}},
        SplitCase{"block_inside_line_comment", "SELECT 1 -- /* \r\n, 2 */ ;", {"Q SELECT 1 --"}},
        SplitCase{"dashes_inside_block", "SELECT /* -- */ 1;", {"Q SELECT  1"}},
        SplitCase{"classification", "select*from t;Select 1;SELECTED;(SELECT 1);WITH x AS "
                                    "(SELECT 1) SELECT * FROM x;SELEC;",
                  {"Q select*from t", "Q Select 1", "Q SELECTED", "C (SELECT 1)",
                   "C WITH x AS (SELECT 1) SELECT * FROM x", "C SELEC"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(cSQL, FullWidthSelectIsACommand) {
  EXPECT_FALSE(IsQuery(test::S("ＳＥＬＥＣＴ 1")));
}

TEST(cSQL, UnterminatedCommentUndoesEveryRemovalOfItsPass) {
  // The first comment is complete, the second is not: the pass gives back
  // its input unchanged, the first comment included.
  EXPECT_EQ(cSQL::DeleteBlockComments("a/*1*/b/*2"), "a/*1*/b/*2");
  EXPECT_EQ(cSQL::DeleteLineComments("a--1\nb--2"), "a--1\nb--2");
  // The other pass still runs.
  EXPECT_EQ(cSQL::DeleteComments("a--1\nb/*2"), "ab/*2");
}

TEST(cSQL, RemovalThatJoinsANewMarkerRemovesItToo) {
  // ‹a/› + ‹/*x*/› + ‹* b */›: after the first removal ‹a/* b */› holds a new
  // comment, which the repeated search finds.
  EXPECT_EQ(cSQL::DeleteBlockComments("a//*x*/* b */c"), "ac");
  EXPECT_EQ(cSQL::DeleteLineComments("a--x\n-y\nz"), "a-y\nz");
  EXPECT_EQ(cSQL::DeleteLineComments("a---x\n-y\nz"), "a-y\nz");
  EXPECT_EQ(cSQL::DeleteLineComments("a-\n"), "a-\n");
}

TEST(cSQL, LineCommentTakesCarriageReturnAndLineFeed) {
  EXPECT_EQ(cSQL::DeleteLineComments("SELECT a -- all\r\nFROM t"), "SELECT a FROM t");
}

TEST(cSQL, SetSqlReplacesTheText) {
  cSQL sql("SELECT 1");
  sql.SetSql(" /*c*/ SELECT 2 ");
  EXPECT_EQ(sql.GetSql(), "SELECT 2");
}

// The removal rules written the plain way: search the whole text again after
// each cut. The scanner must agree with it on any input.
std::string ReferenceDelete(const std::string& t, const std::string& open,
                            const std::string& close) {
  std::string w = t;
  for (;;) {
    size_t o = w.find(open);
    if (o == std::string::npos) return w;
    size_t c = w.find(close, o);
    if (c == std::string::npos) return t;
    w = w.substr(0, o) + w.substr(c + close.size());
  }
}

std::vector<std::string> ReferenceSplit(std::string c) {
  if (c.find(';') == std::string::npos) c += ';';
  std::vector<std::string> list;
  for (size_t p; (p = c.find(';')) != std::string::npos; c.erase(0, p + 1))
    list.push_back(Trim(c.substr(0, p)));
  return list;
}

TEST(cSQL, AgreesWithRepeatedSearchOnRandomTexts) {
  std::mt19937 rng(12345);
  const char alphabet[] = "/*-\n\r;a ";
  for (int round = 0; round < 20000; ++round) {
    std::string t(rng() % 24, ' ');
    for (auto& ch : t) ch = alphabet[rng() % (sizeof alphabet - 1)];
    std::string block = ReferenceDelete(t, "/*", "*/");
    ASSERT_EQ(cSQL::DeleteBlockComments(t), block) << test::Hex(t);
    std::string line = ReferenceDelete(block, "--", "\n");
    ASSERT_EQ(cSQL::DeleteComments(t), line) << test::Hex(t);
    ASSERT_EQ(SplitStatements(Trim(line)), ReferenceSplit(Trim(line))) << test::Hex(t);
  }
}

TEST(cSQL, ProgressIsReportedAtIntervalsNotPerByte) {
  std::string big(1 << 20, 'a');
  big += "/* x */";
  int calls = 0;
  std::string out = cSQL::DeleteBlockComments(big, [&] { ++calls; });
  EXPECT_EQ(out.size(), size_t{1} << 20);
  EXPECT_GE(calls, 8);
  EXPECT_LE(calls, 32);
}

TEST(cSQL, EditorLinesEndEveryLineWithCrLf) {
  EXPECT_EQ(EditorLinesText(""), "");
  EXPECT_EQ(EditorLinesText("a"), "a\r\n");
  EXPECT_EQ(EditorLinesText("a\nb\r\nc\rd\n"), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(EditorLinesText("\n\n"), "\r\n\r\n");
  // A final line comment is closed by the added line break.
  EXPECT_EQ(Classified(EditorLinesText("SELECT 1 -- end")), std::vector<std::string>{"Q SELECT 1"});
}

}  // namespace
