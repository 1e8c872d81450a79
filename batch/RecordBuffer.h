#pragma once

#include "classlib/core/Text.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// The bytes of a stretch of records. Appending checks no room: the caller reserves room for a
// whole record first (Reserve), so the formats write with plain copies, as a hand-written loop
// would, instead of a capacity check per piece.
class RecordBuffer {
public:
  void Clear() { size_ = 0; }
  void Reserve(std::size_t room) {
    if (storage_.size() - size_ < room) {
      storage_.resize(std::max(2 * storage_.size(), size_ + room));
    }
  }

  RecordBuffer& operator+=(std::string_view text) {
    std::memcpy(storage_.data() + size_, text.data(), text.size());
    size_ += text.size();
    return *this;
  }
  RecordBuffer& operator+=(char c) {
    storage_[size_++] = c;
    return *this;
  }

  // Takes out the byte at position.
  void Erase(std::size_t position) {
    std::memmove(storage_.data() + position, storage_.data() + position + 1, size_ - position - 1);
    --size_;
  }

  void LowerCaseAsciiFrom(std::size_t from) {
    LowerCaseAsciiInPlace(storage_.data() + from, size_ - from);
  }

  std::size_t Size() const { return size_; }
  void Truncate(std::size_t size) { size_ = size; }
  std::string_view View() const { return std::string_view(storage_.data(), size_); }
  std::string_view Tail(std::size_t from) const { return View().substr(from); }

private:
  std::string storage_;
  std::size_t size_ = 0;
};
