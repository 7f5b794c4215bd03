// The INI reader and writer on arbitrary file contents: reading never fails,
// and a value written is read back while the other sections stay readable.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/IniFile.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = [] {
    char dir[] = "/tmp/tolvane-fuzz-ini-XXXXXX";
    if (!mkdtemp(dir)) std::abort();
    return std::string(dir) + "/tolvane.ini";
  }();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  IniFile ini(path);
  auto keys = ini.Keys("Connect");
  for (const auto& k : keys) (void)ini.Read("Connect", k);
  auto before = ini.Read("Result", "MaxRow");
  ini.Write("Connect", "9", "name,1;a,b,c,d,");
  if (ini.Read("Connect", "9").value_or("") != "name,1;a,b,c,d,") std::abort();
  if (ini.Read("Result", "MaxRow") != before) std::abort();
  ini.DeleteKey("Connect", "9");
  ini.EraseSection("Connect");
  if (!ini.Keys("Connect").empty()) std::abort();
  return 0;
}
