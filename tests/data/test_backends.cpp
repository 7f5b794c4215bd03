// The same behaviour on every database: SQLite always, PostgreSQL, MariaDB
// and an ODBC data source when the test script has started the servers.
#include "app/SqlRunner.h"
#include "data/cAdoSessions.h"
#include "history/cAdoSqlHistorys.h"
#include "settings/Fbrenmoini.h"
#include "support/Backends.h"

using namespace tolvane;
using test::S;

namespace {

class OnBackend : public test::HomeTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    backend = test::AllBackends(home.path())[static_cast<size_t>(GetParam())];
    if (backend.descriptor.empty()) GTEST_SKIP() << backend.name << ": " << backend.skipReason;
    table = test::UniqueTable("tv_" + backend.name);
  }
  void TearDown() override {
    if (backend.descriptor.empty()) return;
    cAdo ado(backend.descriptor);
    if (ado.Connect()) {
      int rows = 0;
      test::RecordingDisplay quiet;
      ado.ExecuteCommand("DROP TABLE " + table, rows);
    }
  }

  // Runs a command that must succeed.
  void Exec(cAdo& ado, const std::string& sql) {
    int rows = 0;
    ASSERT_TRUE(ado.ExecuteCommand(sql, rows)) << sql << ": " << Messages();
  }
  void MakeTable(cAdo& ado) {
    Exec(ado, "CREATE TABLE " + table + " (id INTEGER, name VARCHAR(4000), v " + backend.realType + ")");
    Exec(ado, "INSERT INTO " + table + " VALUES (1, '" + S("山田 太郎") + "', 1.5)");
    Exec(ado, "INSERT INTO " + table + " VALUES (2, NULL, NULL)");
    Exec(ado, "INSERT INTO " + table + " VALUES (3, " + backend.emojiText + ", 2.5)");
  }
  std::string Messages() const {
    std::string all;
    for (const auto& m : shown.messages) all += Cp932ToUtf8(m) + "\n";
    return all;
  }

  test::Backend backend;
  std::string table;
};

TEST_P(OnBackend, QueriesReturnJapaneseTextNullsAndUnmappableCharacters) {
  cAdo ado(backend.descriptor);
  ASSERT_TRUE(ado.Connect()) << Messages();
  MakeTable(ado);
  RecordSet set;
  ASSERT_TRUE(ado.OpenQuery("SELECT id, name AS " + S("名前") + ", v FROM " + table + " ORDER BY id", set))
      << Messages();
  ASSERT_EQ(set.FieldCount(), 3);
  EXPECT_EQ(set.FieldName(0), "id");
  EXPECT_EQ(set.FieldName(1), S("名前"));
  ASSERT_EQ(set.RecordCount(), 3);
  EXPECT_EQ(set.Value(0, 1), S("山田 太郎"));
  EXPECT_EQ(set.Value(0, 2).substr(0, 3), "1.5");
  EXPECT_TRUE(set.IsNull(1, 1));
  EXPECT_TRUE(set.IsNull(1, 2));
  EXPECT_FALSE(set.IsNull(1, 0));
  EXPECT_EQ(set.Value(2, 1), "x?y") << "a character CP932 lacks becomes ? and the rest survives";
  // The cursor form reads the same.
  set.First();
  int seen = 0;
  for (; !set.Eof(); set.Next()) ++seen;
  EXPECT_EQ(seen, 3);
  EXPECT_TRUE(shown.messages.empty()) << Messages();
}

TEST_P(OnBackend, LongValuesComeBackWhole) {
  cAdo ado(backend.descriptor);
  ASSERT_TRUE(ado.Connect()) << Messages();
  MakeTable(ado);
  std::string longText;
  for (int i = 0; i < 500; ++i) longText += S("日本語") + std::to_string(i % 10);
  ASSERT_GT(Cp932ToUtf8(longText).size(), 4000u);
  Exec(ado, "UPDATE " + table + " SET name = '" + longText + "' WHERE id = 2");
  RecordSet set;
  ASSERT_TRUE(ado.OpenQuery("SELECT name FROM " + table + " WHERE id = 2", set)) << Messages();
  ASSERT_EQ(set.RecordCount(), 1);
  EXPECT_EQ(set.Value(0, 0), longText);
}

