#include "data/cAdoSessions.h"
#include "settings/Fbrenmoini.h"
#include "support/TestSupport.h"

using namespace tolvane;
using test::S;

namespace {

class Sessions : public test::HomeTest {
 protected:
  std::string Db(const std::string& name) const {
    return "{SQLite3 ODBC Driver}," + home.File(name) + ",,,";
  }
  static std::vector<int> Numbers(const cAdoSessions& s) {
    std::vector<int> out;
    for (const auto& x : s.GetList()) out.push_back(x->GetNo());
    return out;
  }
};

TEST_F(Sessions, AddMakesTheNewSessionActive) {
  cAdoSessions s;
  EXPECT_EQ(s.GetActiveNo(), -1);
  EXPECT_EQ(s.GetFirstNo(), -1);
  EXPECT_EQ(s.GetLastNo(), -1);
  s.Add(1, "a", Db("a.db"));
  EXPECT_EQ(s.GetActiveNo(), 1);
  s.Add(2, "b", Db("b.db"));
  EXPECT_EQ(s.GetActiveNo(), 2);
  EXPECT_EQ(s.GetFirstNo(), 1);
  EXPECT_EQ(s.GetLastNo(), 2);
  EXPECT_EQ(s.Find(2)->GetName(), "b");
  EXPECT_EQ(s.Find(3), nullptr);
}

TEST_F(Sessions, RemoveSettlesTheActiveSession) {
  struct {
    const char* name;
    int active;
    int removed;
    int expectedActive;
  } cases[] = {
      {"active_first", 1, 1, 2},
      {"active_further_down", 3, 3, 1},
      {"other_than_active", 2, 3, 2},
      {"unknown_number", 2, 9, 2},
  };
  for (const auto& c : cases) {
    cAdoSessions s;
    s.Add(1, "a", Db("a.db"));
    s.Add(2, "b", Db("b.db"));
    s.Add(3, "c", Db("c.db"));
    s.SetActive(c.active);
    s.Remove(c.removed);
    EXPECT_EQ(s.GetActiveNo(), c.expectedActive) << c.name;
  }
}

TEST_F(Sessions, RemovingTheOnlySessionLeavesNoneActive) {
  cAdoSessions s;
  s.Add(1, "a", Db("a.db"));
  ASSERT_TRUE(s.ConnectActive());
  s.Remove(1);
  EXPECT_EQ(s.GetActive(), nullptr);
  EXPECT_EQ(s.GetActiveNo(), -1);
  EXPECT_EQ(s.GetLastSql(), "");
  EXPECT_EQ(s.GetElapsed(), 0.0);
  RecordSet set;
  int rows = 5;
  EXPECT_FALSE(s.OpenQuery("SELECT 1", set));
  EXPECT_FALSE(s.ExecuteCommand("DELETE FROM x", rows));
  EXPECT_EQ(rows, 5);
  EXPECT_FALSE(s.ConnectActive());
  EXPECT_FALSE(s.IsActiveConnected());
  EXPECT_TRUE(shown.messages.empty());
}

TEST_F(Sessions, SetActiveWithAnUnknownNumberLeavesNoneActive) {
  cAdoSessions s;
  s.Add(1, "a", Db("a.db"));
  s.SetActive(7);
  EXPECT_EQ(s.GetActive(), nullptr);
  EXPECT_FALSE(s.Connect(7));
  EXPECT_FALSE(s.Disconnect(7));
  EXPECT_FALSE(s.IsConnected(7));
}

TEST_F(Sessions, ReplaceKeepsThePlaceAndMakesItActive) {
  cAdoSessions s;
  s.Add(1, "a", Db("a.db"));
  s.Add(2, "b", Db("b.db"));
  ASSERT_TRUE(s.Connect(1));
  s.Replace(1, "a2", Db("a2.db"));
  EXPECT_EQ(Numbers(s), (std::vector<int>{1, 2}));
  EXPECT_EQ(s.GetActiveNo(), 1);
  EXPECT_EQ(s.GetActive()->GetName(), "a2");
  EXPECT_FALSE(s.IsConnected(1)) << "the replacement starts closed";
  s.Replace(5, "x", Db("x.db"));
  EXPECT_EQ(s.GetCount(), 2);
}

TEST_F(Sessions, ClearClosesEveryConnection) {
  cAdoSessions s;
  for (int i = 1; i <= 3; ++i) {
    s.Add(i, "s", Db("c" + std::to_string(i) + ".db"));
    ASSERT_TRUE(s.Connect(i));
  }
  cAdoSession* first = s.Find(1);
  ASSERT_TRUE(first->IsConnected());
  s.Clear();
  EXPECT_EQ(s.GetCount(), 0);
  EXPECT_EQ(s.GetActive(), nullptr);
}

TEST_F(Sessions, RestoreReconnectsMarkedSessionsAndActivatesTheLastThatDid) {
  test::WriteFile(IniPath(),
                  "[Connect]\r\n"
                  "1=one,1;" + Db("one.db") + "\r\n"
                  "2=two,0;" + Db("two.db") + "\r\n"
                  "3=three,1;{SQLite3 ODBC Driver}," + home.path() + "/missing/dir.db,,,\r\n"
                  "4=four,0;" + Db("four.db") + "\r\n");
  cBrenmoSessions s;
  EXPECT_EQ(Numbers(s), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_TRUE(s.IsConnected(1));
  EXPECT_FALSE(s.IsConnected(3)) << "a failed reconnect stays listed, closed";
  EXPECT_EQ(shown.messages.size(), 1u);
  EXPECT_EQ(s.GetActiveNo(), 1);
}

TEST_F(Sessions, RestoreWithoutReconnectsActivatesTheLastEntry) {
  test::WriteFile(IniPath(), "[Connect]\r\n1=one,0;" + Db("one.db") + "\r\n2=two,0;" + Db("two.db") + "\r\n");
  cBrenmoSessions s;
  EXPECT_EQ(s.GetActiveNo(), 2);
  EXPECT_FALSE(s.IsConnected(2));
}

TEST_F(Sessions, EntriesThatAreNotNumbersAreSkipped) {
  test::WriteFile(IniPath(),
                  "[Connect]\r\n"
                  "x=bad key,0;" + Db("a.db") + "\r\n"
                  "2=name,with comma,0;" + Db("b.db") + "\r\n"
                  "3=no flag;" + Db("c.db") + "\r\n"
                  "4=good,0;" + Db("d.db") + "\r\n");
  cBrenmoSessions s;
  EXPECT_EQ(Numbers(s), (std::vector<int>{4}));
}

TEST_F(Sessions, EmptySectionRestoresNothing) {
  cBrenmoSessions s;
  EXPECT_EQ(s.GetCount(), 0);
  EXPECT_EQ(s.GetActive(), nullptr);
}

TEST_F(Sessions, SaveRenumbersAndMarksConnectedSessionsByAutoConnect) {
  for (bool autoConnect : {true, false}) {
    SetAutoConnect(autoConnect);
    {
      cBrenmoSessions s;
      s.Clear();
      s.Add(1, "a", Db("a.db"));
      s.Add(3, "c", Db("c.db"));
      s.Add(4, "d", Db("d.db"));
      ASSERT_TRUE(s.Connect(4));
    }
    std::vector<std::string> keys;
    ReadIniSection("Connect", keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(ReadConnect("2"), "c,0;" + Db("c.db"));
    EXPECT_EQ(ReadConnect("3"), std::string("d,") + (autoConnect ? "1" : "0") + ";" + Db("d.db"));
    cBrenmoSessions again;
    EXPECT_EQ(again.IsConnected(3), autoConnect);
    again.Clear();
  }
}

TEST_F(Sessions, SaveDoesNothingWhenTheSectionCannotBeErased) {
  const std::string original = "[Connect]\r\n1=keep,0;" + Db("k.db") + "\r\n[Other]\r\nx=1\r\n";
  test::WriteFile(IniPath(), original);
  cBrenmoSessions s;
  s.KeepSavedOnDestroy();
  s.Add(2, "new", Db("n.db"));
  ASSERT_TRUE(s.Connect(2));
  {
    test::FailWrites fail;
    s.Save(true);
  }
  EXPECT_EQ(test::ReadFile(IniPath()), original);
  EXPECT_TRUE(s.IsConnected(2)) << "nothing was saved, so nothing was closed";
}

TEST_F(Sessions, DisplayTexts) {
  cBrenmoSessions s;
  s.Add(1, "Sales", "SQLOLEDB,srv@sales,sa,pw,");
  s.Add(2, S("開発"), Db("dev.db"));
  ASSERT_TRUE(s.Connect(2));
  std::vector<std::string> items{"kept"};
  s.ListSessions(items);
  EXPECT_EQ(items, (std::vector<std::string>{"kept", "1:Sales", "2:" + S("開発")}));
  EXPECT_EQ(s.GetListText(), "1\t\tSales\tsrv@sales\tSQLServer\tsa\tpw\r\n2\t" + S("接続中") + "\t" +
                                 S("開発") + "\t" + home.File("dev.db") +
                                 "\tSQLite(SQLite3 ODBC Driver)\t\t\r\n");
  SessionFields f = s.GetSessionFields("1");
  EXPECT_EQ(f.name, "Sales");
  EXPECT_EQ(f.typeName, "SQLServer");
  EXPECT_EQ(f.dataSource, "srv@sales");
  EXPECT_EQ(f.userId, "sa");
  EXPECT_EQ(f.password, "pw");
  SessionFields none = s.GetSessionFields("01");
  EXPECT_EQ(none.name, "");
  s.Clear();
  EXPECT_EQ(s.GetListText(), "");
}

TEST(ParseDecimal, Strict) {
  int v = 0;
  EXPECT_TRUE(ParseDecimal("12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(ParseDecimal("-3", v));
  EXPECT_EQ(v, -3);
  for (const char* bad : {"", "-", "1a", " 1", "0x10", "99999999999"}) EXPECT_FALSE(ParseDecimal(bad, v)) << bad;
}

}  // namespace
