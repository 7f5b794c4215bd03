#include "data/TextColumn.h"

#include <cstdlib>
#include <new>

#include "platform/Encoding.h"

namespace tolvane {

TextColumn::Arena& TextColumn::Arena::operator=(Arena&& o) noexcept {
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

TextColumn::Arena::~Arena() { std::free(data_); }

void TextColumn::Arena::Grow(size_t n) {
  size_t cap = cap_ ? cap_ : 4096;
  while (cap - size_ < n) cap *= 2;
  char* p = static_cast<char*>(std::realloc(data_, cap));
  if (!p) throw std::bad_alloc();
  data_ = p;
  cap_ = cap;
}

void TextColumn::AppendUtf8(std::string_view utf8) {
  // CP932 is never longer than the UTF-8 it comes from.
  char* out = text_.Reserve(utf8.size());
  text_.Commit(Utf8ToCp932Into(utf8, out));
  NextRow(false);
}

}  // namespace tolvane
