#include "settings/Fbrenmoini.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "settings/Fpath.h"
#include "settings/IniFile.h"

namespace tolvane {
namespace {

constexpr size_t kMaxValue = 2047;
constexpr size_t kMaxKeyListing = 16384;

IniFile Ini() { return IniFile(GetIniFileName()); }

std::string ReadString(const char* section, const char* key, const std::string& def) {
  auto v = Ini().Read(section, key);
  if (!v) return def;
  if (v->size() > kMaxValue) v->resize(kMaxValue);
  return *v;
}

int ReadInt(const char* section, const char* key, int def) {
  auto v = Ini().Read(section, key);
  return v ? ParseIniInt(*v, def) : def;
}

bool ReadBool(const char* section, const char* key, bool def) {
  return ReadInt(section, key, def ? 1 : 0) != 0;
}

void WriteString(const char* section, const char* key, const std::string& value) {
  Ini().Write(section, key, value);
}
void WriteInt(const char* section, const char* key, int value) {
  Ini().Write(section, key, std::to_string(value));
}
void WriteBool(const char* section, const char* key, bool value) {
  Ini().Write(section, key, value ? "1" : "0");
}

const std::string& DefaultFontName() {
  static const std::string name = J("ＭＳ Ｐゴシック");
  return name;
}
const std::string& DefaultCensoredWords2() {
  static const std::string mask = J("※");
  return mask;
}

}  // namespace

std::string GetIniFileName() { return ExeDirFile("tolvane.ini"); }

int ParseIniInt(const std::string& text, int defaultValue) {
  if (text.empty()) return defaultValue;
  const char* s = text.c_str();
  if (text.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    // Up to eight hexadecimal digits, taken as a 32-bit pattern.
    const char* digits = s + 2;
    size_t n = text.size() - 2;
    if (n > 8) return defaultValue;
    unsigned long v = 0;
    for (size_t i = 0; i < n; ++i) {
      char c = digits[i];
      int d;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else return defaultValue;
      v = v * 16 + static_cast<unsigned long>(d);
    }
    return static_cast<int>(static_cast<unsigned int>(v));
  }
  size_t i = 0;
  bool neg = false;
  if (s[0] == '-' || s[0] == '+') {
    neg = s[0] == '-';
    i = 1;
  }
  if (i >= text.size()) return defaultValue;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return defaultValue;
    v = v * 10 + (s[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return defaultValue;
  }
  if (neg) v = -v;
  if (v < INT_MIN || v > INT_MAX) return defaultValue;
  return static_cast<int>(v);
}

#define TOLVANE_BOOL_KEY(Name, Section, Def) \
  bool Get##Name() { return ReadBool(Section, #Name, Def); } \
  void Set##Name(bool value) { WriteBool(Section, #Name, value); }
#define TOLVANE_INT_KEY(Name, Section, Def) \
  int Get##Name() { return ReadInt(Section, #Name, Def); } \
  void Set##Name(int value) { WriteInt(Section, #Name, value); }
#define TOLVANE_STR_KEY(Name, Section, Def) \
  std::string Get##Name() { return ReadString(Section, #Name, Def); } \
  void Set##Name(const std::string& value) { WriteString(Section, #Name, value); }

TOLVANE_BOOL_KEY(AutoConnect, "AutoConnect", true)
TOLVANE_INT_KEY(SaveType, "SaveType", 1)
TOLVANE_BOOL_KEY(SaveBoth, "SaveType", false)
TOLVANE_STR_KEY(FontName, "Font", DefaultFontName())
TOLVANE_INT_KEY(FontSize, "Font", 9)
TOLVANE_BOOL_KEY(FontBold, "Font", false)
TOLVANE_BOOL_KEY(FontItalic, "Font", false)
TOLVANE_INT_KEY(HistoryNum, "History", 30)
TOLVANE_STR_KEY(Variable, "Code", "")
TOLVANE_STR_KEY(Merge, "Code", "")
TOLVANE_STR_KEY(Period, "Code", "")
TOLVANE_STR_KEY(Siege, "Code", "")
TOLVANE_BOOL_KEY(CloseSpace, "Code", false)
TOLVANE_BOOL_KEY(AlphaBlend, "Editor", false)
TOLVANE_INT_KEY(AlphaValue, "Editor", 255)
TOLVANE_BOOL_KEY(TaskbarSeparate, "Result", false)
TOLVANE_STR_KEY(CensoredWords1, "Result", "*")
TOLVANE_STR_KEY(CensoredWords2, "Result", DefaultCensoredWords2())
TOLVANE_INT_KEY(MaxRow, "Result", 0)
TOLVANE_BOOL_KEY(DispNull, "Result", false)

#undef TOLVANE_BOOL_KEY
#undef TOLVANE_INT_KEY
#undef TOLVANE_STR_KEY

void GetFontInfo(std::string& name, int& size, bool& bold, bool& italic) {
  name = GetFontName();
  size = GetFontSize();
  bold = GetFontBold();
  italic = GetFontItalic();
}

void SetFontInfo(const FontSpec& font) {
  SetFontName(font.name);
  SetFontSize(font.size);
  SetFontBold(font.bold);
  SetFontItalic(font.italic);
}

void ReadIniSection(const std::string& section, std::vector<std::string>& list) {
  list.clear();
  size_t used = 0;
  for (auto& key : Ini().Keys(section)) {
    used += key.size() + 1;
    if (used > kMaxKeyListing) break;
    list.push_back(std::move(key));
  }
}

bool EraseIniSection(const std::string& section) {
  try {
    Ini().EraseSection(section);
    return true;
  } catch (...) {
    return false;
  }
}

std::string ReadIniString(const std::string& section, const std::string& key) {
  return ReadString(section.c_str(), key.c_str(), "");
}

std::string ReadConnect(const std::string& key) { return ReadString("Connect", key.c_str(), ""); }

void WriteConnect(const std::string& key, const std::string& value) {
  WriteString("Connect", key.c_str(), value);
}

void DeleteConnect(const std::string& key) {
  try {
    Ini().DeleteKey("Connect", key);
  } catch (...) {
  }
}

}  // namespace tolvane
