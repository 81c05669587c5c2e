// KeyWindow: the key auto-presser. Its state lives in its controls: the key
// box, the interval box and the period of 时钟1.
#include "keys/key_window.h"

#include "app/heap.h"
#include "app/hotkeys.h"
#include "res/app_icon.h"
#include "res/form_ids.h"
#include "ui/input.h"
#include "ui/text_convert.h"
#include "ui/tray.h"
#include "ui/window_layer.h"

using namespace key_form;

namespace {

void CaptureKey(const EventArgs& e) {
  char* t = CharFromCode(e[0]);
  SetProperty(编辑框2, kClassProperty, t);
  FreeText(t);
}

void ApplyInterval(const EventArgs&) {
  char* s = GetTextProperty(编辑框1, kClassProperty);
  std::int32_t n = TextToInt(s ? s : "");
  FreeText(s);
  SetProperty(时钟1, kClassProperty, n);
}

void StopPressing(const EventArgs&) { SetProperty(时钟1, kClassProperty, 0); }

void PressTick(const EventArgs& e) {
  ApplyInterval(e);
  char* s = GetTextProperty(编辑框2, kClassProperty);
  std::int32_t k = CharCode(s ? s : "");
  FreeText(s);
  SimulateKeyPress(k);
}

void HideKeyWindowToTray(const EventArgs&) {
  SetTrayIcon(KeyWindow, ByteArray{AppIcon, kAppIconSize}, "最小化");
  SetProperty(KeyWindow, kVisibleProperty, false);
}

void RestoreKeyWindow(const EventArgs&) {
  SetProperty(KeyWindow, kVisibleProperty, true);
  SetTrayIcon(KeyWindow, "", "最小化");
}

void CloseBothWindows(const EventArgs&) {
  DestroyFormWindow(mouse_form::MouseWindow);
  DestroyFormWindow(KeyWindow);
}

LRESULT CALLBACK EmptyHotkeyCallback(HWND, UINT, WPARAM, LPARAM) { return 0; }

void SwitchToMouseWindow(const EventArgs&) {
  LoadWindow(mouse_form::MouseWindow);
  SetProperty(mouse_form::MouseWindow, kVisibleProperty, true);
  DestroyFormWindow(KeyWindow);
  HWND h = GetWindowHandle(KeyWindow);
  RegisterHotKeyEx(h, 0, VK_F4, EmptyHotkeyCallback);
}

// Closing KeyWindow by Esc or the system's request must not strand a
// MouseWindow that is hidden behind it (loaded, invisible, not in the tray):
// it is shown again, clicking or not.
void ReturnToMouseWindow(const EventArgs&) {
  using mouse_form::MouseWindow;
  if (IsWindowLoaded(MouseWindow) && !GetBoolProperty(MouseWindow, kVisibleProperty) && !HasTrayIcon(MouseWindow)) {
    SetProperty(MouseWindow, kVisibleProperty, true);
  }
}

}  // namespace

std::vector<HandlerEntry> KeyWindowHandlers() {
  return {{"CaptureKey", CaptureKey},
          {"ApplyInterval", ApplyInterval},
          {"StopPressing", StopPressing},
          {"PressTick", PressTick},
          {"HideKeyWindowToTray", HideKeyWindowToTray},
          {"RestoreKeyWindow", RestoreKeyWindow},
          {"CloseBothWindows", CloseBothWindows},
          {"SwitchToMouseWindow", SwitchToMouseWindow},
          {"ReturnToMouseWindow", ReturnToMouseWindow}};
}
