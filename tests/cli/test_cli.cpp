#include "support/TestSupport.h"

using namespace tolvane;
using test::RunProgram;
using test::S;

namespace {

const std::string kCli = TOLVANE_CLI_PATH;

class Cli : public test::HomeTest {};

TEST_F(Cli, SplitPrintsOneEscapedLinePerStatement) {
  auto r = RunProgram(kCli, {"split"},
                      "SELECT a,\\b\tFROM t -- c;\nWHERE x = 1;\r\n/* d */ UPDATE t SET a = 1;"
                      "\n;select 2 -- open");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out,
            "Q\tSELECT a,\\\\b\\tFROM t WHERE x = 1\n"
            "C\tUPDATE t SET a = 1\n"
            "C\t\n");
}

TEST_F(Cli, SplitOfAFileWithoutSemicolonIsOneStatement) {
  test::WriteFile(home.File("q.sql"), S("SELECT '漢字'\r\n  FROM t -- 最後"));
  auto r = RunProgram(kCli, {"split", home.File("q.sql")});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "Q\t" + S("SELECT '漢字'") + "\\r\\n  FROM t\n");
}

TEST_F(Cli, DetectAndConvert) {
  const std::string euc = "\xA4\xA2\xA4\xA4\xA4\xA6";
  test::WriteFile(home.File("e.txt"), euc);
  test::WriteFile(home.File("s.txt"), S("あいう"));
  struct {
    std::vector<std::string> args;
    std::string out;
  } cases[] = {
      {{"detect", home.File("e.txt")}, "EUC\n"},
      {{"detect", home.File("s.txt")}, "SHIFT-JIS\n"},
      {{"convert", "--to", "sjis", home.File("e.txt")}, S("あいう")},
      {{"convert", "--to", "sjis", home.File("s.txt")}, S("あいう")},
      {{"convert", "--to", "euc", home.File("s.txt")}, euc},
      {{"convert", "--to=euc", home.File("e.txt")}, euc},
  };
  for (const auto& c : cases) {
    auto r = RunProgram(kCli, c.args);
    EXPECT_EQ(r.exitCode, 0) << c.args[0];
    EXPECT_EQ(test::Hex(r.out), test::Hex(c.out)) << c.args[0] << " " << c.args.back();
  }
  auto piped = RunProgram(kCli, {"convert", "--to", "sjis"}, euc);
  EXPECT_EQ(piped.out, S("あいう"));
}

TEST_F(Cli, FormatUsesTheSettingsFile) {
  test::WriteFile(IniPath(), "[SQL]\r\nAfter=SELECT\r\nBoth=FROM,WHERE\r\n");
  auto r = RunProgram(kCli, {"format"}, "SELECT a, b FROM t WHERE c = 1");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "SELECT\r\n\t a,\r\n\t b \r\nFROM\r\n\t t \r\nWHERE\r\n\t c = 1");
}

TEST_F(Cli, UsageErrorsExit2AndUnreadableFilesExit1) {
  struct {
    std::vector<std::string> args;
    int exitCode;
  } cases[] = {
      {{}, 2},
      {{"explode"}, 2},
      {{"split", "--bogus"}, 2},
      {{"split", "a", "b"}, 2},
      {{"detect"}, 2},
      {{"convert", "--to", "utf16"}, 2},
      {{"convert", "--to"}, 2},
      {{"split", home.File("missing.sql")}, 1},
      {{"detect", home.path()}, 1},
  };
  for (const auto& c : cases) {
    auto r = RunProgram(kCli, c.args);
    EXPECT_EQ(r.exitCode, c.exitCode) << (c.args.empty() ? "" : c.args[0]);
    EXPECT_FALSE(r.err.empty());
    EXPECT_TRUE(r.out.empty());
  }
  auto r = RunProgram(kCli, {"split", home.File("missing.sql")});
  EXPECT_NE(r.err.find("missing.sql"), std::string::npos);
  EXPECT_NE(r.err.find("を開けません"), std::string::npos) << "reason in UTF-8 on a terminal";
}

}  // namespace
