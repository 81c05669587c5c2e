#pragma once
// A list of plain values in one process-heap block, grown by doubling.
#include <cstddef>
#include <type_traits>

#include "app/heap.h"

template <typename T>
class HeapList {
  static_assert(std::is_trivially_copyable_v<T>, "the block is moved by the heap, not by constructors");

 public:
  void Append(T value) {
    if (count_ == capacity_) {
      std::size_t grown = capacity_ ? capacity_ * 2 : 4;
      items_ = static_cast<T*>(GrowBlock(items_, grown * sizeof(T)));
      capacity_ = grown;
    }
    items_[count_++] = value;
  }
  void Release() {
    FreeBlock(items_);
    items_ = nullptr;
    count_ = capacity_ = 0;
  }
  std::size_t size() const { return count_; }
  T operator[](std::size_t i) const { return items_[i]; }

 private:
  T* items_ = nullptr;
  std::size_t count_ = 0;
  std::size_t capacity_ = 0;
};
