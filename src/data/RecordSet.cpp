#include "data/RecordSet.h"

#include <cstdlib>
#include <new>

#include "platform/Encoding.h"

namespace tolvane {

RecordSet::Arena& RecordSet::Arena::operator=(Arena&& o) noexcept {
  if (this != &o) {
    std::free(data_);
    data_ = o.data_;
    size_ = o.size_;
    cap_ = o.cap_;
    o.data_ = nullptr;
    o.size_ = o.cap_ = 0;
  }
  return *this;
}

RecordSet::Arena::~Arena() { std::free(data_); }

void RecordSet::Arena::Grow(size_t n) {
  size_t cap = cap_ ? cap_ : 4096;
  while (cap - size_ < n) cap *= 2;
  char* p = static_cast<char*>(std::realloc(data_, cap));
  if (!p) throw std::bad_alloc();
  data_ = p;
  cap_ = cap;
}

void RecordSet::Column::Append(std::string_view value, bool null) {
  text_.Append(value);
  NextRow(null);
}

void RecordSet::Column::AppendUtf8(std::string_view utf8) {
  // CP932 is never longer than the UTF-8 it comes from.
  char* out = text_.Reserve(utf8.size());
  text_.Commit(Utf8ToCp932Into(utf8, out));
  NextRow(false);
}

void RecordSet::Reset(std::vector<std::string> fieldNames) {
  names_ = std::move(fieldNames);
  columns_.clear();
  columns_.resize(names_.size());
  rows_ = 0;
  cursor_ = 0;
  active_ = false;
}

void RecordSet::Close() {
  Reset({});
}

size_t RecordSet::OverheadBytes() const {
  size_t total = sizeof(*this) + columns_.capacity() * sizeof(Column);
  for (const auto& n : names_) total += n.capacity();
  for (const auto& c : columns_) total += c.Overhead();
  return total;
}

size_t RecordSet::TextBytes() const {
  size_t total = 0;
  for (const auto& c : columns_) total += c.Text();
  return total;
}

}  // namespace tolvane
