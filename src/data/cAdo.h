#pragma once
// One database connection together with the descriptor it was made from:
// connect and disconnect, run a query into a caller's record set, run a
// command, remember the last statement and how long it took. Every failure
// is shown through the exception display and comes back as false.
#include <string>

#include "data/DataSourceTypes.h"
#include "data/OdbcConnection.h"
#include "data/RecordSet.h"

namespace tolvane {

class cAdo {
 public:
  explicit cAdo(const std::string& descriptor);
  virtual ~cAdo();
  cAdo(const cAdo&) = delete;
  cAdo& operator=(const cAdo&) = delete;

  bool Connect();
  bool Disconnect();
  bool IsConnected() const { return connection_.Connected(); }

  bool OpenQuery(const std::string& sql, RecordSet& dataSet);
  bool ExecuteCommand(const std::string& sql, int& rowsAffected);

  const std::string& GetLastSql() const { return lastSql_; }
  double GetElapsed() const { return elapsed_; }

  std::string GetDescriptor() const { return fields_.Join(); }
  const Descriptor& GetFields() const { return fields_; }
  const std::string& GetTypeCode() const { return typeCode_; }
  const std::string& GetTypeName() const { return typeName_; }
  const std::string& GetDataSource() const { return fields_.dataSource; }
  const std::string& GetUserId() const { return fields_.userId; }
  const std::string& GetPassword() const { return fields_.password; }
  // The connection string of the latest connect, in its shown form.
  const std::string& GetConnectionString() const { return connectionString_; }
  OdbcConnection& GetConnection() { return connection_; }

 private:
  // Runs one statement, timing only the run itself.
  template <typename Run>
  bool Timed(const std::string& sql, Run run);

  OdbcConnection connection_;
  std::string typeCode_;
  std::string typeName_;
  Descriptor fields_;
  std::string lastSql_;
  double elapsed_ = 0;
  std::string connectionString_;
};

}  // namespace tolvane
