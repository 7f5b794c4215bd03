#include "data/OdbcConnectionString.h"

#include <cstdlib>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "settings/Fbrenmoini.h"
#include "sqltext/cSQL.h"

namespace tolvane {
namespace {

struct DriverDefault {
  const char* key;
  const char* name;
};

constexpr DriverDefault kDefaults[] = {
    {"SQLite", "SQLite3"},         {"PostgreSQL", "PostgreSQL Unicode"},
    {"MySQL", "MariaDB Unicode"},  {"SQLServer", "FreeTDS"},
    {"Access", "MDBTools"},        {"Oracle", "Oracle"},
};

std::string Attr(const char* key, const std::string& value) {
  return std::string(key) + "=" + OdbcValue(value) + ";";
}

// "host:port" gives both; a bare host leaves the port to the driver's
// default unless one is given.
void HostPort(const std::string& text, std::string& host, std::string& port,
              const char* defaultPort) {
  size_t colon = text.rfind(':');
  if (colon != std::string::npos && text.find(']') == std::string::npos && colon + 1 < text.size()) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
  } else {
    host = text;
    port = defaultPort;
  }
}

std::string Credentials(const Descriptor& d) {
  return Attr("UID", d.userId) + Attr("PWD", d.password);
}

}  // namespace

std::string OdbcValue(const std::string& value) {
  if (value.find_first_of(";{}=") == std::string::npos && Trim(value) == value) return value;
  std::string out = "{";
  for (char c : value) {
    out += c;
    if (c == '}') out += '}';
  }
  return out + "}";
}

std::string OdbcDriverName(const std::string& key) {
  std::string env = "TOLVANE_ODBC_DRIVER_";
  for (char c : key) env += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  if (const char* v = std::getenv(env.c_str()); v && *v) return Utf8ToCp932(v);
  std::string configured = ReadIniString("Drivers", key);
  if (!configured.empty()) return configured;
  for (const auto& d : kDefaults)
    if (key == d.key) return d.name;
  return key;
}

std::string OdbcConnectionStringFor(const std::string& code, const std::string& typeName,
                                    const Descriptor& d, const std::string& exeDir) {
  (void)exeDir;
  auto driver = [](const char* key) { return "DRIVER={" + OdbcDriverName(key) + "};"; };
  if (code == "100") return driver("SQLite") + Attr("Database", d.dataSource);

  if (code == "70" || code == "80" || code == "50") {
    std::string server = d.dataSource, database, host, port;
    std::string left, right;
    if (SplitServerSource(d.dataSource, left, right)) {
      server = left;
      database = right;
    }
    const char* key = code == "70" ? "PostgreSQL" : code == "80" ? "MySQL" : "SQLServer";
    HostPort(server, host, port, code == "50" ? "1433" : "");
    std::string s = driver(key) + Attr("Server", host);
    if (!port.empty()) s += Attr("Port", port);
    if (!database.empty()) s += Attr("Database", database);
    s += Credentials(d);
    if (code == "80") s += "CharSet=utf8mb4;";
    if (code == "50") s += "ClientCharset=UTF-8;";
    return s;
  }

  if (code == "60") return Attr("DSN", d.dataSource) + Credentials(d);

  if (code == "10" || code == "11" || code == "12") return driver("Access") + Attr("DBQ", d.dataSource);

  if (code == "40" || code == "41") return driver("Oracle") + Attr("DBQ", d.dataSource) + Credentials(d);

  if (code.empty()) {
    // A provider outside the table is taken as the name of an ODBC driver.
    std::string provider = d.provider;
    if (provider.size() >= 2 && provider.front() == '{' && provider.back() == '}')
      provider = provider.substr(1, provider.size() - 2);
    std::string s = "DRIVER={" + provider + "};" + Attr("Data Source", d.dataSource) + Credentials(d);
    if (!Trim(d.extendedProperties).empty()) {
      s += d.extendedProperties;
      if (s.back() != ';') s += ';';
    }
    return s;
  }

  throw EError(J("データソースの種類「") + typeName +
               J("」への接続には、この環境ではまだ対応していません。"));
}

}  // namespace tolvane
