#pragma once
#include <cstddef>

// Blocks handed out on the program's behalf (texts, grown lists) come from the
// process heap; a failed allocation is reported and ends the process, so the
// result is never null. FreeBlock(nullptr) does nothing.
void* AllocBlock(std::size_t bytes);
void* GrowBlock(void* block, std::size_t bytes);
void FreeBlock(void* block);

// A text the window layer returned: absent (nullptr) or a heap block.
inline void FreeText(char* text) { FreeBlock(text); }

#include <cstring>
#include <string_view>

// A new heap text holding `text`; nullptr (the absent text) when it is empty.
inline char* NewText(std::string_view text) {
  if (text.empty()) return nullptr;
  auto* copy = static_cast<char*>(AllocBlock(text.size() + 1));
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = 0;
  return copy;
}
