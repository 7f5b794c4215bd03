#include "platform/Encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace tolvane {
namespace {

// One iconv conversion, resynchronising on bytes the source code cannot
// decode and on characters the target code cannot encode.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error(std::string("iconv_open failed: ") + from + " -> " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // skipLen(in, left) tells how many input bytes one undecodable or
  // unencodable character occupies; replacement is written in its place.
  template <typename SkipLen>
  std::string Run(std::string_view in, std::string_view replacement, SkipLen skipLen,
                  bool* lossless = nullptr, std::string* firstBad = nullptr) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    size_t used = 0;
    if (lossless) *lossless = true;
    while (srcLeft > 0) {
      char* dst = out.data() + used;
      size_t dstLeft = out.size() - used;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      used = static_cast<size_t>(dst - out.data());
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // EILSEQ or EINVAL: skip one character and put the replacement there.
      size_t n = skipLen(reinterpret_cast<const unsigned char*>(src), srcLeft);
      if (lossless && *lossless) {
        *lossless = false;
        if (firstBad) firstBad->assign(src, n);
      }
      src += n;
      srcLeft -= n;
      if (out.size() - used < replacement.size() + 8) out.resize(out.size() * 2 + 16);
      out.replace(used, replacement.size(), replacement);
      used += replacement.size();
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

size_t Utf8CharLen(const unsigned char* p, size_t left) {
  size_t n = 1;
  if (p[0] >= 0xF0 && p[0] <= 0xF7) n = 4;
  else if (p[0] >= 0xE0 && p[0] <= 0xEF) n = 3;
  else if (p[0] >= 0xC2 && p[0] <= 0xDF) n = 2;
  if (n > left) return 1;
  for (size_t i = 1; i < n; ++i)
    if ((p[i] & 0xC0) != 0x80) return 1;
  return n;
}

size_t Cp932CharLen(const unsigned char* p, size_t left) {
  bool lead = (p[0] >= 0x81 && p[0] <= 0x9F) || (p[0] >= 0xE0 && p[0] <= 0xFC);
  if (lead && left >= 2 && p[1] >= 0x40 && p[1] != 0x7F && p[1] <= 0xFC) return 2;
  return 1;
}


Converter& ToSjis() {
  static thread_local Converter c("CP932", "UTF-8");
  return c;
}
Converter& ToUtf8() {
  static thread_local Converter c("UTF-8", "CP932");
  return c;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
  return ToSjis().Run(utf8, "?", Utf8CharLen);
}

std::string Cp932ToUtf8(std::string_view sjis) {
  return ToUtf8().Run(sjis, "\xEF\xBF\xBD", Cp932CharLen);
}

bool Utf8FitsCp932(std::string_view utf8, std::string* bad) {
  bool lossless = true;
  ToSjis().Run(utf8, "?", Utf8CharLen, &lossless, bad);
  return lossless;
}

}  // namespace tolvane