TEST_P(OnBackend, CommandsReportRowsAffectedIncludingZero) {
  cAdo ado(backend.descriptor);
  ASSERT_TRUE(ado.Connect()) << Messages();
  MakeTable(ado);
  struct {
    std::string sql;
    int rows;
  } cases[] = {
      {"UPDATE " + table + " SET v = 0 WHERE id <= 2", 2},
      {"UPDATE " + table + " SET v = 0 WHERE id = 99", 0},
      {"DELETE FROM " + table + " WHERE 1 = 0", 0},
      {"DELETE FROM " + table + " WHERE id = 3", 1},
  };
  for (const auto& c : cases) {
    int rows = -7;
    ASSERT_TRUE(ado.ExecuteCommand(c.sql, rows)) << Messages();
    EXPECT_EQ(rows, c.rows) << c.sql;
    EXPECT_EQ(ado.GetLastSql(), c.sql);
    EXPECT_GT(ado.GetElapsed(), 0.0);
  }
}

TEST_P(OnBackend, AFailingStatementIsReportedOnceAndTheNextOneRuns) {
  cAdoSessions sessions;
  sessions.Add(1, "db", backend.descriptor);
  ASSERT_TRUE(sessions.ConnectActive()) << Messages();
  cAdo setup(backend.descriptor);
  ASSERT_TRUE(setup.Connect());
  MakeTable(setup);
  cAdoSqlHistorys history(30);
  test::RecordingHost host;
  SqlRunner runner(sessions, history, host);
  auto summary = runner.Run("SELECT id FROM " + table + " WHERE id = 1;\r\nSELECT nosuchcolumn FROM " +
                            table + ";\r\nUPDATE " + table + " SET v = 1 WHERE id = 1;");
  EXPECT_EQ(summary.statements, 3);
  EXPECT_EQ(summary.failed, 1);
  ASSERT_EQ(shown.messages.size(), 1u);
  EXPECT_FALSE(shown.messages[0].empty());
  ASSERT_EQ(host.entries.size(), 2u);
  EXPECT_EQ(test::EntryHead(host.entries[0]), "SELECT id FROM " + table + " WHERE id = 1\n1" + S("件処理しました。"));
  EXPECT_EQ(test::EntryHead(host.entries[1]), "UPDATE " + table + " SET v = 1 WHERE id = 1\n1" + S("件処理しました。"));
  ASSERT_EQ(host.results.size(), 1u);
  EXPECT_EQ(history.GetCount(), 2);
  EXPECT_EQ(history.At(1).descriptor, ParseDescriptor(backend.descriptor));
  // A failed query leaves its statement as the last one and no elapsed time.
  EXPECT_EQ(sessions.GetLastSql(), "UPDATE " + table + " SET v = 1 WHERE id = 1");
  RecordSet set;
  EXPECT_FALSE(sessions.OpenQuery("SELECT nosuchcolumn FROM " + table, set));
  EXPECT_EQ(sessions.GetLastSql(), "SELECT nosuchcolumn FROM " + table);
  EXPECT_EQ(sessions.GetElapsed(), 0.0);
  EXPECT_FALSE(set.Active());
}

TEST_P(OnBackend, ConnectFailureIsReportedOnceWithTheDriversText) {
  std::vector<std::string> bad;
  if (backend.name == "SQLite") {
    bad.push_back("{SQLite3 ODBC Driver}," + home.path() + "/no/such/dir/x.db,,,");
  } else {
    bad.push_back(test::WrongPassword(backend));
    std::string d = backend.descriptor;
    if (backend.name != "OdbcDsn") {
      size_t colon = d.find("127.0.0.1:") + 10;
      d.replace(colon, d.find('@', colon) - colon, "1");  // nothing listens on port 1
      bad.push_back(d);
    }
  }
  for (const auto& descriptor : bad) {
    shown.messages.clear();
    cAdo ado(descriptor);
    EXPECT_FALSE(ado.Connect()) << descriptor;
    EXPECT_FALSE(ado.IsConnected());
    ASSERT_EQ(shown.messages.size(), 1u) << descriptor;
    EXPECT_NE(shown.messages[0].find("SQLSTATE"), std::string::npos) << Messages();
  }
}

