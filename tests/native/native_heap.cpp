// The heap the pure code allocates from, for builds without Windows.
#include <cstdlib>
#include <new>

#include "app/heap.h"

void* AllocBlock(std::size_t bytes) {
  void* block = std::malloc(bytes ? bytes : 1);
  if (!block) throw std::bad_alloc();
  return block;
}

void* GrowBlock(void* block, std::size_t bytes) {
  void* grown = std::realloc(block, bytes ? bytes : 1);
  if (!grown) throw std::bad_alloc();
  return grown;
}

void FreeBlock(void* block) { std::free(block); }
