#pragma once
// The result of a query, fetched whole on open: field names and every value,
// kept compactly (one byte arena per column with offsets and a null bitmap,
// no heap string per cell). Values are CP932 text.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "data/TextColumn.h"

namespace tolvane {

class RecordSet {
 public:
  // --- filling (used by the data access layer) ---
  void Reset(std::vector<std::string> fieldNames);
  // Appends one value to column `col` of the row being built; every column
  // gets exactly one value per row, in order.
  void AppendValue(size_t col, std::string_view value) { columns_[col].Append(value); }
  void AppendNull(size_t col) { columns_[col].AppendNull(); }
  // Appends a UTF-8 value converted to CP932 straight into the column.
  void AppendUtf8Value(size_t col, std::string_view utf8) { columns_[col].AppendUtf8(utf8); }
  void EndRow() { ++rows_; }
  void SetActive(bool active) { active_ = active; }
  void Close();

  // --- reading ---
  bool Active() const { return active_; }
  int RecordCount() const { return static_cast<int>(rows_); }
  size_t RowCount() const { return rows_; }
  int FieldCount() const { return static_cast<int>(names_.size()); }
  const std::string& FieldName(int field) const { return names_[static_cast<size_t>(field)]; }
  bool IsNull(size_t row, size_t field) const { return columns_[field].IsNull(row); }
  std::string_view Value(size_t row, size_t field) const { return columns_[field].Get(row); }

  // A cursor over the rows, as a data set offers it.
  void First() { cursor_ = 0; }
  void Last() { cursor_ = rows_ ? rows_ - 1 : 0; }
  void Next() {
    if (cursor_ < rows_) ++cursor_;
  }
  bool Eof() const { return cursor_ >= rows_; }
  bool IsNull(int field) const { return IsNull(cursor_, static_cast<size_t>(field)); }
  std::string AsString(int field) const {
    return std::string(Value(cursor_, static_cast<size_t>(field)));
  }

  // Hands the columns over (the set is left empty): for a window that takes
  // the values without copying them.
  std::vector<TextColumn> TakeColumns();

  // Bytes held beyond the text itself (offsets, bitmaps, names).
  size_t OverheadBytes() const;
  size_t TextBytes() const;

 private:
  std::vector<std::string> names_;
  std::vector<TextColumn> columns_;
  size_t rows_ = 0;
  size_t cursor_ = 0;
  bool active_ = false;
};

}  // namespace tolvane
