#include <regex>

#include "app/SqlRunner.h"
#include "settings/Fbrenmoini.h"
#include "support/TestSupport.h"

using namespace tolvane;
using test::S;

namespace {

class Runner : public test::HomeTest {
 protected:
  void SetUp() override {
    sessions.Add(1, "db", "{SQLite3 ODBC Driver}," + home.File("run.db") + ",,,");
    ASSERT_TRUE(sessions.ConnectActive());
    test::RecordingHost setupHost;
    SqlRunner(sessions, history, setupHost)
        .Run("CREATE TABLE t (id INTEGER, name TEXT);"
             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 150) "
             "INSERT INTO t SELECT i, 'row' || i FROM n;");
    ASSERT_TRUE(shown.messages.empty());
    history.Clear();
  }
  SqlRunSummary Run(const std::string& text) { return SqlRunner(sessions, history, host).Run(text); }

  cAdoSessions sessions;
  cAdoSqlHistorys history{30};
  test::RecordingHost host;
};

TEST_F(Runner, MonitorEntryFormat) {
  Run("SELECT * FROM t WHERE id <= 14");
  ASSERT_EQ(host.entries.size(), 1u);
  const std::string utf8 = Cp932ToUtf8(host.entries[0]);
  std::regex shape(
      "SELECT \\* FROM t WHERE id <= 14\n14件処理しました。 \\[処理時間 [0-9]+\\.[0-9]{6} 秒\\] "
      "\\[処理日時 [0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\\]");
  EXPECT_TRUE(std::regex_match(utf8, shape)) << utf8;
  ASSERT_EQ(host.dateTimes.size(), 1u);
  EXPECT_NE(utf8.find(host.dateTimes[0] + "]"), std::string::npos);
  EXPECT_EQ(SqlRunner::ElapsedText(0.015625), S(" [処理時間 0.015625 秒]"));
}

TEST_F(Runner, CountsOfCommands) {
  Run("DELETE FROM t WHERE 1=0;UPDATE t SET name = 'x' WHERE id <= 3;");
  ASSERT_EQ(host.entries.size(), 2u);
  EXPECT_EQ(test::EntryHead(host.entries[0]), "DELETE FROM t WHERE 1=0\n0" + S("件処理しました。"));
  EXPECT_EQ(test::EntryHead(host.entries[1]), "UPDATE t SET name = 'x' WHERE id <= 3\n3" + S("件処理しました。"));
  // A count the data source reports as -1 is written unsigned.
  SqlRunner(sessions, history, host).ShowCommandResult(-1);
  EXPECT_EQ(test::EntryHead(host.entries[2]),
            "UPDATE t SET name = 'x' WHERE id <= 3\n4294967295" + S("件処理しました。"));
}

TEST_F(Runner, StatementsAreCleanedSplitAndRunInOrder) {
  auto summary = Run("/* header */ SELECT id FROM t WHERE id = 1; -- first\r\n"
                     "select name FROM t WHERE id = 2;\r\nSELECT 3");
  EXPECT_EQ(summary.statements, 2);
  ASSERT_EQ(host.results.size(), 2u);
  EXPECT_EQ(host.results[0]->Value(0, 0), "1");
  EXPECT_EQ(host.results[1]->Value(0, 0), "row2");
  EXPECT_EQ(test::EntryHead(host.entries[0]), "SELECT id FROM t WHERE id = 1\n1" + S("件処理しました。"));
  EXPECT_EQ(test::EntryHead(host.entries[1]), "select name FROM t WHERE id = 2\n1" + S("件処理しました。"));
  ASSERT_EQ(history.GetCount(), 2);
  EXPECT_EQ(history.At(0).sql, "SELECT id FROM t WHERE id = 1");
}

TEST_F(Runner, RowCountQuestion) {
  struct {
    int maxRow;
    bool answer;
    bool asked;
    bool shown;
  } cases[] = {
      {100, false, true, false}, {100, true, true, true}, {150, false, false, true},
      {0, false, false, true},   {-5, false, false, true},
  };
  for (const auto& c : cases) {
    SetMaxRow(c.maxRow);
    host = test::RecordingHost();
    host.answer = c.answer;
    history.Clear();
    Run("SELECT * FROM t");
    EXPECT_EQ(host.questions.size(), c.asked ? 1u : 0u) << c.maxRow;
    if (c.asked) {
      EXPECT_EQ(host.questions[0],
                std::to_string(c.maxRow) + S("件を越えるデータが抽出されました。表示してもよろしいですか？"));
    }
    EXPECT_EQ(host.entries.size(), c.shown ? 1u : 0u) << c.maxRow;
    EXPECT_EQ(host.results.size(), c.shown ? 1u : 0u) << c.maxRow;
    EXPECT_EQ(history.GetCount(), 1) << "the history entry stays even when declined";
  }
}

TEST_F(Runner, EmptyTextRunsOneEmptyCommandThatFails) {
  auto summary = Run(" -- nothing\r\n/* at all */");
  EXPECT_EQ(summary.statements, 1);
  EXPECT_EQ(summary.failed, 1);
  EXPECT_EQ(shown.messages.size(), 1u);
  EXPECT_TRUE(host.entries.empty());
  EXPECT_EQ(history.GetCount(), 0);
}

TEST_F(Runner, WithoutAnActiveSessionNothingRunsAndNothingIsShown) {
  sessions.Clear();
  auto summary = Run("SELECT 1;DELETE FROM t;");
  EXPECT_EQ(summary.failed, 2);
  EXPECT_TRUE(shown.messages.empty());
  EXPECT_TRUE(host.entries.empty());
}

}  // namespace
