#include "settings/Fbrenmoini.h"
#include "sqltext/cText.h"
#include "support/Backends.h"

using namespace tolvane;
using test::RunProgram;
using test::S;

namespace {

const std::string kCli = TOLVANE_CLI_PATH;

class CliRun : public test::HomeTest {
 protected:
  std::string Db() const { return "{SQLite3 ODBC Driver}," + home.File("cli.db") + ",,,"; }
  void SetUp() override {
    auto r = RunProgram(kCli, {"run", "--descriptor", Db()},
                        "CREATE TABLE t (id INTEGER, name TEXT);"
                        "INSERT INTO t VALUES (1, '" + S("山田") + "'), (2, NULL);");
    ASSERT_EQ(r.exitCode, 0) << r.err;
  }
  static std::vector<std::string> Lines(const std::string& out) {
    std::vector<std::string> lines;
    size_t pos = 0;
    for (size_t lf; (lf = out.find('\n', pos)) != std::string::npos; pos = lf + 1)
      lines.push_back(out.substr(pos, lf - pos));
    return lines;
  }
};

TEST_F(CliRun, PrintsResultsThenEntriesInCp932) {
  auto r = RunProgram(kCli, {"run", "--descriptor", Db()}, "SELECT * FROM t ORDER BY id;UPDATE t SET id = id;");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 7u) << r.out;
  EXPECT_EQ(lines[0], "id\tname");
  EXPECT_EQ(lines[1], "1\t" + S("山田"));
  EXPECT_EQ(lines[2], "2\t");
  EXPECT_EQ(lines[3], "SELECT * FROM t ORDER BY id");
  EXPECT_EQ(lines[4].substr(0, 1 + S("件処理しました。").size()), "2" + S("件処理しました。"));
  EXPECT_EQ(lines[5], "UPDATE t SET id = id");
  EXPECT_EQ(lines[6].substr(0, 1 + S("件処理しました。").size()), "2" + S("件処理しました。"));
}

TEST_F(CliRun, DispNullAndUtf8AndEucInput) {
  SetDispNull(true);
  auto r = RunProgram(kCli, {"run", "--utf8", "--descriptor", Db()},
                      cText::SjisToEuc("SELECT name AS " + S("名前") + " FROM t ORDER BY id;"));
  EXPECT_EQ(r.exitCode, 0) << r.err;
  auto lines = Lines(r.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "名前");
  EXPECT_EQ(lines[1], "山田");
  EXPECT_EQ(lines[2], "<NULL>");
}

TEST_F(CliRun, FailuresGoToStandardErrorAndTheRunGoesOn) {
  auto r = RunProgram(kCli, {"run", "--descriptor", Db()},
                      "SELECT 1 AS a;SELECT nosuch FROM t;DELETE FROM t WHERE id = 2;");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("nosuch"), std::string::npos) << r.err;
  auto lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 6u) << r.out;
  EXPECT_EQ(lines[4], "DELETE FROM t WHERE id = 2");
}

TEST_F(CliRun, SavedSessionAndHistory) {
  WriteConnect("1", "other,0;{SQLite3 ODBC Driver}," + home.File("other.db") + ",,,");
  WriteConnect("2", "main,0;" + Db());
  const std::string before = test::ReadFile(IniPath());
  auto r = RunProgram(kCli, {"run", "--session", "2", "--history"}, "SELECT count(*) AS n FROM t;");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Lines(r.out).at(1), "2");
  EXPECT_EQ(test::ReadFile(IniPath()), before) << "a command-line run leaves the saved sessions alone";
  EXPECT_EQ(test::ReadFile(home.File("SQLHistory.Dat")), "SELECT count(*) AS n FROM t@" + Db() + ";");
  r = RunProgram(kCli, {"run", "--session", "2", "--history"}, "SELECT 2 AS n");
  EXPECT_EQ(test::ReadFile(home.File("SQLHistory.Dat")),
            "SELECT count(*) AS n FROM t@" + Db() + ";SELECT 2 AS n@" + Db() + ";");
}

TEST_F(CliRun, UsageAndConnectionErrors) {
  struct {
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {
      {{"run"}, 2},
      {{"run", "--session", "1", "--descriptor", "x,y,,,"}, 2},
      {{"run", "--session", "one"}, 2},
      {{"run", "--descriptor"}, 2},
      {{"run", "--session", "9"}, 1},
      {{"run", "--descriptor", "{SQLite3 ODBC Driver}," + home.path() + "/no/dir/x.db,,,"}, 1},
      {{"run", "--descriptor", "Microsoft.Jet.OLEDB.4.0,a.xls,,,Excel 8.0"}, 1},
  };
  for (const auto& c : cases) {
    auto r = RunProgram(kCli, c.args, "SELECT 1;");
    EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back();
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(r.out.empty());
  }
  auto r = RunProgram(kCli, {"run", "--descriptor", "Microsoft.Jet.OLEDB.4.0,a.xls,,,Excel 8.0"}, "SELECT 1;");
  EXPECT_NE(r.err.find("Excel2000"), std::string::npos) << r.err;
}

}  // namespace
