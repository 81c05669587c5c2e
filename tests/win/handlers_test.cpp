// The two windows' handlers in process, where the registry can be read.
#include <gtest/gtest.h>

#include "app/hotkeys.h"
#include "res/form_ids.h"
#include "tests/support/harness.h"
#include "tests/win/test_forms.h"
#include "ui/window_layer.h"

namespace {

HWND Button(WindowRef ref) { return GetWindowHandle(ref); }

LRESULT CALLBACK Ignore(HWND, UINT, WPARAM, LPARAM) { return 0; }

TEST(HandlersTest, ASwitchBackWithF4AcceptedMovesTheNextIdToThree) {
  UseTestForms();
  InitHotkeyRegistry();
  ASSERT_TRUE(LoadWindow(mouse_form::MouseWindow));
  ASSERT_EQ(HotkeyCount(), 1) << "F2 registered by MouseWindowCreated";
  SendMessageA(Button(mouse_form::按钮1), BM_CLICK, 0, 0);
  ASSERT_TRUE(IsWindowLoaded(key_form::KeyWindow));
  EXPECT_FALSE(IsWindowVisible(GetWindowHandle(mouse_form::MouseWindow)));
  SendMessageA(Button(key_form::按钮1), BM_CLICK, 0, 0);
  EXPECT_EQ(HotkeyCount(), 2) << "F4 on the KeyWindow being destroyed";
  PumpWaitingMessages();
  EXPECT_FALSE(IsWindowLoaded(key_form::KeyWindow));
  EXPECT_TRUE(IsWindowVisible(GetWindowHandle(mouse_form::MouseWindow)));

  HWND probe = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(RegisterHotKeyEx(probe, MOD_ALT | MOD_CONTROL, VK_F8, Ignore), 3);
  UnregisterHotKey(probe, 3);
  DestroyWindow(probe);
  DestroyWindow(GetWindowHandle(mouse_form::MouseWindow));
  FreeHotkeyRegistry();
}

TEST(HandlersTest, TheStateTestIsByteExact) {
  UseTestForms();
  InitHotkeyRegistry();
  ASSERT_TRUE(LoadWindow(mouse_form::MouseWindow));
  SetProperty(mouse_form::标签_工作状态, kClassProperty, "已停止 ");
  SendMessageA(GetWindowHandle(mouse_form::MouseWindow), WM_HOTKEY, 1, 0);
  EXPECT_EQ(WindowText(GetWindowHandle(mouse_form::标签_工作状态)), "已停止");
  EXPECT_EQ(std::get<std::int32_t>(GetProperty(mouse_form::时钟1, kClassProperty)), 0);
  SendMessageA(GetWindowHandle(mouse_form::MouseWindow), WM_HOTKEY, 1, 0);
  EXPECT_EQ(WindowText(GetWindowHandle(mouse_form::标签_工作状态)), "运行中");
  EXPECT_EQ(std::get<std::int32_t>(GetProperty(mouse_form::时钟1, kClassProperty)), 10);
  UnregisterHotKey(GetWindowHandle(mouse_form::MouseWindow), 1);
  DestroyWindow(GetWindowHandle(mouse_form::MouseWindow));
  FreeHotkeyRegistry();
}

}  // namespace
