#include "data/OdbcConnection.h"

#include <sql.h>
#include <sqlext.h>

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <memory>
#include <vector>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"

namespace tolvane {
namespace {

// The process-wide ODBC environment.
SQLHENV Environment() {
  static SQLHENV env = [] {
    // The drivers' narrow entry points take the locale's character set for
    // their texts: make sure it is UTF-8.
    const char* set = std::setlocale(LC_CTYPE, nullptr);
    if (!set || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
      if (!std::setlocale(LC_CTYPE, "C.UTF-8")) std::setlocale(LC_CTYPE, "en_US.UTF-8");
    }
    SQLHENV h = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h)))
      throw EError(J("ODBC ドライバマネージャを初期化できません。"));
    SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    return h;
  }();
  return env;
}

[[noreturn]] void Raise(SQLSMALLINT type, SQLHANDLE handle, const char* fallback) {
  std::string text = OdbcDiagnostics(type, handle);
  if (text.empty()) text = J(fallback);
  throw EError(text);
}

struct StmtDeleter {
  void operator()(void* h) const {
    if (h) SQLFreeHandle(SQL_HANDLE_STMT, h);
  }
};
using Stmt = std::unique_ptr<void, StmtDeleter>;

Stmt NewStatement(SQLHDBC dbc) {
  SQLHSTMT h = SQL_NULL_HSTMT;
  if (!dbc) throw EError(J("接続が開かれていません。"));
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &h)))
    Raise(SQL_HANDLE_DBC, dbc, "SQL 文を準備できません。");
  return Stmt(h);
}

SQLCHAR* Text(std::string& s) { return reinterpret_cast<SQLCHAR*>(s.data()); }

// Runs the statement; SQL_NO_DATA (an UPDATE or DELETE that matched no row
// on some drivers) is a success.
SQLRETURN ExecDirect(SQLHSTMT stmt, const std::string& sql) {
  std::string utf8 = Cp932ToUtf8(sql);
  SQLRETURN rc = SQLExecDirect(stmt, Text(utf8), static_cast<SQLINTEGER>(utf8.size()));
  if (rc == SQL_NO_DATA) return rc;
  if (!SQL_SUCCEEDED(rc)) Raise(SQL_HANDLE_STMT, stmt, "SQL 文を実行できません。");
  return rc;
}

// The width of the buffer bound for a column: enough for most values of its
// type; longer ones are completed with SQLGetData. Some drivers pad the
// whole buffer on every fetch, so it is kept small.
SQLLEN BufferWidth(SQLSMALLINT type, SQLULEN size) {
  switch (type) {
    case SQL_CHAR: case SQL_VARCHAR: case SQL_LONGVARCHAR:
    case SQL_WCHAR: case SQL_WVARCHAR: case SQL_WLONGVARCHAR:
    case SQL_BINARY: case SQL_VARBINARY: case SQL_LONGVARBINARY:
      if (size > 0 && size < 32) return static_cast<SQLLEN>(size * 4 + 1 < 16 ? 16 : size * 4 + 1);
      return 128;
    default:
      return 48;  // numbers, dates and times as text
  }
}

bool SupportsBoundGetData(SQLHDBC dbc) {
  SQLUINTEGER gd = 0;
  if (!SQL_SUCCEEDED(SQLGetInfo(dbc, SQL_GETDATA_EXTENSIONS, &gd, sizeof gd, nullptr)))
    return false;
  return (gd & SQL_GD_BOUND) && (gd & SQL_GD_ANY_ORDER);
}

// Reads the rest of a value longer than its first part; `value` holds the
// first part already (without its terminating zero).
void CompleteValue(SQLHSTMT h, SQLUSMALLINT c, SQLLEN ind, std::string& value) {
  for (;;) {
    size_t want = ind > 0 && ind != SQL_NO_TOTAL ? static_cast<size_t>(ind) + 1 : 64 * 1024;
    if (want < 1024) want = 1024;
    const size_t base = value.size();
    value.resize(base + want);
    SQLRETURN rc = SQLGetData(h, c, SQL_C_CHAR, value.data() + base, static_cast<SQLLEN>(want), &ind);
    if (rc == SQL_NO_DATA) {
      value.resize(base);
      return;
    }
    if (!SQL_SUCCEEDED(rc)) Raise(SQL_HANDLE_STMT, h, "値を取得できません。");
    size_t part = (ind == SQL_NO_TOTAL || ind >= static_cast<SQLLEN>(want))
                      ? want - 1
                      : static_cast<size_t>(ind);
    value.resize(base + part);
    if (rc == SQL_SUCCESS) return;
  }
}

