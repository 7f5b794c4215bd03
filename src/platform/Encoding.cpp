#include "platform/Encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>
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

// CP932 form of every BMP code point: 0 when there is none, a value below
// 0x100 for a single byte, otherwise lead byte * 256 + trail byte. Built once
// from the system converter, so both paths agree.
const std::vector<uint16_t>& Cp932Table() {
  static const std::vector<uint16_t> table = [] {
    std::vector<uint16_t> t(0x10000, 0);
    for (uint32_t cp = 0; cp < 0x80; ++cp) t[cp] = static_cast<uint16_t>(cp);
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return t;
    for (uint32_t cp = 0x80; cp < 0x10000; ++cp) {
      if (cp >= 0xD800 && cp <= 0xDFFF) continue;
      char in[3], out[4];
      size_t inLen;
      if (cp < 0x800) {
        in[0] = static_cast<char>(0xC0 | (cp >> 6));
        in[1] = static_cast<char>(0x80 | (cp & 0x3F));
        inLen = 2;
      } else {
        in[0] = static_cast<char>(0xE0 | (cp >> 12));
        in[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        in[2] = static_cast<char>(0x80 | (cp & 0x3F));
        inLen = 3;
      }
      char* src = in;
      char* dst = out;
      size_t srcLeft = inLen, dstLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) continue;
      size_t n = sizeof out - dstLeft;
      if (n == 1) t[cp] = static_cast<unsigned char>(out[0]);
      else if (n == 2)
        t[cp] = static_cast<uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                      static_cast<unsigned char>(out[1]));
    }
    iconv_close(cd);
    return t;
  }();
  return table;
}

}  // namespace

size_t Utf8ToCp932Into(std::string_view utf8, char* out) {
  const auto& table = Cp932Table();
  const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const size_t n = utf8.size();
  char* o = out;
  size_t i = 0;
  while (i < n) {
    // Copy ASCII eight bytes at a time while it lasts.
    while (i + 8 <= n) {
      uint64_t w;
      std::memcpy(&w, p + i, 8);
      if (w & 0x8080808080808080ull) break;
      std::memcpy(o, p + i, 8);
      o += 8;
      i += 8;
    }
    if (i >= n) break;
    unsigned char b = p[i];
    if (b < 0x80) {
      *o++ = static_cast<char>(b);
      ++i;
      continue;
    }
    size_t len = Utf8CharLen(p + i, n - i);
    uint32_t cp = 0xFFFFFFFF;
    if (len == 2) {
      cp = (b & 0x1Fu) << 6 | (p[i + 1] & 0x3Fu);
    } else if (len == 3) {
      cp = (b & 0x0Fu) << 12 | (p[i + 1] & 0x3Fu) << 6 | (p[i + 2] & 0x3Fu);
      if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFFFFFF;
    }
    uint16_t v = cp < 0x10000 ? table[cp] : 0;
    if (v == 0) {
      *o++ = '?';
    } else if (v < 0x100) {
      *o++ = static_cast<char>(v);
    } else {
      *o++ = static_cast<char>(v >> 8);
      *o++ = static_cast<char>(v & 0xFF);
    }
    i += len;
  }
  return static_cast<size_t>(o - out);
}

void AppendUtf8AsCp932(std::string_view utf8, std::string& out) {
  const size_t base = out.size();
  out.resize(base + utf8.size());
  out.resize(base + Utf8ToCp932Into(utf8, out.data() + base));
}

std::string Utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  AppendUtf8AsCp932(utf8, out);
  return out;
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
