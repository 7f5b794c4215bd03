// Code guessing and both conversions: no crash, output within the bounds the
// buffers are sized for, and EUC-JP made from Shift-JIS converts back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sqltext/cText.h"

using namespace tolvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  int code = cText::DetectCharCode(text);
  if (code != 1 && code != 2) std::abort();
  std::string euc = cText::SjisToEuc(text);
  std::string sjis = cText::EucToSjis(text);
  if (euc.size() > text.size() * 2 + 1 || sjis.size() > text.size() + 1) std::abort();
  if (euc.find('\0') != std::string::npos || sjis.find('\0') != std::string::npos) std::abort();
  // Valid Shift-JIS pairs of JIS X 0208 and half-width katakana survive a
  // round trip.
  std::string clean;
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (b >= 0x20 && b < 0x7F) {
      clean += text[i];
    } else if (cText::IsHalfKana(b) && b != 0xA0) {
      clean += text[i];
    } else if (i + 1 < text.size() && b >= 0x81 && b <= 0x9F &&
               cText::IsSjisTrail(static_cast<unsigned char>(text[i + 1]))) {
      clean += text.substr(i, 2);
      ++i;
    }
  }
  if (cText::EucToSjis(cText::SjisToEuc(clean)) != clean) std::abort();
  cText buffer(text);
  (void)buffer.GetSjisText();
  return 0;
}
