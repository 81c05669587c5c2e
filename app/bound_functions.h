#pragma once
// System functions declared by library and exported name, bound at their first
// call and released at the end of the program.
//
// The argument-balance check differs by target, and only here:
// - 32-bit: every call goes through a stub that compares the stack pointer
//   before the arguments are pushed with the one after the call returns, so a
//   declaration whose arguments the function does not consume exactly (wrong
//   count, or the wrong calling convention) is reported as error 6.
// - 64-bit: the single calling convention leaves nothing to check at run time;
//   the declarations are typed, so a call that does not match cannot compile.
//   SetWindowLongA is bound as the pointer-sized SetWindowLongPtrA there.
#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <vector>

#include "app/error_report.h"
#include "app/error_text.h"

struct BoundFunction {
  const char* library;   // "" searches SystemLibraryList
  const char* exported;
  FARPROC address = nullptr;
  HMODULE module = nullptr;
};
using BoundFunctionTable = std::vector<BoundFunction>;

// A row of a table together with its declaration.
template <int Row, typename Fn>
struct BoundRow {
  static constexpr int index = Row;
  using Declaration = Fn;
};

using RegisterHotKeyRow = BoundRow<0, decltype(&::RegisterHotKey)>;
#ifdef _WIN64
using SetWindowLongRow = BoundRow<1, decltype(&::SetWindowLongPtrA)>;
#else
using SetWindowLongRow = BoundRow<1, decltype(&::SetWindowLongA)>;
#endif
using CallWindowProcRow = BoundRow<2, decltype(&::CallWindowProcA)>;
using MouseEventRow = BoundRow<3, decltype(&::mouse_event)>;

// The program's table (its rows in the order of the row indices above).
BoundFunctionTable& BoundFunctions();
void ResetBoundFunctions();
// One FreeLibrary per resolved row; then every row is unresolved again.
void ReleaseBoundFunctions(BoundFunctionTable& table = BoundFunctions());

extern const char* const SystemLibraryList[6];

// The row's address, resolving it on first use; reports and ends the process
// when the function cannot be found.
FARPROC ResolveBoundFunction(BoundFunctionTable& table, int row);

#ifndef _WIN64
// Calls fn with `count` 32-bit arguments pushed right to left; sets *unbalanced
// when the stack pointer after the call differs from the one before the push.
extern "C" std::uint32_t StackCheckedCall(void* fn, const std::uint32_t* args, std::uint32_t count,
                                          int* unbalanced);

template <typename T>
std::uint32_t ToStackSlot(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(value));
  } else {
    return static_cast<std::uint32_t>(value);
  }
}

template <typename R>
R FromStackSlot(std::uint32_t value) {
  if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<R>(static_cast<std::uintptr_t>(value));
  } else {
    return static_cast<R>(value);
  }
}

template <typename R, typename... P, typename... A>
R CallChecked(R(WINAPI* fn)(P...), A... args) {
  static_assert(sizeof...(P) == sizeof...(A), "the call must pass the declared arguments");
  const std::uint32_t slots[sizeof...(P) + 1] = {ToStackSlot(static_cast<P>(args))..., 0};
  int unbalanced = 0;
  std::uint32_t result = StackCheckedCall(reinterpret_cast<void*>(fn), slots, sizeof...(P), &unbalanced);
  if (unbalanced) ReportErrorCode(kErrorStackUnbalanced);
  if constexpr (!std::is_void_v<R>) return FromStackSlot<R>(result);
}
#endif

template <typename Row, typename... A>
auto CallBoundFunctionIn(BoundFunctionTable& table, A... args) {
  // Through void(*)(), the one function type every function pointer may be cast to and from.
  auto address = reinterpret_cast<void (*)()>(ResolveBoundFunction(table, Row::index));
  auto fn = reinterpret_cast<typename Row::Declaration>(address);
#ifdef _WIN64
  return fn(args...);
#else
  return CallChecked(fn, args...);
#endif
}

template <typename Row, typename... A>
auto CallBoundFunction(A... args) {
  return CallBoundFunctionIn<Row>(BoundFunctions(), args...);
}
