#include "data/DataSourceTypes.h"
#include "data/OdbcConnectionString.h"
#include "support/TestSupport.h"

using namespace tolvane;

namespace {

struct ConnCase {
  const char* name;
  std::string descriptor;
  std::string code;
  std::string connectionString;
};
void PrintTo(const ConnCase& c, std::ostream* os) { *os << c.name; }

class ConnectionStrings : public ::testing::TestWithParam<ConnCase> {};

TEST_P(ConnectionStrings, Build) {
  const auto& c = GetParam();
  Descriptor d = ParseDescriptor(c.descriptor);
  EXPECT_EQ(TypeCodeOf(d.provider, d.extendedProperties), c.code);
  EXPECT_EQ(BuildConnectionString(c.code, d, "C:\\Tools"), c.connectionString);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionStrings,
    ::testing::Values(
        ConnCase{"sqlserver_at", "SQLOLEDB,srv@sales,sa,,", "50",
                 "Provider=SQLOLEDB;Server=srv;DataBase=sales;User ID=sa;Password=;"},
        ConnCase{"sqlserver_dot", "SQLOLEDB,10.0.0.5,sa,,", "50",
                 "Provider=SQLOLEDB;Server=10;DataBase=0.0.5;User ID=sa;Password=;"},
        ConnCase{"sqlserver_plain", "SQLOLEDB,srv,sa,,", "50",
                 "Provider=SQLOLEDB;Data Source=srv;User ID=sa;Password=;"},
        ConnCase{"sqlserver_empty_right", "SQLOLEDB,srv@,sa,pw,", "50",
                 "Provider=SQLOLEDB;Server=srv;DataBase=;User ID=sa;Password=pw;"},
        ConnCase{"mysql", "{MySQL ODBC 5.1 Driver},host@db,u,p,", "80",
                 "Driver={MySQL ODBC 5.1 Driver};Server=host;DataBase=db;User ID=u;Password=p;"},
        ConnCase{"postgres", "PostgreSQL OLE DB Provider,host@db@x,u,p,", "70",
                 "Provider=PostgreSQL OLE DB Provider;Data Source=host;Location=db@x;User ID=u;"
                 "Password=p;"},
        ConnCase{"odbc", "MSDASQL,mydsn,u,p,", "60", "Provider=MSDASQL;DSN=mydsn;User ID=u;Password=p;"},
        ConnCase{"excel2000", "Microsoft.Jet.OLEDB.4.0,C:\\a.xls,,,Excel 8.0", "21",
                 "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\a.xls;Extended Properties=Excel "
                 "8.0;User ID=;Password=;"},
        ConnCase{"outlook", "Microsoft.Jet.OLEDB.4.0;Exchange 4.0;TABLETYPE=0,Personal Folders|,u,p,",
                 "90",
                 "Provider=Microsoft.Jet.OLEDB.4.0;Exchange 4.0;TABLETYPE=0;MAPILEVEL=Personal "
                 "Folders|;Database=C:\\Tools;"},
        ConnCase{"sqlite", "{SQLite3 ODBC Driver},/data/a.db,,,", "100",
                 "Driver={SQLite3 ODBC Driver};DataBase=/data/a.db;User ID=;Password=;"},
        ConnCase{"access97", "Microsoft.Jet.OLEDB.3.51,a.mdb,Admin,,whatever", "10",
                 "Provider=Microsoft.Jet.OLEDB.3.51;Data Source=a.mdb;Extended "
                 "Properties=whatever;User ID=Admin;Password=;"},
        ConnCase{"outside_table", "MyProvider,src,u,p,Mode=Read", "",
                 "Provider=MyProvider;Data Source=src;Extended Properties=Mode=Read;User ID=u;"
                 "Password=p;"},
        ConnCase{"ace_with_excel8_matches_nothing", "Microsoft.ACE.OLEDB.12.0,a,,,Excel 8.0", "",
                 "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=a;Extended Properties=Excel 8.0;"
                 "User ID=;Password=;"},
        ConnCase{"blank_extended_is_empty", "Microsoft.Jet.OLEDB.4.0,a.mdb,,,   ", "11",
                 "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.mdb;User ID=;Password=;"},
        ConnCase{"leading_blank_keeps_blank", "Microsoft.Jet.OLEDB.4.0,a.xls,,, Excel 97", "",
                 "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.xls;Extended Properties= Excel "
                 "97;User ID=;Password=;"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataSourceTypes, EveryRowRoundTripsThroughItsName) {
  ASSERT_EQ(DataSourceTypes().size(), 16u);
  for (const auto& row : DataSourceTypes()) {
    std::string provider = ProviderOf(row.name), ext = ExtendedPropertiesOf(row.name);
    EXPECT_EQ(TypeNameOf(provider, ext), row.name);
    EXPECT_EQ(TypeCodeOf(provider, ext), row.code);
  }
  EXPECT_EQ(DataSourceTypes()[0].name, std::string("Access97"));
  EXPECT_EQ(ProviderOf("Nothing"), "");
  EXPECT_EQ(TypeNameOf("Microsoft.Jet.OLEDB.3.51", "Excel 97"), "Access97");
}

TEST(DataSourceTypes, FileChoice) {
  struct {
    const char* name;
    const char* ext;
    const char* filter;
  } cases[] = {
      {"Access97", "mdb;mde", "MicroSoft Access (*.mdb,*.mde)|*.MDB;*.MDE|All Files (*.*)|*.*"},
      {"Access2007", "accdb", "MicroSoft Access (*.accdb)|*.ACCDB|All Files (*.*)|*.*"},
      {"Excel2007", "xlsx", "MicroSoft Excel (*.xlsx)|*.XLSX|All Files (*.*)|*.*"},
      {"Text(Csv)", "txt;csv", "Text Files (*.txt,*.csv)|*.TXT;*.CSV|All Files (*.*)|*.*"},
      {"Html", "html", "HTML Files (*.html)|*.HTML|All Files (*.*)|*.*"},
      {"SQLite(SQLite3 ODBC Driver)", "", "All Files (*.*)|*.*"},
      {"Unknown", "", "All Files (*.*)|*.*"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultExtOf(c.name), c.ext) << c.name;
    EXPECT_EQ(FilterOf(c.name), c.filter) << c.name;
  }
}

TEST(DataSourceTypes, ParseDescriptorCutsAtTheFirstFourCommas) {
  Descriptor d = ParseDescriptor("p,s,u,pw,a,b");
  EXPECT_EQ(d, (Descriptor{"p", "s", "u", "pw", "a,b"}));
  EXPECT_EQ(d.Join(), "p,s,u,pw,a,b");
  EXPECT_EQ(ParseDescriptor(" p , s ,u,pw,"), (Descriptor{" p ", " s ", "u", "pw", ""}));
  EXPECT_EQ(ParseDescriptor("p,s"), (Descriptor{"p", "s", "", "", ""}));
  EXPECT_EQ(ParseDescriptor(""), (Descriptor{}));
}

class DriverStrings : public test::HomeTest {};

TEST_F(DriverStrings, TranslatesForTheDriversOfThisPlatform) {
  struct {
    const char* descriptor;
    const char* odbc;
  } cases[] = {
      {"{SQLite3 ODBC Driver},/d/a.db,,,", "DRIVER={SQLite3};Database=/d/a.db;"},
      {"PostgreSQL OLE DB Provider,db.example:5433@sales,u,p;w,",
       "DRIVER={PostgreSQL Unicode};Server=db.example;Port=5433;Database=sales;UID=u;PWD={p;w};"},
      {"PostgreSQL OLE DB Provider,pghost,u,p,", "DRIVER={PostgreSQL Unicode};Server=pghost;UID=u;PWD=p;"},
      {"PostgreSQL OLE DB Provider,localhost:5433@sales,u,p,",
       "DRIVER={PostgreSQL Unicode};Server=localhost;Port=5433;Database=sales;UID=u;PWD=p;"},
      {"{MySQL ODBC 5.1 Driver},host@db,u,p,",
       "DRIVER={MariaDB Unicode};Server=host;Database=db;UID=u;PWD=p;CharSet=utf8mb4;"},
      {"SQLOLEDB,srv@sales,sa,,",
       "DRIVER={FreeTDS};Server=srv;Port=1433;Database=sales;UID=sa;PWD=;ClientCharset=UTF-8;"},
      {"MSDASQL,mydsn,u,p,", "DSN=mydsn;UID=u;PWD=p;"},
      {"Microsoft.Jet.OLEDB.3.51,/d/nwind.mdb,,,", "DRIVER={MDBTools};DBQ=/d/nwind.mdb;"},
      {"OraOLEDB.Oracle,orcl,scott,tiger,", "DRIVER={Oracle};DBQ=orcl;UID=scott;PWD=tiger;"},
      {"{My Driver},src,u,p,Port=1", "DRIVER={My Driver};Data Source=src;UID=u;PWD=p;Port=1;"},
  };
  for (const auto& c : cases) {
    Descriptor d = ParseDescriptor(c.descriptor);
    std::string code = TypeCodeOf(d.provider, d.extendedProperties);
    EXPECT_EQ(OdbcConnectionStringFor(code, TypeNameOf(d.provider, d.extendedProperties), d, "/x"),
              c.odbc)
        << c.descriptor;
  }
}

TEST_F(DriverStrings, DriverNamesCanBeOverridden) {
  test::WriteFile(IniPath(), "[Drivers]\nSQLite=SQLite3 (local)\nMySQL=MySQL ODBC 8.0 Unicode Driver\n");
  EXPECT_EQ(OdbcDriverName("SQLite"), "SQLite3 (local)");
  EXPECT_EQ(OdbcDriverName("MySQL"), "MySQL ODBC 8.0 Unicode Driver");
  EXPECT_EQ(OdbcDriverName("PostgreSQL"), "PostgreSQL Unicode");
  ::setenv("TOLVANE_ODBC_DRIVER_SQLITE", "FromEnv", 1);
  EXPECT_EQ(OdbcDriverName("SQLite"), "FromEnv");
  ::unsetenv("TOLVANE_ODBC_DRIVER_SQLITE");
  Descriptor d = ParseDescriptor("{SQLite3 ODBC Driver},a.db,,,");
  EXPECT_EQ(OdbcConnectionStringFor("100", "", d, ""), "DRIVER={SQLite3 (local)};Database=a.db;");
}

TEST_F(DriverStrings, FileSourcesNotReachedYetNameTheirType) {
  for (const char* descriptor : {"Microsoft.Jet.OLEDB.4.0,a.xls,,,Excel 8.0",
                                 "Microsoft.Jet.OLEDB.4.0,a.csv,,,Text",
                                 "Microsoft.Jet.OLEDB.4.0,a.html,,,HTML Import",
                                 "Microsoft.Jet.OLEDB.4.0;Exchange 4.0;TABLETYPE=0,x,,,"}) {
    Descriptor d = ParseDescriptor(descriptor);
    std::string name = TypeNameOf(d.provider, d.extendedProperties);
    try {
      OdbcConnectionStringFor(TypeCodeOf(d.provider, d.extendedProperties), name, d, "");
      ADD_FAILURE() << descriptor;
    } catch (const EError& e) {
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
  }
}

TEST(OdbcValue, BracesOnlyWhenNeeded) {
  EXPECT_EQ(OdbcValue("plain"), "plain");
  EXPECT_EQ(OdbcValue("a;b"), "{a;b}");
  EXPECT_EQ(OdbcValue("a}b"), "{a}}b}");
  EXPECT_EQ(OdbcValue(" pad"), "{ pad}");
  EXPECT_EQ(OdbcValue(""), "");
}

}  // namespace
