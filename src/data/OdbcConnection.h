#pragma once
// One database connection over the ODBC driver manager. Statements and
// values cross the boundary as UTF-8 through the narrow API (the form that
// round-trips Japanese text and characters outside the BMP on the SQLite,
// PostgreSQL and MariaDB drivers); inside they are CP932. Every failure is
// raised as EError carrying the driver manager's and the driver's text.
#include <string>

#include "data/RecordSet.h"

namespace tolvane {

class OdbcConnection {
 public:
  OdbcConnection() = default;
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  bool Connected() const { return dbc_ != nullptr; }

  // Opens with an ODBC connection string (CP932). No prompt is shown.
  void Open(const std::string& odbcConnectionString);
  void Close();

  // Runs a statement that returns no rows; rowsAffected receives the
  // driver's count (-1 when it reports none). A statement that matches no
  // row is a success with 0 rows.
  void Execute(const std::string& sql, long long& rowsAffected);

  // Runs a query and fetches its whole result into `set`.
  void OpenQuery(const std::string& sql, RecordSet& set);

  // The name of the database the connection is in (for catalog calls), or
  // empty.
  std::string CurrentCatalog() const;

  void* Handle() const { return dbc_; }

 private:
  void Fetch(const std::string& sql, RecordSet& set);

  void* dbc_ = nullptr;  // SQLHDBC
};

// The diagnostic records of a handle, joined by line feeds, in CP932.
std::string OdbcDiagnostics(short handleType, void* handle);

}  // namespace tolvane
