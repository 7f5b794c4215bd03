#include <sys/stat.h>

#include <functional>

#include "settings/Fbrenmoini.h"
#include "settings/Fpath.h"
#include "settings/IniFile.h"
#include "support/TestSupport.h"

using namespace tolvane;
using test::S;

namespace {

class Settings : public test::HomeTest {};

TEST_F(Settings, MissingFileGivesEveryDefault) {
  EXPECT_TRUE(GetAutoConnect());
  EXPECT_EQ(GetSaveType(), 1);
  EXPECT_FALSE(GetSaveBoth());
  EXPECT_EQ(GetFontName(), S("ＭＳ Ｐゴシック"));
  EXPECT_EQ(GetFontSize(), 9);
  EXPECT_FALSE(GetFontBold());
  EXPECT_FALSE(GetFontItalic());
  EXPECT_EQ(GetHistoryNum(), 30);
  EXPECT_EQ(GetVariable(), "");
  EXPECT_EQ(GetMerge(), "");
  EXPECT_EQ(GetPeriod(), "");
  EXPECT_EQ(GetSiege(), "");
  EXPECT_FALSE(GetCloseSpace());
  EXPECT_FALSE(GetAlphaBlend());
  EXPECT_EQ(GetAlphaValue(), 255);
  EXPECT_FALSE(GetTaskbarSeparate());
  EXPECT_EQ(GetCensoredWords1(), "*");
  EXPECT_EQ(GetCensoredWords2(), S("※"));
  EXPECT_EQ(GetMaxRow(), 0);
  EXPECT_FALSE(GetDispNull());
  std::vector<std::string> keys{"stale"};
  ReadIniSection("Connect", keys);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(ReadConnect("1"), "");
  struct stat st {};
  EXPECT_NE(::stat(IniPath().c_str(), &st), 0) << "reading must not create the file";
}

TEST_F(Settings, EverySetterWritesItsKeyInItsSection) {
  struct Key {
    const char* section;
    const char* key;
    std::function<void()> set;
    const char* written;
  };
  const Key keys[] = {
      {"AutoConnect", "AutoConnect", [] { SetAutoConnect(false); }, "0"},
      {"SaveType", "SaveType", [] { SetSaveType(2); }, "2"},
      {"SaveType", "SaveBoth", [] { SetSaveBoth(true); }, "1"},
      {"Font", "FontName", [] { SetFontName("IPAGothic"); }, "IPAGothic"},
      {"Font", "FontSize", [] { SetFontSize(12); }, "12"},
      {"Font", "FontBold", [] { SetFontBold(true); }, "1"},
      {"Font", "FontItalic", [] { SetFontItalic(true); }, "1"},
      {"History", "HistoryNum", [] { SetHistoryNum(256); }, "256"},
      {"Code", "Variable", [] { SetVariable("sql"); }, "sql"},
      {"Code", "Merge", [] { SetMerge("+"); }, "+"},
      {"Code", "Period", [] { SetPeriod(";"); }, ";"},
      {"Code", "Siege", [] { SetSiege("\""); }, "\""},
      {"Code", "CloseSpace", [] { SetCloseSpace(true); }, "1"},
      {"Editor", "AlphaBlend", [] { SetAlphaBlend(true); }, "1"},
      {"Editor", "AlphaValue", [] { SetAlphaValue(20); }, "20"},
      {"Result", "TaskbarSeparate", [] { SetTaskbarSeparate(true); }, "1"},
      {"Result", "CensoredWords1", [] { SetCensoredWords1("#"); }, "#"},
      {"Result", "CensoredWords2", [] { SetCensoredWords2("\x81\x9B"); }, "\x81\x9B"},
      {"Result", "MaxRow", [] { SetMaxRow(-5); }, "-5"},
      {"Result", "DispNull", [] { SetDispNull(true); }, "1"},
  };
  for (const auto& k : keys) {
    k.set();
    EXPECT_EQ(IniFile(IniPath()).Read(k.section, k.key).value_or("<missing>"), k.written)
        << k.section << "/" << k.key;
  }
  EXPECT_FALSE(GetAutoConnect());
  EXPECT_EQ(GetSaveType(), 2);
  EXPECT_TRUE(GetSaveBoth());
  EXPECT_EQ(GetFontName(), "IPAGothic");
  EXPECT_EQ(GetFontSize(), 12);
  EXPECT_EQ(GetHistoryNum(), 256);
  EXPECT_EQ(GetSiege(), "\"");
  EXPECT_EQ(GetAlphaValue(), 20);
  EXPECT_EQ(GetCensoredWords2(), "\x81\x9B");
  EXPECT_EQ(GetMaxRow(), -5);
  EXPECT_TRUE(GetDispNull());
  struct stat st {};
  ASSERT_EQ(::stat(IniPath().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "the file holds passwords";
}

TEST_F(Settings, ValueParsing) {
  struct {
    const char* text;
    int def;
    int expected;
  } cases[] = {{"0x20", 30, 32}, {"0X1f", 0, 31}, {"-5", 0, -5}, {"+7", 0, 7},
               {"", 30, 30},     {"yes", 0, 0},   {"0x", 9, 9},  {"0xZZ", 9, 9},
               {"12a", 9, 9},    {"-", 9, 9},     {"99999999999", 9, 9},
               {"2147483647", 0, 2147483647},     {"-2147483648", 0, -2147483647 - 1},
               {"0xFFFFFFFF", 0, -1},             {"0x100000000", 4, 4}};
  for (const auto& c : cases) EXPECT_EQ(ParseIniInt(c.text, c.def), c.expected) << c.text;
}

TEST_F(Settings, BooleansAndIntegersFromAHandWrittenFile) {
  test::WriteFile(IniPath(),
                  "[Font]\r\nFontBold=2\r\nFontItalic=yes\r\n[AutoConnect]\r\nAutoConnect=\r\n"
                  "[History]\r\nHistoryNum=0x20\r\n[Result]\r\nMaxRow=-5\r\n");
  EXPECT_TRUE(GetFontBold());
  EXPECT_FALSE(GetFontItalic());
  EXPECT_TRUE(GetAutoConnect());
  EXPECT_EQ(GetHistoryNum(), 32);
  EXPECT_EQ(GetMaxRow(), -5);
}

TEST_F(Settings, LongValuesAreCutTo2047Bytes) {
  std::string value(3000, 'v');
  WriteConnect("1", value);
  EXPECT_EQ(ReadConnect("1"), value.substr(0, 2047));
}

TEST_F(Settings, KeyListingStopsAt16384Bytes) {
  // 2000 keys of 9 bytes plus a terminator each: 20000 bytes would be needed.
  std::string text = "[Connect]\n";
  for (int i = 0; i < 2000; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "k%08d", i);
    text += std::string(key) + "=v\n";
  }
  test::WriteFile(IniPath(), text);
  std::vector<std::string> keys;
  ReadIniSection("Connect", keys);
  EXPECT_EQ(keys.size(), 16384u / 10);
  EXPECT_EQ(keys.front(), "k00000000");
}

TEST_F(Settings, WritesKeepWhatAPersonWrote) {
  const std::string original =
      "; settings of my machine\r\n"
      "[SQL]\r\n"
      "After=SELECT\r\n"
      "Both=FROM,WHERE\r\n"
      "\r\n"
      "[Mine]\r\n"
      "Colour = blue\r\n"
      "\r\n"
      "[Connect]\r\n"
      "1=a,0;" + S("名前") + "\r\n";
  test::WriteFile(IniPath(), original);
  SetMaxRow(100);
  WriteConnect("2", "b,1;SQLOLEDB,srv,sa,,");
  std::string now = test::ReadFile(IniPath());
  EXPECT_EQ(now.substr(0, original.size()), original);
  EXPECT_NE(now.find("[Result]\r\nMaxRow=100\r\n"), std::string::npos) << now;
  EXPECT_EQ(ReadIniString("Mine", "Colour"), "blue");
  std::vector<std::string> keys;
  ReadIniSection("Connect", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"1", "2"}));
  // Replacing keeps the key's place; deleting takes only its line.
  WriteConnect("1", "c,1;x,y,z,w,");
  DeleteConnect("2");
  EXPECT_EQ(ReadConnect("1"), "c,1;x,y,z,w,");
  ReadIniSection("Connect", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"1"}));
  EXPECT_EQ(ReadIniString("SQL", "Both"), "FROM,WHERE");
}

