// The formatter with word lists taken from the input (three parts split at
// the first two zero bytes: After, Both, then the SQL).
#include <cstdint>
#include <string>

#include "sqltext/cSQLStr.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  std::string in(reinterpret_cast<const char*>(data), size);
  size_t a = in.find('\0');
  if (a == std::string::npos) return 0;
  size_t b = in.find('\0', a + 1);
  if (b == std::string::npos) return 0;
  std::string after = in.substr(0, a), both = in.substr(a + 1, b - a - 1), sql = in.substr(b + 1);
  if (after.size() > 64 || both.size() > 64) return 0;
  cSQLStr f(sql, after, both);
  (void)f.GetResult();
  (void)cSQLStr::FixLiterals(sql);
  return 0;
}
