#pragma once
// Comment removal, statement splitting and classification of SQL text.
// All of it works on CP932 byte strings: the markers searched for ("/*",
// "*/", "--", LF, ";") never occur as the second byte of a double-byte
// character, so a plain byte scan is exact.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exceptions.h"

namespace tolvane {

// Removes every leading and trailing byte of value 0 to 32.
std::string Trim(std::string_view s);

class cSQL {
 public:
  cSQL() = default;
  explicit cSQL(std::string sql) : sql_(std::move(sql)) {}

  void SetSql(std::string sql) { sql_ = std::move(sql); }

  // The stored text without comments, trimmed.
  std::string GetSql(const ProgressFn& progress = {}) const;

  // Block comments first, then line comments.
  static std::string DeleteComments(std::string_view text, const ProgressFn& progress = {});

  // Removes "/* ... */" comments. The closing "*/" is searched from the
  // opening "/*" itself, so "/*/" is a whole comment. If any comment is left
  // open, the text comes back exactly as given, nothing removed.
  static std::string DeleteBlockComments(std::string_view text, const ProgressFn& progress = {});

  // Removes "--" comments together with the line feed that ends them. A "--"
  // with no line feed after it leaves the text exactly as given.
  static std::string DeleteLineComments(std::string_view text, const ProgressFn& progress = {});

 private:
  std::string sql_;
};

// Cuts a cleaned text at every ";": one trimmed statement per semicolon,
// possibly empty; text after the last semicolon is dropped. A text without
// any semicolon is one statement.
std::vector<std::string> SplitStatements(std::string_view cleaned);

// True when the first six bytes, upper-cased, read "SELECT".
bool IsQuery(std::string_view statement);

// The editor's text as execution takes it: every line followed by CR LF.
// Lines end at CR LF, LF or a lone CR; a final line break adds no empty line.
std::string EditorLinesText(std::string_view text);

}  // namespace tolvane
