#pragma once
// The result of a query, fetched whole on open: field names and every value,
// kept compactly (one byte arena per column with offsets and a null bitmap,
// no heap string per cell). Values are CP932 text.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class RecordSet {
 public:
  // --- filling (used by the data access layer) ---
  void Reset(std::vector<std::string> fieldNames);
  // Appends one value to column `col` of the row being built; every column
  // gets exactly one value per row, in order.
  void AppendValue(size_t col, std::string_view value) { columns_[col].Append(value, false); }
  void AppendNull(size_t col) { columns_[col].Append({}, true); }
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

  // Bytes held beyond the text itself (offsets, bitmaps, names).
  size_t OverheadBytes() const;
  size_t TextBytes() const;

 private:
  // The bytes of one column's values, end to end. Grown with realloc, which
  // moves large blocks by remapping pages instead of copying them.
  class Arena {
   public:
    Arena() = default;
    Arena(Arena&& o) noexcept : data_(o.data_), size_(o.size_), cap_(o.cap_) {
      o.data_ = nullptr;
      o.size_ = o.cap_ = 0;
    }
    Arena& operator=(Arena&& o) noexcept;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena();
    // Room for n more bytes; returns where they go.
    char* Reserve(size_t n) {
      if (cap_ - size_ < n) Grow(n);
      return data_ + size_;
    }
    void Commit(size_t n) { size_ += n; }
    void Append(std::string_view v) {
      if (v.empty()) return;
      std::memcpy(Reserve(v.size()), v.data(), v.size());
      size_ += v.size();
    }
    const char* data() const { return data_; }
    size_t size() const { return size_; }
    size_t capacity() const { return cap_; }

   private:
    void Grow(size_t n);
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t cap_ = 0;
  };

  class Column {
   public:
    void Append(std::string_view value, bool null);
    void AppendUtf8(std::string_view utf8);
    bool IsNull(size_t row) const { return (nulls_[row >> 6] >> (row & 63)) & 1u; }
    std::string_view Get(size_t row) const {
      uint64_t b = row ? ends_[row - 1] : 0;
      return std::string_view(text_.data() + b, ends_[row] - b);
    }
    size_t Overhead() const {
      return ends_.capacity() * sizeof(uint64_t) + nulls_.capacity() * sizeof(uint64_t) +
             (text_.capacity() - text_.size());
    }
    size_t Text() const { return text_.size(); }

   private:
    void NextRow(bool null) {
      size_t row = ends_.size();
      if ((row & 63) == 0) nulls_.push_back(0);
      if (null) nulls_.back() |= uint64_t{1} << (row & 63);
      ends_.push_back(text_.size());
    }
    Arena text_;
    std::vector<uint64_t> ends_;   // end offset of each row's value
    std::vector<uint64_t> nulls_;  // one bit per row
  };

  std::vector<std::string> names_;
  std::vector<Column> columns_;
  size_t rows_ = 0;
  size_t cursor_ = 0;
  bool active_ = false;
};

}  // namespace tolvane
