#include "data/RecordSet.h"

#include "platform/Encoding.h"

namespace tolvane {

void RecordSet::Column::Append(std::string_view value, bool null) {
  size_t row = ends_.size();
  if ((row & 63) == 0) nulls_.push_back(0);
  if (null) nulls_.back() |= uint64_t{1} << (row & 63);
  text_.append(value);
  ends_.push_back(text_.size());
}

void RecordSet::Column::AppendUtf8(std::string_view utf8) {
  size_t row = ends_.size();
  if ((row & 63) == 0) nulls_.push_back(0);
  AppendUtf8AsCp932(utf8, text_);
  ends_.push_back(text_.size());
}

void RecordSet::Column::Clear() {
  std::string().swap(text_);
  std::vector<uint64_t>().swap(ends_);
  std::vector<uint64_t>().swap(nulls_);
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