// Reads one whole value with SQLGetData into `value`; false for NULL.
bool GetWholeValue(SQLHSTMT h, SQLUSMALLINT c, std::string& value) {
  constexpr SQLLEN kFirst = 256;
  char buf[kFirst];
  SQLLEN ind = 0;
  SQLRETURN rc = SQLGetData(h, c, SQL_C_CHAR, buf, kFirst, &ind);
  value.clear();
  if (rc == SQL_NO_DATA) return true;
  if (!SQL_SUCCEEDED(rc)) Raise(SQL_HANDLE_STMT, h, "値を取得できません。");
  if (ind == SQL_NULL_DATA) return false;
  if (rc == SQL_SUCCESS && ind >= 0 && ind < kFirst) {
    value.assign(buf, static_cast<size_t>(ind));
    return true;
  }
  value.assign(buf, static_cast<size_t>(kFirst - 1));
  CompleteValue(h, c, ind, value);
  return true;
}

// Columns bound to one row of buffers: one driver call per row. A value
// that does not fit its buffer is read again whole with SQLGetData.
void FetchBound(SQLHSTMT h, const std::vector<SQLLEN>& widths, RecordSet& set) {
  const size_t cols = widths.size();
  std::vector<size_t> offsets(cols);
  size_t total = 0;
  for (size_t c = 0; c < cols; ++c) {
    offsets[c] = total;
    total += static_cast<size_t>(widths[c]);
  }
  std::vector<char> buf(total);
  std::vector<SQLLEN> ind(cols);
  for (size_t c = 0; c < cols; ++c) {
    if (!SQL_SUCCEEDED(SQLBindCol(h, static_cast<SQLUSMALLINT>(c + 1), SQL_C_CHAR,
                                  buf.data() + offsets[c], widths[c], &ind[c])))
      Raise(SQL_HANDLE_STMT, h, "結果の列を取得できません。");
  }
  std::string value;
  for (;;) {
    SQLRETURN rc = SQLFetch(h);
    if (rc == SQL_NO_DATA) break;
    if (!SQL_SUCCEEDED(rc)) Raise(SQL_HANDLE_STMT, h, "結果を取得できません。");
    for (size_t c = 0; c < cols; ++c) {
      const SQLLEN n = ind[c];
      if (n == SQL_NULL_DATA) {
        set.AppendNull(c);
      } else if (n >= 0 && n < widths[c]) {
        set.AppendUtf8Value(c, std::string_view(buf.data() + offsets[c], static_cast<size_t>(n)));
      } else if (GetWholeValue(h, static_cast<SQLUSMALLINT>(c + 1), value)) {
        set.AppendUtf8Value(c, value);
      } else {
        set.AppendNull(c);
      }
    }
    set.EndRow();
  }
  SQLFreeStmt(h, SQL_UNBIND);
}

// One SQLGetData per value, for drivers that cannot read bound columns again.
void FetchUnbound(SQLHSTMT h, RecordSet& set) {
  SQLSMALLINT cols = static_cast<SQLSMALLINT>(set.FieldCount());
  std::string value;
  for (;;) {
    SQLRETURN rc = SQLFetch(h);
    if (rc == SQL_NO_DATA) break;
    if (!SQL_SUCCEEDED(rc)) Raise(SQL_HANDLE_STMT, h, "結果を取得できません。");
    for (SQLSMALLINT c = 1; c <= cols; ++c) {
      if (GetWholeValue(h, static_cast<SQLUSMALLINT>(c), value))
        set.AppendUtf8Value(static_cast<size_t>(c - 1), value);
      else
        set.AppendNull(static_cast<size_t>(c - 1));
    }
    set.EndRow();
  }
}

}  // namespace

std::string OdbcDiagnostics(short handleType, void* handle) {
  std::string out;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLCHAR state[6] = {0};
    SQLINTEGER native = 0;
    SQLSMALLINT len = 0;
    std::vector<SQLCHAR> msg(1024);
    SQLRETURN rc = SQLGetDiagRec(handleType, handle, i, state, &native, msg.data(),
                                 static_cast<SQLSMALLINT>(msg.size()), &len);
    if (rc == SQL_SUCCESS_WITH_INFO && len >= static_cast<SQLSMALLINT>(msg.size())) {
      msg.resize(static_cast<size_t>(len) + 1);
      rc = SQLGetDiagRec(handleType, handle, i, state, &native, msg.data(),
                         static_cast<SQLSMALLINT>(msg.size()), &len);
    }
    if (!SQL_SUCCEEDED(rc)) break;
    std::string line(reinterpret_cast<char*>(msg.data()),
                     std::min<size_t>(static_cast<size_t>(len), msg.size() - 1));
    if (!out.empty()) out += '\n';
    out += Utf8ToCp932(line);
    out += " (SQLSTATE ";
    out += reinterpret_cast<char*>(state);
    out += ")";
  }
  return out;
}

OdbcConnection::~OdbcConnection() {
  try {
    Close();
  } catch (...) {
  }
}

