#include "app/hotkeys.h"

#include "app/bound_functions.h"
#include "app/error_report.h"
#include "app/error_text.h"
#include "app/heap_list.h"

namespace {

struct HotkeyRegistry {
  std::int32_t count = 0;
  HeapList<std::uint32_t> modifiers;
  HeapList<std::uint32_t> keys;
  HeapList<HotkeyCallback> callbacks;
  WNDPROC previousWindowProc = nullptr;
};

HotkeyRegistry& Registry() {
  static HotkeyRegistry registry;
  return registry;
}

}  // namespace

void InitHotkeyRegistry() {
  FreeHotkeyRegistry();
  Registry() = HotkeyRegistry{};
}

std::int32_t RegisterHotKeyEx(HWND window, std::uint32_t modifiers, std::uint32_t key, HotkeyCallback callback) {
  HotkeyRegistry& r = Registry();
  std::int32_t id = r.count + 1;
  if (!CallBoundFunction<RegisterHotKeyRow>(window, id, modifiers, key)) return 0;
  r.count = id;
  r.modifiers.Append(modifiers);
  r.keys.Append(key);
  r.callbacks.Append(callback);
  if (r.count == 1) {
    LONG_PTR previous =
        CallBoundFunction<SetWindowLongRow>(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc));
    r.previousWindowProc = reinterpret_cast<WNDPROC>(previous);
  }
  return id;
}

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HotkeyRegistry& r = Registry();
  if (message == WM_HOTKEY) {
    // Decided on the 32-bit value of wParam - 1, as the ids are 32-bit.
    auto i = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam) - 1u);
    if (i < 0) ReportErrorCode(kErrorIndexBelowOne);
    if (static_cast<std::size_t>(i) >= r.callbacks.size()) ReportErrorCode(kErrorIndexTooLarge);
    return CallBoundFunction<CallWindowProcRow>(r.callbacks[static_cast<std::size_t>(i)], window, message, wParam,
                                                lParam);
  }
  return CallBoundFunction<CallWindowProcRow>(r.previousWindowProc, window, message, wParam, lParam);
}

void FreeHotkeyRegistry() {
  HotkeyRegistry& r = Registry();
  r.modifiers.Release();
  r.keys.Release();
  r.callbacks.Release();
}

std::int32_t HotkeyCount() { return Registry().count; }
