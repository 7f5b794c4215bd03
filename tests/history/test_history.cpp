#include <sys/stat.h>

#include "history/cAdoSqlHistorys.h"
#include "settings/Fbrenmoini.h"
#include "sqltext/cText.h"
#include "support/TestSupport.h"

using namespace tolvane;
using test::S;

namespace {

class History : public test::HomeTest {
 protected:
  std::string Path() const { return home.File("SQLHistory.Dat"); }
};

TEST_F(History, NumbersCurrentAndStepping) {
  cAdoSqlHistorys h(30);
  EXPECT_FALSE(h.Prev());
  EXPECT_FALSE(h.Next());
  EXPECT_EQ(h.GetCurrentSql(), "");
  h.Add("A", "p,s,u,pw,");
  h.Add("B", "p,s,u,pw,");
  h.Add("C", "p,s,u,pw,");
  EXPECT_EQ(h.At(0).no, 0);
  EXPECT_EQ(h.At(2).no, 2);
  EXPECT_EQ(h.GetCurrentSql(), "C");
  struct {
    bool prev;
    const char* sql;
  } steps[] = {{true, "B"}, {true, "A"}, {true, "A"}, {false, "B"}, {false, "C"}, {false, "C"}};
  for (const auto& s : steps) {
    EXPECT_TRUE(s.prev ? h.Prev() : h.Next());
    EXPECT_EQ(h.GetCurrentSql(), s.sql);
  }
}

TEST_F(History, SaveKeepsTheNewestLimitRecords) {
  cAdoSqlHistorys h(30);
  for (int i = 1; i <= 45; ++i) h.Add("SELECT " + std::to_string(i), "p,s,u,pw,");
  ASSERT_TRUE(h.SaveToFile(Path()));
  cAdoSqlHistorys loaded(30);
  ASSERT_TRUE(loaded.LoadFromFile(Path()));
  ASSERT_EQ(loaded.GetCount(), 30);
  EXPECT_EQ(loaded.At(0).sql, "SELECT 16");
  EXPECT_EQ(loaded.At(0).no, 0);
  EXPECT_EQ(loaded.At(29).sql, "SELECT 45");
  EXPECT_EQ(loaded.At(29).no, 29);
  EXPECT_EQ(loaded.GetCurrentSql(), "SELECT 45");
  struct stat st {};
  ASSERT_EQ(::stat(Path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u) << "the history holds passwords";
}

TEST_F(History, TheLimitComesFromTheSettings) {
  SetHistoryNum(20);
  cAdoSqlHistorys h;
  EXPECT_EQ(h.GetLimit(), 20);
}

TEST_F(History, FileFormat) {
  cAdoSqlHistorys h(30);
  h.Add("SELECT *\r\nFROM " + S("社員"), "SQLOLEDB,srv@db,sa,pw,   ");
  h.Add("DELETE FROM t", "{SQLite3 ODBC Driver},a.db,,,");
  EXPECT_EQ(h.FileText(), "SELECT *\r\nFROM " + S("社員") + "@SQLOLEDB,srv@db,sa,pw,;"
                          "DELETE FROM t@{SQLite3 ODBC Driver},a.db,,,;");
}

TEST_F(History, EmptyHistorySavesAnEmptyFileAndLoadsBackEmpty) {
  cAdoSqlHistorys h(30);
  ASSERT_TRUE(h.SaveToFile(Path()));
  EXPECT_EQ(test::ReadFile(Path()), "");
  cAdoSqlHistorys loaded(30);
  EXPECT_TRUE(loaded.LoadFromFile(Path()));
  EXPECT_EQ(loaded.GetCount(), 0);
  EXPECT_TRUE(shown.messages.empty());
}

TEST_F(History, MissingFileIsReportedAndLoadsNothing) {
  cAdoSqlHistorys h(30);
  EXPECT_FALSE(h.LoadFromFile(Path()));
  EXPECT_EQ(h.GetCount(), 0);
  EXPECT_EQ(shown.messages.size(), 1u);
}

TEST_F(History, LoadingAppendsAndReadsEucJp) {
  const std::string sjis = "SELECT '" + S("日本語") + "'@p,s,u,pw,;UPDATE t SET a=1@p,s,u,pw,;tail";
  test::WriteFile(Path(), cText::SjisToEuc(sjis));
  cAdoSqlHistorys h(30);
  h.Add("FIRST", "p,s,u,pw,");
  ASSERT_TRUE(h.LoadFromFile(Path()));
  ASSERT_EQ(h.GetCount(), 3);
  EXPECT_EQ(h.At(1).sql, "SELECT '" + S("日本語") + "'");
  EXPECT_EQ(h.At(1).no, 1);
  EXPECT_EQ(h.At(2).sql, "UPDATE t SET a=1");
  EXPECT_EQ(h.At(2).descriptor, (Descriptor{"p", "s", "u", "pw", ""}));
  EXPECT_EQ(h.GetCurrentSql(), "UPDATE t SET a=1");
}

TEST_F(History, AtSignsInStatementsSurviveTheFile) {
  cAdoSqlHistorys h(30);
  h.Add("SELECT @@VERSION, @x", "SQLOLEDB,srv@db,sa,,");
  h.Add("SELECT a@", "p,s,u,pw,");
  ASSERT_TRUE(h.SaveToFile(Path()));
  cAdoSqlHistorys loaded(30);
  ASSERT_TRUE(loaded.LoadFromFile(Path()));
  ASSERT_EQ(loaded.GetCount(), 2);
  EXPECT_EQ(loaded.At(0).sql, "SELECT @@VERSION, @x");
  EXPECT_EQ(loaded.At(0).descriptor.dataSource, "srv@db");
  EXPECT_EQ(loaded.At(1).sql, "SELECT a@");
}

TEST_F(History, PiecesWithoutASeparatorArePassedOver) {
  // A descriptor holding ";" (the Outlook provider) cuts its record early;
  // the pieces it leaves do not stop the rest from loading.
  test::WriteFile(Path(),
                  "SELECT 1@Microsoft.Jet.OLEDB.4.0;Exchange 4.0;TABLETYPE=0,x,,,;SELECT 2@p,s,u,pw,;");
  cAdoSqlHistorys h(30);
  ASSERT_TRUE(h.LoadFromFile(Path()));
  ASSERT_EQ(h.GetCount(), 2);
  EXPECT_EQ(h.At(0).sql, "SELECT 1");
  EXPECT_EQ(h.At(0).descriptor.provider, "Microsoft.Jet.OLEDB.4.0");
  EXPECT_EQ(h.At(1).sql, "SELECT 2");
}

TEST_F(History, WriteFailureIsReported) {
  cAdoSqlHistorys h(30);
  h.Add("SELECT 1", "p,s,u,pw,");
  test::FailWrites fail;
  EXPECT_FALSE(h.SaveToFile(Path()));
  EXPECT_EQ(shown.messages.size(), 1u);
}

TEST_F(History, LoadingIsLinear) {
  // 200,000 records load in one pass; a quadratic cut would take minutes.
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "SELECT " + std::to_string(i) + "@p,s,u,pw,;";
  test::WriteFile(Path(), text);
  cAdoSqlHistorys h(30);
  ASSERT_TRUE(h.LoadFromFile(Path()));
  EXPECT_EQ(h.GetCount(), 200000);
  EXPECT_EQ(h.At(199999).sql, "SELECT 199999");
}

}  // namespace
