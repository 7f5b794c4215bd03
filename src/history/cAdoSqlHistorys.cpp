#include "history/cAdoSqlHistorys.h"

#include "settings/Fbrenmoini.h"
#include "settings/Fpath.h"
#include "sqltext/cText.h"

namespace tolvane {

std::string HistoryFileName() { return ExeDirFile("SQLHistory.Dat"); }

cAdoSqlHistorys::cAdoSqlHistorys() : limit_(GetHistoryNum()) {}

void cAdoSqlHistorys::Add(const std::string& sql, const std::string& descriptor) {
  auto r = std::make_unique<cAdoSqlHistory>();
  r->no = records_.empty() ? 0 : records_.back()->no + 1;
  r->sql = sql;
  r->descriptor = ParseDescriptor(descriptor);
  records_.push_back(std::move(r));
  current_ = static_cast<long>(records_.size()) - 1;
}

void cAdoSqlHistorys::Clear() {
  records_.clear();
  current_ = -1;
}

bool cAdoSqlHistorys::Prev() {
  if (records_.empty()) return false;
  if (current_ > 0) --current_;
  return true;
}

bool cAdoSqlHistorys::Next() {
  if (records_.empty()) return false;
  if (current_ + 1 < static_cast<long>(records_.size())) ++current_;
  return true;
}

const cAdoSqlHistory* cAdoSqlHistorys::GetCurrent() const {
  return current_ < 0 ? nullptr : records_[static_cast<size_t>(current_)].get();
}

std::string cAdoSqlHistorys::GetCurrentSql() const {
  const auto* r = GetCurrent();
  return r ? r->sql : std::string();
}

std::string cAdoSqlHistorys::FileText() const {
  const size_t n = records_.size();
  size_t first = 0;
  if (limit_ < 0) first = n;
  else if (static_cast<size_t>(limit_) < n) first = n - static_cast<size_t>(limit_);
  std::string out;
  for (size_t i = first; i < n; ++i) {
    const auto& r = *records_[i];
    for (char c : r.sql) {
      out += c;
      if (c == '@') out += '@';
    }
    out += '@';
    out += r.descriptor.Join();
    out += ';';
  }
  return out;
}

bool cAdoSqlHistorys::SaveToFile(const std::string& path) const {
  // The history holds passwords: a new file is readable by its owner only.
  return cFileIO::WriteText(path, FileText(), 0600);
}

bool cAdoSqlHistorys::LoadFromFile(const std::string& path) {
  cText text;
  if (!text.LoadFile(path)) return false;
  const std::string all = text.GetSjisText();
  size_t pos = 0;
  for (size_t semi; (semi = all.find(';', pos)) != std::string::npos; pos = semi + 1) {
    // The separator is the first "@" that is not doubled; "@@" is an "@" of
    // the SQL text.
    std::string sql;
    size_t i = pos;
    bool found = false;
    while (i < semi) {
      char c = all[i];
      if (c != '@') {
        sql += c;
        ++i;
      } else if (i + 1 < semi && all[i + 1] == '@') {
        sql += '@';
        i += 2;
      } else {
        found = true;
        break;
      }
    }
    // A piece without any separator is not a record the program wrote (a
    // descriptor holding ";" leaves such pieces): it is passed over.
    if (!found) continue;
    Add(sql, all.substr(i + 1, semi - i - 1));
  }
  return true;
}

}  // namespace tolvane
