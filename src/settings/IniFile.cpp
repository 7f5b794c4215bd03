#include "settings/IniFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Encoding.h"
#include "platform/Exceptions.h"
#include "sqltext/cFileIO.h"

namespace tolvane {
namespace {

std::string TrimSpaces(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

bool ReadWhole(const std::string& path, std::string& out) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  out.clear();
  char buf[65536];
  size_t r;
  while ((r = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, r);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

// Values with blanks at either end, or enclosed in double quotes already,
// are written in double quotes so that they read back exactly.
std::string Quoted(const std::string& value) {
  if (value.empty()) return value;
  const bool blankEnds = value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                         value.back() == '\t';
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  return blankEnds || quoted ? "\"" + value + "\"" : value;
}

}  // namespace

bool IniNameEquals(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

std::string IniFile::WriteErrorMessage() const {
  return Utf8ToCp932(path_) + J(" に書き込めません");
}

bool IniFile::Load(Doc& doc) const {
  std::string raw;
  if (!ReadWhole(path_, raw)) return false;
  // Anything after a zero byte is not text.
  size_t z = raw.find('\0');
  if (z != std::string::npos) raw.resize(z);
  size_t firstLf = raw.find('\n');
  if (firstLf != std::string::npos)
    doc.eol = (firstLf > 0 && raw[firstLf - 1] == '\r') ? "\r\n" : "\n";
  doc.finalEol = raw.empty() || raw.back() == '\n';
  size_t i = 0;
  while (i < raw.size()) {
    size_t j = raw.find('\n', i);
    size_t end = j == std::string::npos ? raw.size() : j;
    size_t textEnd = (end > i && raw[end - 1] == '\r') ? end - 1 : end;
    Line line;
    line.text = raw.substr(i, textEnd - i);
    std::string t = TrimSpaces(line.text);
    if (!t.empty() && t[0] == '[') {
      size_t close = t.find(']');
      if (close != std::string::npos) {
        line.kind = Line::kSection;
        line.name = TrimSpaces(t.substr(1, close - 1));
      }
    } else if (!t.empty() && t[0] != ';' && t[0] != '#') {
      size_t eq = t.find('=');
      if (eq != std::string::npos) {
        line.kind = Line::kKey;
        line.name = TrimSpaces(t.substr(0, eq));
        line.value = TrimSpaces(t.substr(eq + 1));
        // A value in double quotes keeps its blanks; the quotes go.
        if (line.value.size() >= 2 && line.value.front() == '"' && line.value.back() == '"')
          line.value = line.value.substr(1, line.value.size() - 2);
      }
    }
    doc.lines.push_back(std::move(line));
    i = j == std::string::npos ? raw.size() : j + 1;
  }
  return true;
}

void IniFile::Save(const Doc& doc) const {
  std::string out;
  for (size_t i = 0; i < doc.lines.size(); ++i) {
    out += doc.lines[i].text;
    if (i + 1 < doc.lines.size() || doc.finalEol) out += doc.eol;
  }
  try {
    // The file holds passwords: a new one is readable by its owner only.
    cFileIO::WriteFileAtomic(path_, out, 0600);
  } catch (const EError&) {
    throw EError(WriteErrorMessage());
  }
}

long IniFile::FindSection(const Doc& doc, const std::string& section) {
  for (size_t i = 0; i < doc.lines.size(); ++i)
    if (doc.lines[i].kind == Line::kSection && IniNameEquals(doc.lines[i].name, section))
      return static_cast<long>(i);
  return -1;
}

size_t IniFile::SectionEnd(const Doc& doc, size_t header) {
  size_t i = header + 1;
  while (i < doc.lines.size() && doc.lines[i].kind != Line::kSection) ++i;
  return i;
}

std::optional<std::string> IniFile::Read(const std::string& section, const std::string& key) const {
  Doc doc;
  if (!Load(doc)) return std::nullopt;
  long h = FindSection(doc, section);
  if (h < 0) return std::nullopt;
  size_t end = SectionEnd(doc, static_cast<size_t>(h));
  for (size_t i = static_cast<size_t>(h) + 1; i < end; ++i)
    if (doc.lines[i].kind == Line::kKey && IniNameEquals(doc.lines[i].name, key))
      return doc.lines[i].value;
  return std::nullopt;
}

std::vector<std::string> IniFile::Keys(const std::string& section) const {
  std::vector<std::string> keys;
  Doc doc;
  if (!Load(doc)) return keys;
  long h = FindSection(doc, section);
  if (h < 0) return keys;
  size_t end = SectionEnd(doc, static_cast<size_t>(h));
  for (size_t i = static_cast<size_t>(h) + 1; i < end; ++i)
    if (doc.lines[i].kind == Line::kKey) keys.push_back(doc.lines[i].name);
  return keys;
}

void IniFile::Write(const std::string& section, const std::string& key,
                    const std::string& value) const {
  Doc doc;
  Load(doc);
  Line line;
  line.kind = Line::kKey;
  line.name = key;
  line.value = value;
  line.text = key + "=" + Quoted(value);
  long h = FindSection(doc, section);
  if (h < 0) {
    Line header;
    header.kind = Line::kSection;
    header.name = section;
    header.text = "[" + section + "]";
    if (!doc.lines.empty() && !doc.lines.back().text.empty()) {
      doc.lines.push_back(Line{});
    }
    doc.lines.push_back(std::move(header));
    doc.lines.push_back(std::move(line));
    doc.finalEol = true;
    Save(doc);
    return;
  }
  size_t end = SectionEnd(doc, static_cast<size_t>(h));
  size_t insertAt = static_cast<size_t>(h) + 1;
  for (size_t i = static_cast<size_t>(h) + 1; i < end; ++i) {
    if (doc.lines[i].kind == Line::kKey) {
      if (IniNameEquals(doc.lines[i].name, key)) {
        doc.lines[i] = std::move(line);
        Save(doc);
        return;
      }
      insertAt = i + 1;
    }
  }
  // A new key goes after the section's last key, ahead of any blank lines or
  // comments that separate it from the next section.
  doc.lines.insert(doc.lines.begin() + static_cast<long>(insertAt), std::move(line));
  if (insertAt == doc.lines.size() - 1) doc.finalEol = true;
  Save(doc);
}

void IniFile::EraseSection(const std::string& section) const {
  Doc doc;
  if (!Load(doc)) return;
  bool changed = false;
  for (long h; (h = FindSection(doc, section)) >= 0;) {
    size_t end = SectionEnd(doc, static_cast<size_t>(h));
    doc.lines.erase(doc.lines.begin() + h, doc.lines.begin() + static_cast<long>(end));
    changed = true;
  }
  if (changed) Save(doc);
}

void IniFile::DeleteKey(const std::string& section, const std::string& key) const {
  Doc doc;
  if (!Load(doc)) return;
  long h = FindSection(doc, section);
  if (h < 0) return;
  size_t end = SectionEnd(doc, static_cast<size_t>(h));
  for (size_t i = static_cast<size_t>(h) + 1; i < end; ++i) {
    if (doc.lines[i].kind == Line::kKey && IniNameEquals(doc.lines[i].name, key)) {
      doc.lines.erase(doc.lines.begin() + static_cast<long>(i));
      Save(doc);
      return;
    }
  }
}

}  // namespace tolvane
