#include "tests/support/input_observer.h"

namespace {
InputObserver* g_observer = nullptr;
}

InputObserver::InputObserver() {
  g_observer = this;
  WNDCLASSA wc{};
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "DriverClickTarget";
  RegisterClassA(&wc);
  target_ = CreateWindowExA(0, wc.lpszClassName, "click target", WS_POPUP | WS_VISIBLE | WS_BORDER, kLeft, kTop, kSize,
                            kSize, nullptr, nullptr, wc.hInstance, nullptr);
  hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
}

InputObserver::~InputObserver() {
  if (hook_) UnhookWindowsHookEx(hook_);
  if (target_) DestroyWindow(target_);
  g_observer = nullptr;
}

void InputObserver::AimAtTarget() const { SetCursorPos(kLeft + kSize / 2, kTop + kSize / 2); }

void InputObserver::Reset() {
  downs = ups = 0;
  downTimes.clear();
  keys.clear();
}

int InputObserver::KeyPresses(DWORD vk) const {
  int presses = 0;
  bool down = false;
  for (const KeyEventRecord& k : keys) {
    if (k.vk != vk) continue;
    if (!k.up) down = true;
    if (k.up && down) {
      ++presses;
      down = false;
    }
  }
  return presses;
}

LRESULT CALLBACK InputObserver::TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_observer && message == WM_LBUTTONDOWN) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    ++g_observer->downs;
    g_observer->downTimes.push_back(now.QuadPart);
  }
  if (g_observer && message == WM_LBUTTONUP) ++g_observer->ups;
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;  // clicks must not take the focus from the program
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK InputObserver::KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_observer) {
    auto* k = reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam);
    bool up = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
    g_observer->keys.push_back({k->vkCode, up, (k->flags & LLKHF_INJECTED) != 0});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void HoldKey(BYTE vk, bool down) { keybd_event(vk, 0, down ? 0 : KEYEVENTF_KEYUP, 0); }

void TapKey(BYTE vk) {
  HoldKey(vk, true);
  HoldKey(vk, false);
}

void ClickAt(int x, int y) {
  SetCursorPos(x, y);
  mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

void ClickWindow(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void ReleaseModifiers() {
  for (BYTE vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    if (GetAsyncKeyState(vk) < 0) HoldKey(vk, false);
  }
}
