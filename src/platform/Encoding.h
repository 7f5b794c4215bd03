#pragma once
// Conversions between the core's byte strings (CP932, "Shift-JIS") and the
// Unicode forms used at the edges: Qt, the ODBC drivers, terminals and file
// system paths. The core itself never converts; only the boundaries do.
#include <string>
#include <string_view>

namespace tolvane {

// UTF-8 to CP932. A character CP932 cannot hold becomes '?'; the rest of the
// text survives. Invalid UTF-8 bytes become '?' as well.
std::string Utf8ToCp932(std::string_view utf8);

// Appends the CP932 form of a UTF-8 text to `out`, as Utf8ToCp932 does, by
// table lookup: the fast path for values coming back from a database.
void AppendUtf8AsCp932(std::string_view utf8, std::string& out);
// The same into `out`, which has room for utf8.size() bytes (CP932 is never
// longer than the UTF-8 it comes from); returns the bytes written.
size_t Utf8ToCp932Into(std::string_view utf8, char* out);

// CP932 to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view sjis);

// Reports whether every character of a UTF-8 text has a CP932 form; when not,
// *bad receives the first character that has none (as UTF-8).
bool Utf8FitsCp932(std::string_view utf8, std::string* bad = nullptr);

// Shorthand for the system's own fixed texts, written in UTF-8 in the source
// and used in CP932 at run time.
inline std::string J(std::string_view utf8) { return Utf8ToCp932(utf8); }

}  // namespace tolvane
