#include "sqltext/cSQLStr.h"

#include <cstring>

#include "settings/Fbrenmoini.h"
#include "sqltext/cSQL.h"

namespace tolvane {
namespace {

const std::string kCrLf = "\r\n";
const std::string kBreakTab = "\r\n\t";

// Lead bytes of CP932 double-byte characters.
inline bool IsMbcsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Removes every occurrence of `what` (one or two bytes) from s.
std::string RemoveAll(std::string_view s, std::string_view what) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    size_t j = s.find(what, i);
    if (j == std::string_view::npos) j = s.size();
    out.append(s.data() + i, j - i);
    i = j == s.size() ? j : j + what.size();
  }
  return out;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
  if (pattern.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  const size_t n = text.size(), m = pattern.size();
  const char first = pattern[0];
  size_t i = 0;
  while (i < n) {
    // Skip quickly over single-byte runs that cannot start a match.
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (text[i] == first && n - i >= m && std::memcmp(text.data() + i, pattern.data(), m) == 0) {
      out.append(replacement);
      i += m;
    } else if (IsMbcsLead(b) && i + 1 < n) {
      out.append(text.data() + i, 2);
      i += 2;
    } else {
      out.push_back(text[i]);
      i += 1;
    }
  }
  return out;
}

void cSQLStr::SplitWords(std::string_view text, std::vector<std::string>& list) {
  list.clear();
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string_view::npos; start = comma + 1)
    list.emplace_back(text.substr(start, comma - start));
  list.emplace_back(text.substr(start));
}

std::string cSQLStr::FixLiterals(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (;;) {
    size_t open = text.find('\'', pos);
    if (open == std::string_view::npos) break;
    size_t close = text.find('\'', open + 1);
    if (close == std::string_view::npos) return std::string(text);
    out.append(text.data() + pos, open + 1 - pos);
    std::string literal = RemoveAll(text.substr(open + 1, close - open), kCrLf);
    out += RemoveAll(literal, "\t");
    pos = close + 1;
  }
  out.append(text.data() + pos, text.size() - pos);
  return out;
}

cSQLStr::cSQLStr(std::string sql) : Source(std::move(sql)) {
  Format(ReadIniString("SQL", "After"), ReadIniString("SQL", "Both"));
}

cSQLStr::cSQLStr(std::string sql, const std::string& after, const std::string& both)
    : Source(std::move(sql)) {
  Format(after, both);
}

void cSQLStr::Format(const std::string& after, const std::string& both) {
  std::string r = Source;
  std::vector<std::string> words;
  SplitWords(after, words);
  words.emplace_back(",");
  for (const auto& w : words) {
    r = ReplaceAll(r, w + kBreakTab, w);
    r = ReplaceAll(r, w, w + kBreakTab);
  }
  SplitWords(both, words);
  for (const auto& w : words) {
    r = ReplaceAll(kCrLf + r, kCrLf + w + kBreakTab, w);
    r = ReplaceAll(r, w, kCrLf + w + kBreakTab);
  }
  Result = Trim(FixLiterals(r));
}

}  // namespace tolvane
