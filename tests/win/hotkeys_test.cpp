// The hotkey registry with real RegisterHotKey and real window procedures.
#include <gtest/gtest.h>

#include <vector>

#include "app/hotkeys.h"
#include "tests/support/harness.h"

namespace {

std::vector<UINT> g_seen;  // messages the replaced procedure received
int g_callbacks[3] = {0, 0, 0};

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  g_seen.push_back(message);
  if (message == WM_APP + 1) return 1234;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

template <int N>
LRESULT CALLBACK Callback(HWND, UINT, WPARAM, LPARAM) {
  ++g_callbacks[N];
  return 0;
}

HWND MakeWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "HotkeyTestWindow";
  RegisterClassA(&wc);
  return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

class HotkeyRegistryTest : public testing::Test {
 protected:
  void SetUp() override {
    InitHotkeyRegistry();
    g_seen.clear();
    for (int& c : g_callbacks) c = 0;
    first_ = MakeWindow();
    other_ = MakeWindow();
  }
  void TearDown() override {
    DestroyWindow(first_);
    DestroyWindow(other_);
    FreeHotkeyRegistry();
  }
  HWND first_ = nullptr, other_ = nullptr;
};

TEST_F(HotkeyRegistryTest, IdsCountFromOneAndARefusalTakesNone) {
  // Held elsewhere first, so the registry's attempt is refused.
  ASSERT_TRUE(RegisterHotKey(other_, 77, MOD_ALT | MOD_SHIFT, VK_F11));
  EXPECT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F11, Callback<0>), 0);
  EXPECT_EQ(HotkeyCount(), 0);
  EXPECT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F9, Callback<0>), 1);
  EXPECT_EQ(RegisterHotKeyEx(other_, MOD_ALT | MOD_SHIFT, VK_F10, Callback<1>), 2);
  EXPECT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F11, Callback<2>), 0);
  UnregisterHotKey(other_, 77);
  EXPECT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F11, Callback<2>), 3);
  UnregisterHotKey(first_, 1);
  UnregisterHotKey(other_, 2);
  UnregisterHotKey(first_, 3);
}

TEST_F(HotkeyRegistryTest, OnlyTheFirstWindowsProcedureIsReplaced) {
  ASSERT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F9, Callback<0>), 1);
  EXPECT_EQ(GetWindowLongPtrA(first_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&HotkeyWindowProc));
  ASSERT_EQ(RegisterHotKeyEx(other_, MOD_ALT | MOD_SHIFT, VK_F10, Callback<1>), 2);
  EXPECT_EQ(GetWindowLongPtrA(other_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&RecordingProc));
  UnregisterHotKey(first_, 1);
  UnregisterHotKey(other_, 2);
}

TEST_F(HotkeyRegistryTest, HotkeysReachTheirCallbacksAndNothingElse) {
  ASSERT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F9, Callback<0>), 1);
  ASSERT_EQ(RegisterHotKeyEx(first_, MOD_ALT | MOD_SHIFT, VK_F10, Callback<1>), 2);
  g_seen.clear();
  SendMessageA(first_, WM_HOTKEY, 2, 0);
  SendMessageA(first_, WM_HOTKEY, 1, 0);
  SendMessageA(first_, WM_HOTKEY, 2, 0);
  EXPECT_EQ(g_callbacks[0], 1);
  EXPECT_EQ(g_callbacks[1], 2);
  for (UINT m : g_seen) EXPECT_NE(m, UINT{WM_HOTKEY}) << "WM_HOTKEY reached the replaced procedure";
  EXPECT_EQ(SendMessageA(first_, WM_APP + 1, 5, 6), 1234) << "other messages pass with their result";
  ASSERT_FALSE(g_seen.empty());
  EXPECT_EQ(g_seen.back(), UINT{WM_APP + 1});
  UnregisterHotKey(first_, 1);
  UnregisterHotKey(first_, 2);
}

TEST_F(HotkeyRegistryTest, ARealKeyPressReachesTheCallback) {
  ASSERT_EQ(RegisterHotKeyEx(first_, 0, VK_F7, Callback<0>), 1);
  keybd_event(VK_F7, 0, 0, 0);
  keybd_event(VK_F7, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(PumpUntil([] { return g_callbacks[0] == 1; }, 3000));
  UnregisterHotKey(first_, 1);
}

}  // namespace