TEST_F(Settings, UnixLineEndsAndLooseSpacingReadTheSame) {
  test::WriteFile(IniPath(), "[result]\n  maxrow = 42 \n[Font]\nFontName=" + S("ＭＳ ゴシック") + "\n");
  EXPECT_EQ(GetMaxRow(), 42);
  EXPECT_EQ(GetFontName(), S("ＭＳ ゴシック"));
  SetDispNull(true);
  EXPECT_EQ(test::ReadFile(IniPath()),
            "[result]\n  maxrow = 42 \nDispNull=1\n[Font]\nFontName=" + S("ＭＳ ゴシック") + "\n");
}

TEST_F(Settings, BlanksAtTheEndsOfAValueSurviveAWrite) {
  for (std::string value : {" sales ,0;x,y,,,", "\"\"", "\"", "a \"b\" c", "\ttab"}) {
    WriteConnect("1", value);
    EXPECT_EQ(ReadConnect("1"), value);
  }
  test::WriteFile(IniPath(), "[Code]\r\nSiege=\"\r\nMerge=\" & \"\r\n");
  EXPECT_EQ(GetSiege(), "\"");
  EXPECT_EQ(GetMerge(), " & ");
}

TEST_F(Settings, EraseSectionRemovesOnlyThatSection) {
  test::WriteFile(IniPath(), "[Connect]\r\n1=a\r\n2=b\r\n[Result]\r\nMaxRow=3\r\n");
  EXPECT_TRUE(EraseIniSection("Connect"));
  EXPECT_EQ(test::ReadFile(IniPath()), "[Result]\r\nMaxRow=3\r\n");
  EXPECT_TRUE(EraseIniSection("Connect"));
}

