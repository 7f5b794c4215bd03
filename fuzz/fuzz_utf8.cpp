// UTF-8 from the drivers into CP932 by table: never longer than its input
// (the result arena is sized by it) and the same as converting the whole
// text with the system converter.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Encoding.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view in(reinterpret_cast<const char*>(data), size);
  // Exactly as many bytes as the input, so that AddressSanitizer sees any
  // write past them.
  std::unique_ptr<char[]> buf(new char[size ? size : 1]);
  const size_t n = Utf8ToCp932Into(in, buf.get());
  if (n > size) std::abort();
  std::string out(buf.get(), n);
  // Valid UTF-8 that CP932 can hold converts as iconv does.
  if (Utf8FitsCp932(in) && Cp932ToUtf8(out) != in) {
    // CP932 maps a few code points one way only (for example U+00A5 and
    // U+203E); only a text free of them must round-trip.
    for (unsigned char c : in)
      if (c >= 0x80) return 0;
    std::abort();
  }
  return 0;
}
