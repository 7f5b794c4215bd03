#include "sqltext/cSQL.h"

#include <algorithm>
#include <cstring>

namespace tolvane {
namespace {

constexpr size_t kProgressInterval = 64 * 1024;

inline bool IsBlank(unsigned char c) { return c <= 32; }

// Removes comments opened by the two bytes open0 open1 and closed by the
// bytes of `close`, in one pass.
//
// Removing a comment can join the byte before it with the byte after it into
// a new opening marker (‹a/ /*x*/* b */› becomes ‹a/* b */›), so the scan
// looks for an opening across what has already been written: `out` never
// holds an opening marker, and a new one can only end at the next input byte.
// That keeps the result identical to searching the whole text again after
// every removal, at linear cost.
std::string DeleteComments(std::string_view text, char open0, char open1, std::string_view close,
                           const ProgressFn& progress) {
  std::string out;
  out.reserve(text.size());
  const char* p = text.data();
  const size_t n = text.size();
  size_t i = 0;
  size_t nextTick = kProgressInterval;
  while (i < n) {
    if (progress && i >= nextTick) {
      progress();
      nextTick = i + kProgressInterval;
    }
    // Copy up to the next byte that could complete an opening marker, one
    // progress interval at most.
    const size_t limit = std::min(n, i + kProgressInterval);
    const void* hit = std::memchr(p + i, open1, limit - i);
    size_t j = hit ? static_cast<size_t>(static_cast<const char*>(hit) - p) : limit;
    if (!hit) {
      out.append(p + i, j - i);
      i = j;
      continue;
    }
    out.append(p + i, j - i);
    i = j;
    if (i >= n) break;
    if (out.empty() || out.back() != open0) {
      out.push_back(p[i]);
      ++i;
      continue;
    }
    // An opening marker ends at p[i]; its first byte is the last one written.
    out.pop_back();
    // The closing marker is searched from the opening marker on; the
    // opening's first byte can never begin it, so searching from its second
    // byte is the same.
    std::string_view rest(p + i, n - i);
    size_t c = rest.find(close);
    if (c == std::string_view::npos) return std::string(text);
    i += c + close.size();
  }
  return out;
}

}  // namespace

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
  return std::string(s.substr(b, e - b));
}

std::string cSQL::GetSql(const ProgressFn& progress) const {
  return Trim(DeleteComments(sql_, progress));
}

std::string cSQL::DeleteComments(std::string_view text, const ProgressFn& progress) {
  return DeleteLineComments(DeleteBlockComments(text, progress), progress);
}

std::string cSQL::DeleteBlockComments(std::string_view text, const ProgressFn& progress) {
  return tolvane::DeleteComments(text, '/', '*', "*/", progress);
}

std::string cSQL::DeleteLineComments(std::string_view text, const ProgressFn& progress) {
  return tolvane::DeleteComments(text, '-', '-', "\n", progress);
}

std::vector<std::string> SplitStatements(std::string_view cleaned) {
  std::vector<std::string> list;
  size_t start = 0;
  size_t semi = cleaned.find(';');
  if (semi == std::string_view::npos) {
    list.push_back(Trim(cleaned));
    return list;
  }
  while (semi != std::string_view::npos) {
    list.push_back(Trim(cleaned.substr(start, semi - start)));
    start = semi + 1;
    semi = cleaned.find(';', start);
  }
  return list;
}

bool IsQuery(std::string_view statement) {
  static constexpr char kSelect[] = "SELECT";
  if (statement.size() < 6) return false;
  for (size_t i = 0; i < 6; ++i) {
    char c = statement[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != kSelect[i]) return false;
  }
  return true;
}

std::string EditorLinesText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16 + 2);
  size_t i = 0;
  const size_t n = text.size();
  while (i < n) {
    size_t j = text.find_first_of("\r\n", i);
    if (j == std::string_view::npos) j = n;
    out.append(text.data() + i, j - i);
    out.append("\r\n");
    if (j < n && text[j] == '\r' && j + 1 < n && text[j + 1] == '\n') j += 2;
    else if (j < n) j += 1;
    i = j;
  }
  return out;
}

}  // namespace tolvane
