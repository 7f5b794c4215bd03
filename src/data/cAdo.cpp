#include "data/cAdo.h"

#include <chrono>

#include "data/OdbcConnectionString.h"
#include "platform/Exceptions.h"
#include "settings/Fpath.h"

namespace tolvane {

cAdo::cAdo(const std::string& descriptor) : fields_(ParseDescriptor(descriptor)) {
  typeCode_ = TypeCodeOf(fields_.provider, fields_.extendedProperties);
  typeName_ = TypeNameOf(fields_.provider, fields_.extendedProperties);
}

cAdo::~cAdo() { Disconnect(); }

bool cAdo::Connect() {
  if (connection_.Connected()) return true;
  try {
    const std::string exeDir = GetExeDir();
    connectionString_ = BuildConnectionString(typeCode_, fields_, exeDir);
    connection_.Open(OdbcConnectionStringFor(typeCode_, typeName_, fields_, exeDir));
    return true;
  } catch (const std::exception& e) {
    ShowException(e.what());
    return false;
  }
}

bool cAdo::Disconnect() {
  if (!connection_.Connected()) return true;
  try {
    connection_.Close();
    return true;
  } catch (const std::exception& e) {
    ShowException(e.what());
    return false;
  }
}

template <typename Run>
bool cAdo::Timed(const std::string& sql, Run run) {
  // Last statement and elapsed time are set before anything can fail.
  lastSql_ = sql;
  elapsed_ = 0;
  try {
    auto t0 = std::chrono::steady_clock::now();
    run();
    auto t1 = std::chrono::steady_clock::now();
    elapsed_ = std::chrono::duration<double>(t1 - t0).count();
    return true;
  } catch (const std::exception& e) {
    ShowException(e.what());
    return false;
  }
}

bool cAdo::OpenQuery(const std::string& sql, RecordSet& dataSet) {
  return Timed(sql, [&] { connection_.OpenQuery(sql, dataSet); });
}

bool cAdo::ExecuteCommand(const std::string& sql, int& rowsAffected) {
  long long rows = 0;
  if (!Timed(sql, [&] { connection_.Execute(sql, rows); })) return false;
  rowsAffected = static_cast<int>(rows);
  return true;
}

}  // namespace tolvane
