// MouseWindow: the start-up window and the mouse auto-clicker. The clicking
// state is the status caption itself, together with the timer's period.
#include "mouse/mouse_window.h"

#include "app/heap.h"
#include "app/hotkeys.h"
#include "res/app_icon.h"
#include "res/form_ids.h"
#include "ui/input.h"
#include "ui/text_convert.h"
#include "ui/tray.h"
#include "ui/window_layer.h"

using namespace mouse_form;

namespace {

void ToggleClicking() {
  char* caption = GetTextProperty(标签_工作状态, kClassProperty);
  bool stopped = CompareText(caption, "已停止") == 0;
  FreeText(caption);
  if (stopped) {
    SetProperty(标签_工作状态, kClassProperty, "运行中");
    SetProperty(时钟1, kClassProperty, 10);
  } else {
    SetProperty(标签_工作状态, kClassProperty, "已停止");
    SetProperty(时钟1, kClassProperty, 0);
  }
}

LRESULT CALLBACK ToggleClickingHotkey(HWND, UINT, WPARAM, LPARAM) {
  ToggleClicking();
  return 0;
}

void MouseWindowCreated(const EventArgs&) {
  HWND h = GetWindowHandle(MouseWindow);
  RegisterHotKeyEx(h, 0, VK_F2, ToggleClickingHotkey);
}

void ClickTick(const EventArgs&) { LeftClick(); }

void HideMouseWindowToTray(const EventArgs&) {
  SetTrayIcon(MouseWindow, ByteArray{AppIcon, kAppIconSize}, "最小化");
  SetProperty(MouseWindow, kVisibleProperty, false);
}

void RestoreMouseWindow(const EventArgs&) {
  SetProperty(MouseWindow, kVisibleProperty, true);
  SetTrayIcon(MouseWindow, "", "最小化");
}

void CloseMouseWindow(const EventArgs&) { DestroyFormWindow(MouseWindow); }

void SwitchToKeyWindow(const EventArgs&) {
  SetProperty(MouseWindow, kVisibleProperty, false);
  LoadWindow(key_form::KeyWindow);
}

}  // namespace

std::vector<HandlerEntry> MouseWindowHandlers() {
  return {{"MouseWindowCreated", MouseWindowCreated}, {"ClickTick", ClickTick},
          {"HideMouseWindowToTray", HideMouseWindowToTray}, {"RestoreMouseWindow", RestoreMouseWindow},
          {"CloseMouseWindow", CloseMouseWindow}, {"SwitchToKeyWindow", SwitchToKeyWindow}};
}