TEST_P(OnBackend, ConnectAndDisconnectAreIdempotent) {
  cAdo ado(backend.descriptor);
  EXPECT_TRUE(ado.Disconnect());
  ASSERT_TRUE(ado.Connect()) << Messages();
  EXPECT_TRUE(ado.Connect());
  EXPECT_TRUE(ado.IsConnected());
  EXPECT_TRUE(ado.Disconnect());
  EXPECT_FALSE(ado.IsConnected());
  EXPECT_TRUE(ado.Disconnect());
  EXPECT_TRUE(shown.messages.empty());
  EXPECT_EQ(ado.GetDescriptor(), backend.descriptor);
}

TEST_P(OnBackend, SavedSessionsAndHistoryRoundTrip) {
  {
    cBrenmoSessions sessions;
    ASSERT_EQ(sessions.GetCount(), 0);
    sessions.Add(1, "first", backend.descriptor);
    sessions.Add(2, S("二番目"), backend.descriptor);
    ASSERT_TRUE(sessions.Connect(2)) << Messages();
    sessions.SetActive(1);
    // destruction saves: the connected second session is marked.
  }
  EXPECT_EQ(ReadConnect("1"), "first,0;" + backend.descriptor);
  EXPECT_EQ(ReadConnect("2"), S("二番目") + ",1;" + backend.descriptor);
  {
    cBrenmoSessions restored;
    ASSERT_EQ(restored.GetCount(), 2);
    EXPECT_FALSE(restored.IsConnected(1));
    EXPECT_TRUE(restored.IsConnected(2));
    EXPECT_EQ(restored.GetActiveNo(), 2);
    cAdoSqlHistorys history(30);
    test::RecordingHost host;
    SqlRunner runner(restored, history, host);
    runner.Run("SELECT 1 AS one");
    ASSERT_EQ(host.results.size(), 1u) << Messages();
    ASSERT_TRUE(history.SaveToFile(HistoryFileName()));
  }
  cAdoSqlHistorys loaded(30);
  ASSERT_TRUE(loaded.LoadFromFile(HistoryFileName()));
  ASSERT_EQ(loaded.GetCount(), 1);
  EXPECT_EQ(loaded.At(0).sql, "SELECT 1 AS one");
  EXPECT_EQ(loaded.At(0).descriptor.Join(), backend.descriptor);
}

INSTANTIATE_TEST_SUITE_P(Databases, OnBackend, ::testing::Range(0, 4),
                         [](const auto& info) {
                           return test::AllBackends("/")[static_cast<size_t>(info.param)].name;
                         });

// Access through MDBTools, read-only, when the sample database is at hand.
TEST(Access, QueriesAnAccess97File) {
  const char* mdb = std::getenv("TOLVANE_TEST_MDB");
  if (!mdb || !*mdb) GTEST_SKIP() << "TOLVANE_TEST_MDB is not set (no Access 97 sample file)";
  test::RecordingDisplay shown;
  cAdo ado(std::string("Microsoft.Jet.OLEDB.3.51,") + mdb + ",,,");
  EXPECT_EQ(ado.GetTypeName(), "Access97");
  ASSERT_TRUE(ado.Connect()) << (shown.messages.empty() ? "" : shown.messages[0]);
  RecordSet set;
  ASSERT_TRUE(ado.OpenQuery("SELECT * FROM Shippers", set))
      << (shown.messages.empty() ? "" : shown.messages[0]);
  EXPECT_GE(set.FieldCount(), 2);
  EXPECT_GE(set.RecordCount(), 3);
}

}  // namespace
