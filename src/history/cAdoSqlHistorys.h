#pragma once
// The history of executed statements: unbounded in memory, its newest part
// kept in SQLHistory.Dat between runs.
//
// File format: records oldest first, each the SQL text, "@", the connection
// descriptor (five fields joined by commas) and ";". An "@" inside the SQL is
// written doubled ("@@") so that it is read back whole; files without one
// read exactly as the plain format says.
#include <memory>
#include <string>
#include <vector>

#include "data/DataSourceTypes.h"

namespace tolvane {

struct cAdoSqlHistory {
  int no = 0;
  std::string sql;
  Descriptor descriptor;
};

class cAdoSqlHistorys {
 public:
  // Reads the HistoryNum setting once, as the limit applied on save.
  cAdoSqlHistorys();
  explicit cAdoSqlHistorys(int limit) : limit_(limit) {}
  ~cAdoSqlHistorys() { Clear(); }

  void Add(const std::string& sql, const std::string& descriptor);
  void Clear();
  bool Prev();
  bool Next();
  std::string GetCurrentSql() const;
  const cAdoSqlHistory* GetCurrent() const;

  bool LoadFromFile(const std::string& path);
  bool SaveToFile(const std::string& path) const;

  int GetCount() const { return static_cast<int>(records_.size()); }
  const cAdoSqlHistory& At(int i) const { return *records_[static_cast<size_t>(i)]; }
  int GetLimit() const { return limit_; }

  // The text SaveToFile writes.
  std::string FileText() const;

 private:
  std::vector<std::unique_ptr<cAdoSqlHistory>> records_;
  long current_ = -1;
  int limit_;
};

// Path of SQLHistory.Dat beside the executable (or in $TOLVANE_HOME).
std::string HistoryFileName();

}  // namespace tolvane
