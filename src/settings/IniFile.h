#pragma once
// A small INI file reader and writer that keeps a file as a person wrote it:
// comments, blank lines, unknown sections and the line-break style survive a
// write. Section and key names compare without regard to ASCII case; white
// space around names and values is ignored. The file is read afresh for every
// operation and written at once by replacing it atomically.
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class IniFile {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // The value of the first matching key of the first matching section, or
  // nothing when the file, section or key is missing.
  std::optional<std::string> Read(const std::string& section, const std::string& key) const;

  // Key names of the section in file order; empty when it is missing.
  std::vector<std::string> Keys(const std::string& section) const;

  // Adds or replaces one value. Throws EError "%s に書き込めません" when the
  // file cannot be written.
  void Write(const std::string& section, const std::string& key, const std::string& value) const;

  // Removes every line of the section, header included. Throws as Write.
  void EraseSection(const std::string& section) const;

  // Removes the key from the section. Throws as Write.
  void DeleteKey(const std::string& section, const std::string& key) const;

  // The refusal raised when the file cannot be written.
  std::string WriteErrorMessage() const;

 private:
  struct Line {
    std::string text;  // without its line break
    enum Kind { kOther, kSection, kKey } kind = kOther;
    std::string name;   // section or key name, trimmed
    std::string value;  // key value, trimmed
  };
  struct Doc {
    std::vector<Line> lines;
    std::string eol = "\r\n";
    bool finalEol = true;
  };

  bool Load(Doc& doc) const;
  void Save(const Doc& doc) const;
  // First line index of the section's header, or -1.
  static long FindSection(const Doc& doc, const std::string& section);
  // One past the section's last line (the next header or the end).
  static size_t SectionEnd(const Doc& doc, size_t header);

  std::string path_;
};

// ASCII case-insensitive comparison.
bool IniNameEquals(const std::string& a, const std::string& b);

}  // namespace tolvane
