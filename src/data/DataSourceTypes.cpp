#include "data/DataSourceTypes.h"

#include "sqltext/cSQL.h"

namespace tolvane {

std::string Descriptor::Join() const {
  return provider + "," + dataSource + "," + userId + "," + password + "," + extendedProperties;
}

const std::vector<DataSourceType>& DataSourceTypes() {
  static const std::vector<DataSourceType> rows = {
      {"Access97", "10", "Microsoft.Jet.OLEDB.3.51", "", "mdb;mde",
       "MicroSoft Access (*.mdb,*.mde)|*.MDB;*.MDE|", true},
      {"Access2000", "11", "Microsoft.Jet.OLEDB.4.0", "", "mdb;mde",
       "MicroSoft Access (*.mdb,*.mde)|*.MDB;*.MDE|", true},
      {"Access2007", "12", "Microsoft.ACE.OLEDB.12.0", "", "accdb",
       "MicroSoft Access (*.accdb)|*.ACCDB|", true},
      {"Excel97", "20", "Microsoft.Jet.OLEDB.4.0", "Excel 97", "xls",
       "MicroSoft Excel (*.xls)|*.XLS|", true},
      {"Excel2000", "21", "Microsoft.Jet.OLEDB.4.0", "Excel 8.0", "xls",
       "MicroSoft Excel (*.xls)|*.XLS|", true},
      {"Excel2007", "22", "Microsoft.ACE.OLEDB.12.0", "Excel 12.0", "xlsx",
       "MicroSoft Excel (*.xlsx)|*.XLSX|", true},
      {"Text(Csv)", "30", "Microsoft.Jet.OLEDB.4.0", "Text", "txt;csv",
       "Text Files (*.txt,*.csv)|*.TXT;*.CSV|", true},
      {"Html", "31", "Microsoft.Jet.OLEDB.4.0", "HTML Import", "html",
       "HTML Files (*.html)|*.HTML|", true},
      {"Oracle(Microsoft Provider)", "40", "MSDAORA", "", "", "", false},
      {"Oracle(Oracle Provider)", "41", "OraOLEDB.Oracle", "", "", "", false},
      {"SQLServer", "50", "SQLOLEDB", "", "", "", false},
      {"PostgreSQL(PgOleDB)", "70", "PostgreSQL OLE DB Provider", "", "", "", false},
      {"MySQL(MyODBC5.1)", "80", "{MySQL ODBC 5.1 Driver}", "", "", "", false},
      {"SQLite(SQLite3 ODBC Driver)", "100", "{SQLite3 ODBC Driver}", "", "", "", true},
      {"Outlook", "90", "Microsoft.Jet.OLEDB.4.0;Exchange 4.0;TABLETYPE=0", "", "", "", true},
      {"ODBC", "60", "MSDASQL", "", "", "", false},
  };
  return rows;
}

namespace {

const DataSourceType* RowOf(const std::string& provider, const std::string& ext) {
  const auto& rows = DataSourceTypes();
  // Providers that serve several rows are told apart by the extended
  // properties; every other provider has one row whatever they hold.
  if (provider == "Microsoft.Jet.OLEDB.4.0" || provider == "Microsoft.ACE.OLEDB.12.0") {
    for (const auto& r : rows)
      if (provider == r.provider && ext == r.extendedProperties) return &r;
    return nullptr;
  }
  for (const auto& r : rows)
    if (provider == r.provider) return &r;
  return nullptr;
}

const DataSourceType* RowNamed(const std::string& name) {
  for (const auto& r : DataSourceTypes())
    if (name == r.name) return &r;
  return nullptr;
}

std::string Part(const char* key, const std::string& value) { return key + ("=" + value) + ";"; }

}  // namespace

std::string TypeCodeOf(const std::string& provider, const std::string& ext) {
  const auto* r = RowOf(provider, ext);
  return r ? r->code : "";
}

std::string TypeNameOf(const std::string& provider, const std::string& ext) {
  const auto* r = RowOf(provider, ext);
  return r ? r->name : "";
}

std::string ProviderOf(const std::string& typeName) {
  const auto* r = RowNamed(typeName);
  return r ? r->provider : "";
}

std::string ExtendedPropertiesOf(const std::string& typeName) {
  const auto* r = RowNamed(typeName);
  return r ? r->extendedProperties : "";
}

std::string DefaultExtOf(const std::string& typeName) {
  const auto* r = RowNamed(typeName);
  return r ? r->defaultExt : "";
}

std::string FilterOf(const std::string& typeName) {
  const auto* r = RowNamed(typeName);
  return std::string(r ? r->filter : "") + "All Files (*.*)|*.*";
}

Descriptor ParseDescriptor(const std::string& text) {
  std::string fields[5];
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) {
      fields[i] = start <= text.size() ? text.substr(start) : "";
      start = text.size() + 1;
      continue;
    }
    fields[i] = text.substr(start, comma - start);
    start = comma + 1;
  }
  if (start <= text.size()) fields[4] = text.substr(start);
  if (Trim(fields[4]).empty()) fields[4].clear();
  return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

bool SplitServerSource(const std::string& dataSource, std::string& left, std::string& right) {
  size_t at = dataSource.find('@');
  if (at == std::string::npos) at = dataSource.find('.');
  if (at == std::string::npos) return false;
  left = dataSource.substr(0, at);
  right = dataSource.substr(at + 1);
  return true;
}

std::string BuildConnectionString(const std::string& code, const Descriptor& d,
                                  const std::string& exeDir) {
  const bool driver = code == "80" || code == "100";
  const std::string provider = Part(driver ? "Driver" : "Provider", d.provider);
  const std::string user = Part("User ID", d.userId);
  const std::string password = Part("Password", d.password);

  if (code == "60") return provider + Part("DSN", d.dataSource) + user + password;

  if (code == "50" || code == "70" || code == "80") {
    std::string left, right;
    if (!SplitServerSource(d.dataSource, left, right))
      return provider + Part("Data Source", d.dataSource) + user + password;
    std::string source, database;
    if (code == "70") {
      source = Part("Data Source", left);
      database = Part("Location", right);
    } else {
      source = Part("Server", left);
      database = Part("DataBase", right);
    }
    return provider + source + database + user + password;
  }

  std::string source;
  if (code == "90") source = Part("MAPILEVEL", d.dataSource) + Part("Database", exeDir);
  else if (code == "100") source = Part("DataBase", d.dataSource);
  else source = Part("Data Source", d.dataSource);

  if (Trim(d.extendedProperties).empty()) {
    if (code == "90") return provider + source;
    return provider + source + user + password;
  }
  return provider + source + Part("Extended Properties", d.extendedProperties) + user + password;
}

}  // namespace tolvane
