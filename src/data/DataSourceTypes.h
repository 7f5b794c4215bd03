#pragma once
// The sixteen data source types, the text form of a connection descriptor
// and the connection string a descriptor yields.
#include <string>
#include <vector>

namespace tolvane {

// The five texts that define a connection.
struct Descriptor {
  std::string provider;
  std::string dataSource;
  std::string userId;
  std::string password;
  std::string extendedProperties;

  // The five fields joined by single commas, untrimmed.
  std::string Join() const;
  bool operator==(const Descriptor&) const = default;
};

// One row of the type table.
struct DataSourceType {
  const char* name;
  const char* code;
  const char* provider;
  const char* extendedProperties;
  const char* defaultExt;
  const char* filter;  // the part before "All Files (*.*)|*.*"
  bool browse;         // the connection dialog's browse button is enabled
};

// The rows in the order the connection dialog lists them (row 1 first).
const std::vector<DataSourceType>& DataSourceTypes();

std::string TypeCodeOf(const std::string& provider, const std::string& extendedProperties);
std::string TypeNameOf(const std::string& provider, const std::string& extendedProperties);

std::string ProviderOf(const std::string& typeName);
std::string ExtendedPropertiesOf(const std::string& typeName);
std::string DefaultExtOf(const std::string& typeName);
// The type's filter followed by "All Files (*.*)|*.*".
std::string FilterOf(const std::string& typeName);

// Cuts the descriptor at its first four commas. Only the fifth field is
// touched: when it is blank (bytes 0 to 32 only) it becomes empty. Missing
// fields are empty.
Descriptor ParseDescriptor(const std::string& text);

// The connection string that is shown and stored, e.g.
// "Provider=SQLOLEDB;Server=srv;DataBase=sales;User ID=sa;Password=;".
std::string BuildConnectionString(const std::string& typeCode, const Descriptor& d,
                                  const std::string& exeDir);

// Splits a server data source of the SQL Server, PostgreSQL and MySQL types at
// its first "@", or else its first "."; false when it holds neither.
bool SplitServerSource(const std::string& dataSource, std::string& left, std::string& right);

}  // namespace tolvane
