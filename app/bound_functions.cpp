#include "app/bound_functions.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/runtime.h"

const char* const SystemLibraryList[6] = {"Kernel32.dll", "Gdi32.dll", "User32.dll",
                                          "Advapi32.dll", "Mpr.dll",   "Shell32.dll"};

namespace {

BoundFunctionTable ProgramRows() {
#ifdef _WIN64
  const char* setWindowLong = "SetWindowLongPtrA";
#else
  const char* setWindowLong = "SetWindowLongA";
#endif
  return {{"user32.dll", "RegisterHotKey"}, {"", setWindowLong}, {"", "CallWindowProcA"}, {"user32", "mouse_event"}};
}

void SearchSystemLibraries(BoundFunction& row) {
  for (const char* name : SystemLibraryList) {
    HMODULE module = LoadLibraryA(name);
    if (!module) continue;
    if (FARPROC address = GetProcAddress(module, row.exported)) {
      row.address = address;
      row.module = module;
      return;
    }
    FreeLibrary(module);
  }
}

HMODULE LoadNamedLibrary(const char* library) {
  if (std::strchr(library, ':')) return LoadLibraryA(library);
  std::string local = ExecutableDirectory() + "\\" + library;
  HMODULE module = LoadLibraryA(local.c_str());
  return module ? module : LoadLibraryA(library);
}

[[noreturn]] void ReportMissingFunction(const BoundFunction& row) {
  char text[600];
  if (*row.library) {
    std::snprintf(text, sizeof text, "无法找到指定DLL库文件“%s”中的输出命令“%s”", row.library, row.exported);
  } else {
    std::snprintf(text, sizeof text, "无法找到指定DLL库文件中的输出命令“%s”", row.exported);
  }
  ReportRuntimeError(text, 0);
}

}  // namespace

BoundFunctionTable& BoundFunctions() {
  static BoundFunctionTable table = ProgramRows();
  return table;
}

void ResetBoundFunctions() {
  ReleaseBoundFunctions();
  BoundFunctions() = ProgramRows();
}

void ReleaseBoundFunctions(BoundFunctionTable& table) {
  for (BoundFunction& row : table) {
    if (row.address && row.module) FreeLibrary(row.module);
    row.address = nullptr;
    row.module = nullptr;
  }
}

FARPROC ResolveBoundFunction(BoundFunctionTable& table, int index) {
  BoundFunction& row = table[static_cast<std::size_t>(index)];
  if (row.address) return row.address;
  if (!*row.library) {
    SearchSystemLibraries(row);
  } else if (HMODULE module = LoadNamedLibrary(row.library)) {
    if (FARPROC address = GetProcAddress(module, row.exported)) {
      row.address = address;
      row.module = module;
    } else {
      FreeLibrary(module);
    }
  }
  if (!row.address) ReportMissingFunction(row);
  return row.address;
}
