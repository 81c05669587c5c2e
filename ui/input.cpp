#include "ui/input.h"

#include <windows.h>

#include "app/bound_functions.h"

namespace {

BYTE ResolveKey(const KeyArg& key) {
  if (auto* text = std::get_if<const char*>(&key)) {
    char first = *text ? (*text)[0] : 0;
    return static_cast<BYTE>(VkKeyScanExA(first, GetKeyboardLayout(0)) & 0xFF);
  }
  if (auto* code = std::get_if<std::int32_t>(&key)) return static_cast<BYTE>(*code & 0xFF);
  return 0;
}

}  // namespace

void LeftClick() {
  CallBoundFunction<MouseEventRow>(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  CallBoundFunction<MouseEventRow>(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void SimulateKeyPress(KeyArg key1, KeyArg key2, KeyArg key3) {
  const BYTE keys[3] = {ResolveKey(key1), ResolveKey(key2), ResolveKey(key3)};
  for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
    keybd_event(keys[0], 0, flags, 0);
    if (keys[1]) keybd_event(keys[1], 0, flags, 0);
    if (keys[2]) keybd_event(keys[2], 0, flags, 0);
  }
}
