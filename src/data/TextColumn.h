#pragma once
// One column of texts kept end to end in a single byte arena, with the end
// offset of each value and a null bitmap: no heap object per value.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class TextColumn {
 public:
  TextColumn() = default;
  TextColumn(TextColumn&&) noexcept = default;
  TextColumn& operator=(TextColumn&&) noexcept = default;

  void Append(std::string_view value) {
    text_.Append(value);
    NextRow(false);
  }
  void AppendNull() { NextRow(true); }
  // Converts a UTF-8 value to CP932 straight into the arena.
  void AppendUtf8(std::string_view utf8);

  size_t Size() const { return ends_.size(); }
  bool IsNull(size_t row) const { return (nulls_[row >> 6] >> (row & 63)) & 1u; }
  std::string_view Get(size_t row) const {
    uint64_t b = row ? ends_[row - 1] : 0;
    return std::string_view(text_.data() + b, ends_[row] - b);
  }
  size_t Length(size_t row) const { return ends_[row] - (row ? ends_[row - 1] : 0); }

  size_t OverheadBytes() const {
    return ends_.capacity() * sizeof(uint64_t) + nulls_.capacity() * sizeof(uint64_t) +
           (text_.capacity() - text_.size());
  }
  size_t TextBytes() const { return text_.size(); }

 private:
  // Grown with realloc, which moves large blocks by remapping pages instead
  // of copying them.
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

}  // namespace tolvane
