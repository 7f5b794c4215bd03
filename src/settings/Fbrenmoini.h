#pragma once
// The settings file tolvane.ini: one getter and one setter per key, and the
// generic operations used for the saved sessions and the SQL formatter.
// Every call reads the file afresh or writes it at once; nothing is cached.
// Texts are CP932. A setter whose write the file system refuses throws EError
// "<path> に書き込めません".
#include <string>
#include <vector>

namespace tolvane {

std::string GetIniFileName();

// Value parsing as the store reads it: "0x"/"0X" followed by at least one
// more character is hexadecimal, other text decimal; anything that does not
// parse, and a missing value, gives the default.
int ParseIniInt(const std::string& text, int defaultValue);

#define TOLVANE_BOOL_KEY(Name) \
  bool Get##Name();            \
  void Set##Name(bool value);
#define TOLVANE_INT_KEY(Name) \
  int Get##Name();            \
  void Set##Name(int value);
#define TOLVANE_STR_KEY(Name) \
  std::string Get##Name();    \
  void Set##Name(const std::string& value);

TOLVANE_BOOL_KEY(AutoConnect)
TOLVANE_INT_KEY(SaveType)
TOLVANE_BOOL_KEY(SaveBoth)
TOLVANE_STR_KEY(FontName)
TOLVANE_INT_KEY(FontSize)
TOLVANE_BOOL_KEY(FontBold)
TOLVANE_BOOL_KEY(FontItalic)
TOLVANE_INT_KEY(HistoryNum)
TOLVANE_STR_KEY(Variable)
TOLVANE_STR_KEY(Merge)
TOLVANE_STR_KEY(Period)
TOLVANE_STR_KEY(Siege)
TOLVANE_BOOL_KEY(CloseSpace)
TOLVANE_BOOL_KEY(AlphaBlend)
TOLVANE_INT_KEY(AlphaValue)
TOLVANE_BOOL_KEY(TaskbarSeparate)
TOLVANE_STR_KEY(CensoredWords1)
TOLVANE_STR_KEY(CensoredWords2)
TOLVANE_INT_KEY(MaxRow)
TOLVANE_BOOL_KEY(DispNull)

#undef TOLVANE_BOOL_KEY
#undef TOLVANE_INT_KEY
#undef TOLVANE_STR_KEY

// A font as the settings hold it.
struct FontSpec {
  std::string name;
  int size = 9;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

void GetFontInfo(std::string& name, int& size, bool& bold, bool& italic);
void SetFontInfo(const FontSpec& font);

// Key names of a section in file order (at most 16384 bytes of names, each
// counted with one terminating byte); empty for an absent section.
void ReadIniSection(const std::string& section, std::vector<std::string>& list);
// Removes the section; false on any error, which it never passes on.
bool EraseIniSection(const std::string& section);
// A value of any section, at most 2047 bytes; empty when missing.
std::string ReadIniString(const std::string& section, const std::string& key);

std::string ReadConnect(const std::string& key);
void WriteConnect(const std::string& key, const std::string& value);
// Removes the key; a failure is ignored.
void DeleteConnect(const std::string& key);

}  // namespace tolvane