TEST_F(Settings, RefusedWritesRaiseTheMessageOrReturnFalse) {
  const std::string original = "[Connect]\r\n1=a,0;x,y,z,w,\r\n[Result]\r\nMaxRow=3\r\n";
  test::WriteFile(IniPath(), original);
  test::FailWrites fail;
  try {
    SetMaxRow(5);
    ADD_FAILURE() << "the refused write was not raised";
  } catch (const EError& e) {
    EXPECT_EQ(std::string(e.what()), IniPath() + S(" に書き込めません"));
  }
  EXPECT_THROW(WriteConnect("2", "b"), EError);
  EXPECT_FALSE(EraseIniSection("Connect"));
  DeleteConnect("1");  // ignored
  EXPECT_EQ(test::ReadFile(IniPath()), original);
}

TEST_F(Settings, FontInfoRoundTrip) {
  FontSpec font;
  font.name = "IPAPGothic";
  font.size = 11;
  font.bold = true;
  font.underline = true;
  SetFontInfo(font);
  std::string name;
  int size = 0;
  bool bold = false, italic = true;
  GetFontInfo(name, size, bold, italic);
  EXPECT_EQ(name, "IPAPGothic");
  EXPECT_EQ(size, 11);
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  EXPECT_EQ(ReadIniString("Font", "FontBold"), "1");
  EXPECT_EQ(ReadIniString("Font", "FontItalic"), "0");
}

TEST(Fpath, AddFileNameSuffix) {
  struct {
    const char* path;
    const char* suffix;
    const char* expected;
  } cases[] = {{"/work/a.sql", "_SJIS", "/work/a_SJIS.sql"},
               {"/work/a.b.sql", "_SJIS", "/work/a.b_SJIS.sql"},
               {"/work.d/a", "_EUC", "/work.d/a_EUC"},
               {"a", "_EUC", "a_EUC"},
               {"/w/.profile", "_EUC", "/w/_EUC.profile"}};
  for (const auto& c : cases) EXPECT_EQ(AddFileNameSuffix(c.path, c.suffix), c.expected);
}

TEST_F(Settings, ExeDirFollowsTolvaneHomeOrTheExecutable) {
  EXPECT_EQ(GetExeDir(), home.path());
  EXPECT_EQ(GetIniFileName(), home.path() + "/tolvane.ini");
  ::unsetenv("TOLVANE_HOME");
  std::string dir = GetExeDir();
  EXPECT_FALSE(dir.empty());
  EXPECT_NE(dir.back(), '/');
  struct stat st {};
  EXPECT_EQ(::stat((dir + "/test_settings").c_str(), &st), 0) << dir;
}

}  // namespace
