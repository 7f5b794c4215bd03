// Comment removal and splitting: no crash, and the linear scanner agrees with
// searching the whole text again after every cut.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sqltext/cSQL.h"

using namespace tolvane;

static std::string Reference(const std::string& t, const std::string& open,
                             const std::string& close) {
  std::string w = t;
  for (;;) {
    size_t o = w.find(open);
    if (o == std::string::npos) return w;
    size_t c = w.find(close, o);
    if (c == std::string::npos) return t;
    w = w.substr(0, o) + w.substr(c + close.size());
  }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string cleaned = cSQL(EditorLinesText(text)).GetSql();
  size_t semicolons = 0;
  for (char c : cleaned) semicolons += c == ';';
  auto list = SplitStatements(cleaned);
  if (list.size() != (semicolons ? semicolons : 1)) std::abort();
  for (const auto& st : list) (void)IsQuery(st);
  if (size <= 2048) {
    std::string block = Reference(text, "/*", "*/");
    if (cSQL::DeleteBlockComments(text) != block) std::abort();
    if (cSQL::DeleteComments(text) != Reference(block, "--", "\n")) std::abort();
  }
  return 0;
}
