#include "data/RecordSet.h"

namespace tolvane {

void RecordSet::Reset(std::vector<std::string> fieldNames) {
  names_ = std::move(fieldNames);
  columns_.clear();
  columns_.resize(names_.size());
  rows_ = 0;
  cursor_ = 0;
  active_ = false;
}

void RecordSet::Close() { Reset({}); }

std::vector<TextColumn> RecordSet::TakeColumns() {
  std::vector<TextColumn> out = std::move(columns_);
  columns_.clear();
  return out;
}

size_t RecordSet::OverheadBytes() const {
  size_t total = sizeof(*this) + columns_.capacity() * sizeof(TextColumn);
  for (const auto& n : names_) total += n.capacity();
  for (const auto& c : columns_) total += c.OverheadBytes();
  return total;
}

size_t RecordSet::TextBytes() const {
  size_t total = 0;
  for (const auto& c : columns_) total += c.TextBytes();
  return total;
}

}  // namespace tolvane
