#pragma once
// The SQL formatter: puts line breaks after and around the words listed in
// section SQL of the settings file (After, Both) and after every comma,
// indenting what follows with a tab, then takes breaks and tabs back out of
// string literals.
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class cSQLStr {
 public:
  // Formats with the word lists read from the settings file now.
  explicit cSQLStr(std::string sql);
  // Formats with the given word lists (as they stand in the settings file).
  cSQLStr(std::string sql, const std::string& after, const std::string& both);

  const std::string& GetResult() const { return Result; }

  // The comma-separated words of `text`, untrimmed; an empty text gives one
  // empty word.
  static void SplitWords(std::string_view text, std::vector<std::string>& list);

  // Takes CR LF and TAB out of every literal between a pair of apostrophes.
  // An unpaired apostrophe leaves the whole text unchanged.
  static std::string FixLiterals(std::string_view text);

 private:
  void Format(const std::string& after, const std::string& both);

  std::string Source;
  std::string Result;
};

// Replaces every occurrence of `pattern`, left to right and case-sensitive,
// never starting a match on the second byte of a double-byte CP932
// character; the search goes on after each replaced occurrence, so inserted
// text is never searched again. An empty pattern matches nothing.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);

}  // namespace tolvane
