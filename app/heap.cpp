#include "app/heap.h"

#include <windows.h>

#include "app/error_report.h"
#include "app/runtime.h"

namespace {

[[noreturn]] void ReportAllocationFailure(std::size_t bytes) {
  char text[100];
  wsprintfA(text, "分配 %d 字节内存失败!", static_cast<int>(bytes));
  ReportRuntimeError(text, 0);
}

}  // namespace

void* AllocBlock(std::size_t bytes) {
  void* block = HeapAlloc(ProgramHeap(), 0, bytes);
  if (!block) ReportAllocationFailure(bytes);
  return block;
}

void* GrowBlock(void* block, std::size_t bytes) {
  if (!block) return AllocBlock(bytes);
  void* grown = HeapReAlloc(ProgramHeap(), 0, block, bytes);
  if (!grown) ReportAllocationFailure(bytes);
  return grown;
}

void FreeBlock(void* block) {
  if (block) HeapFree(ProgramHeap(), 0, block);
}