void OdbcConnection::Open(const std::string& connectionString) {
  if (dbc_) return;
  SQLHENV env = Environment();
  SQLHDBC dbc = SQL_NULL_HDBC;
  if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc)))
    Raise(SQL_HANDLE_ENV, env, "接続を準備できません。");
  std::string utf8 = Cp932ToUtf8(connectionString);
  SQLCHAR out[2048];
  SQLSMALLINT outLen = 0;
  SQLRETURN rc = SQLDriverConnect(dbc, nullptr, Text(utf8), static_cast<SQLSMALLINT>(utf8.size()),
                                  out, sizeof out, &outLen, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    std::string text = OdbcDiagnostics(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    throw EError(text.empty() ? J("データベースに接続できません。") : text);
  }
  dbc_ = dbc;
}

void OdbcConnection::Close() {
  if (!dbc_) return;
  SQLHDBC dbc = dbc_;
  SQLRETURN rc = SQLDisconnect(dbc);
  if (!SQL_SUCCEEDED(rc)) {
    // Roll back an open transaction and try once more; the handle goes
    // either way, so the connection never stays half-closed.
    SQLEndTran(SQL_HANDLE_DBC, dbc, SQL_ROLLBACK);
    rc = SQLDisconnect(dbc);
  }
  std::string text = SQL_SUCCEEDED(rc) ? std::string() : OdbcDiagnostics(SQL_HANDLE_DBC, dbc);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc);
  dbc_ = nullptr;
  if (!SQL_SUCCEEDED(rc)) throw EError(text.empty() ? J("接続を閉じられません。") : text);
}

void OdbcConnection::Execute(const std::string& sql, long long& rowsAffected) {
  Stmt stmt = NewStatement(static_cast<SQLHDBC>(dbc_));
  SQLRETURN rc = ExecDirect(stmt.get(), sql);
  if (rc == SQL_NO_DATA) {
    rowsAffected = 0;
    return;
  }
  // A statement that the driver answers with a result set is run to its
  // end; its rows are not wanted.
  SQLSMALLINT cols = 0;
  if (SQL_SUCCEEDED(SQLNumResultCols(stmt.get(), &cols)) && cols > 0) {
    for (;;) {
      rc = SQLFetch(stmt.get());
      if (rc == SQL_NO_DATA) break;
      if (!SQL_SUCCEEDED(rc)) Raise(SQL_HANDLE_STMT, stmt.get(), "SQL 文を実行できません。");
    }
  }
  // Some drivers leave the count unwritten after SQL_SUCCESS_WITH_INFO.
  SQLLEN count = -1;
  if (!SQL_SUCCEEDED(SQLRowCount(stmt.get(), &count))) count = -1;
  rowsAffected = count;
}

void OdbcConnection::OpenQuery(const std::string& sql, RecordSet& set) {
  try {
    Fetch(sql, set);
  } catch (...) {
    set.Close();  // never leave a half-filled set behind
    throw;
  }
}

void OdbcConnection::Fetch(const std::string& sql, RecordSet& set) {
  Stmt stmt = NewStatement(static_cast<SQLHDBC>(dbc_));
  SQLHSTMT h = stmt.get();
  set.Reset({});
  SQLRETURN rc = ExecDirect(h, sql);
  SQLSMALLINT cols = 0;
  if (rc != SQL_NO_DATA && !SQL_SUCCEEDED(SQLNumResultCols(h, &cols)))
    Raise(SQL_HANDLE_STMT, h, "結果の列を取得できません。");
  std::vector<std::string> names;
  std::vector<SQLLEN> widths;
  for (SQLSMALLINT c = 1; c <= cols; ++c) {
    SQLCHAR name[512];
    SQLSMALLINT len = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    if (!SQL_SUCCEEDED(SQLDescribeCol(h, c, name, sizeof name, &len, &type, &size, &digits,
                                      &nullable)))
      Raise(SQL_HANDLE_STMT, h, "結果の列を取得できません。");
    std::string_view n(reinterpret_cast<char*>(name),
                       std::min<size_t>(static_cast<size_t>(len), sizeof name - 1));
    names.push_back(Utf8ToCp932(n));
    widths.push_back(BufferWidth(type, size));
  }
  set.Reset(std::move(names));
  if (cols > 0) {
    if (SupportsBoundGetData(static_cast<SQLHDBC>(dbc_))) FetchBound(h, widths, set);
    else FetchUnbound(h, set);
  }
  set.SetActive(true);
}

std::string OdbcConnection::CurrentCatalog() const {
  if (!dbc_) return {};
  SQLCHAR name[512];
  SQLINTEGER len = 0;
  if (!SQL_SUCCEEDED(SQLGetConnectAttr(static_cast<SQLHDBC>(dbc_), SQL_ATTR_CURRENT_CATALOG, name,
                                       sizeof name, &len)))
    return {};
  return Utf8ToCp932(std::string_view(reinterpret_cast<char*>(name),
                                      std::min<size_t>(static_cast<size_t>(len), sizeof name - 1)));
}

}  // namespace tolvane
