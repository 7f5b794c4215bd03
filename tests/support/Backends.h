#pragma once
// The databases the data tests run on. SQLite always; PostgreSQL, MariaDB
// and the ODBC data source when the test script has started the servers
// (scripts/db-servers.sh exports their ports and ODBCINI).
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace tolvane::test {

struct Backend {
  std::string name;        // for test names
  std::string descriptor;  // empty when not available
  std::string skipReason;
  std::string emojiText;   // an SQL expression giving 'x' U+1F600 'y'
  std::string realType;    // a column type for floating point numbers
};

// SQLite gets a fresh database file in `dir`.
std::vector<Backend> AllBackends(const std::string& dir);

// A descriptor whose password is wrong, for the backend (empty for SQLite).
std::string WrongPassword(const Backend& b);

// A table name unique to this process, so that parallel tests do not meet.
std::string UniqueTable(const std::string& stem);

}  // namespace tolvane::test
