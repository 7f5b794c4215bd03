#include "support/Backends.h"

#include <unistd.h>

#include <cstdlib>

namespace tolvane::test {

namespace {
std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}
}  // namespace

std::vector<Backend> AllBackends(const std::string& dir) {
  std::vector<Backend> out;
  out.push_back({"SQLite", "{SQLite3 ODBC Driver}," + dir + "/test.db,,,", "", "'x' || char(128512) || 'y'", "REAL"});
  const std::string pg = Env("TOLVANE_TEST_PG_PORT");
  const std::string maria = Env("TOLVANE_TEST_MARIA_PORT");
  const char* noServers = "no test server: run the tests through scripts/test.sh";
  out.push_back({"PostgreSQL",
                 pg.empty() ? "" : "PostgreSQL OLE DB Provider,127.0.0.1:" + pg +
                                       "@tolvane_test,tolvane,tolvane-pw,",
                 noServers, "'x' || chr(128512) || 'y'", "DOUBLE PRECISION"});
  out.push_back({"MariaDB",
                 maria.empty() ? "" : "{MySQL ODBC 5.1 Driver},127.0.0.1:" + maria +
                                          "@tolvane_test,tolvane,tolvane-pw,",
                 noServers, "CONCAT('x', CHAR(128512 USING utf32), 'y')", "DOUBLE"});
  out.push_back({"OdbcDsn",
                 pg.empty() || Env("ODBCINI").empty() ? "" : "MSDASQL,tolvane_pg,tolvane,tolvane-pw,",
                 noServers, "'x' || chr(128512) || 'y'", "DOUBLE PRECISION"});
  return out;
}

std::string WrongPassword(const Backend& b) {
  std::string d = b.descriptor;
  size_t at = d.find("tolvane-pw");
  if (at == std::string::npos) return "";
  return d.replace(at, 10, "wrong-pw");
}

std::string UniqueTable(const std::string& stem) {
  return stem + "_" + std::to_string(::getpid());
}

}  // namespace tolvane::test
