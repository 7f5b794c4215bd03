#pragma once
// Turns a connection descriptor into the connection string that the ODBC
// driver on this platform needs. The stored and shown form stays the one of
// BuildConnectionString; this is only what goes to the driver manager.
//
// Driver names differ between distributions: each can be overridden in
// section "Drivers" of tolvane.ini (keys SQLite, PostgreSQL, MySQL,
// SQLServer, Access, Oracle) or by the environment variable
// TOLVANE_ODBC_DRIVER_<KEY in upper case>, which wins.
#include <string>

#include "data/DataSourceTypes.h"

namespace tolvane {

// The driver name configured for a key, or its default.
std::string OdbcDriverName(const std::string& key);

// Throws EError for a type this platform cannot reach yet.
std::string OdbcConnectionStringFor(const std::string& typeCode, const std::string& typeName,
                                    const Descriptor& d, const std::string& exeDir);

// A value as an ODBC attribute value: in braces when it holds characters
// that would end or confuse the attribute.
std::string OdbcValue(const std::string& value);

}  // namespace tolvane
