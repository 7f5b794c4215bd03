// Masking with masks taken from the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sqltext/cText.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  size_t halfLen = data[0] % 3, fullLen = data[1] % 4;
  size = size - 2;
  data += 2;
  if (size < halfLen + fullLen) return 0;
  std::string half(reinterpret_cast<const char*>(data), halfLen);
  std::string full(reinterpret_cast<const char*>(data + halfLen), fullLen);
  std::string text(reinterpret_cast<const char*>(data + halfLen + fullLen),
                   size - halfLen - fullLen);
  cText t(text);
  t.SetHalfMask(half);
  t.SetFullMask(full);
  std::string masked = t.Mask();
  if (masked.size() > text.size() + 1) std::abort();
  return 0;
}
