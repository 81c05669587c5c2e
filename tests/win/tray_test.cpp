// The tray icon: the records sent to the shell (read through the seam), the
// icon handles, and the tray events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/app_icon.h"
#include "tests/support/harness.h"
#include "tests/win/test_forms.h"
#include "ui/gdi_resources.h"
#include "ui/tray.h"
#include "ui/window_layer.h"

namespace {

struct Call {
  DWORD command;
  NOTIFYICONDATAA record;
};
std::vector<Call> g_calls;

BOOL WINAPI RecordNotify(DWORD command, PNOTIFYICONDATAA record) {
  g_calls.push_back({command, *record});
  return TRUE;
}

const ByteArray kIcon{AppIcon, kAppIconSize};

class TrayTest : public testing::Test {
 protected:
  void SetUp() override {
    NotifyIcon = RecordNotify;
    UseTestForms();
    ASSERT_TRUE(LoadWindow(kTestWindow));
    hwnd_ = GetWindowHandle(kTestWindow);
    g_calls.clear();
    EventLog().clear();
  }
  void TearDown() override {
    if (IsWindowLoaded(kTestWindow)) DestroyWindow(hwnd_);
    NotifyIcon = &Shell_NotifyIconA;
  }
  HWND hwnd_ = nullptr;
};

TEST_F(TrayTest, AddingSendsOneCompleteRecord) {
  SetTrayIcon(kTestWindow, kIcon, "最小化");
  ASSERT_EQ(g_calls.size(), 1u);
  const NOTIFYICONDATAA& r = g_calls[0].record;
  EXPECT_EQ(g_calls[0].command, DWORD{NIM_ADD});
#ifndef _WIN64
  EXPECT_EQ(r.cbSize, 88u);
#endif
  EXPECT_EQ(r.cbSize, DWORD{NOTIFYICONDATAA_V1_SIZE});
  EXPECT_EQ(r.hWnd, hwnd_);
  EXPECT_EQ(r.uID, 100u);
  EXPECT_EQ(r.uFlags, 7u);
  EXPECT_EQ(r.uCallbackMessage, 0x8064u);
  EXPECT_STREQ(r.szTip, "最小化");
  SIZE size = IconSize(r.hIcon);
  EXPECT_EQ(size.cx, 128);
  EXPECT_EQ(size.cy, 128);
  EXPECT_TRUE(HasTrayIcon(kTestWindow));
}

TEST_F(TrayTest, ReplacingModifiesAndDestroysTheOldHandle) {
  SetTrayIcon(kTestWindow, kIcon, "最小化");
  HICON first = g_calls[0].record.hIcon;
  SetTrayIcon(kTestWindow, kIcon, "again");
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].command, DWORD{NIM_MODIFY});
  ICONINFO info;
  EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced icon is destroyed";
  SetTrayIcon(kTestWindow, "", "最小化");
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[2].command, DWORD{NIM_DELETE});
  EXPECT_EQ(g_calls[2].record.uFlags, 0u);
  EXPECT_FALSE(HasTrayIcon(kTestWindow));
  SetTrayIcon(kTestWindow, "", "最小化");
  EXPECT_EQ(g_calls.size(), 3u) << "nothing to remove, nothing called";
}

TEST_F(TrayTest, TipsAreCutAt62BytesAndAbsentTipsAreEmpty) {
  std::string tip(70, 'x');
  SetTrayIcon(kTestWindow, kIcon, tip.c_str());
  EXPECT_EQ(std::string(g_calls[0].record.szTip), std::string(62, 'x'));
  SetTrayIcon(kTestWindow, kIcon);
  EXPECT_STREQ(g_calls[1].record.szTip, "");
}

TEST_F(TrayTest, UnusableBytesRemoveTheIcon) {
  SetTrayIcon(kTestWindow, kIcon, "t");
  unsigned char bad[kAppIconSize];
  std::copy(AppIcon, AppIcon + kAppIconSize, bad);
  bad[2] = 3;  // type 3 is no icon
  SetTrayIcon(kTestWindow, ByteArray{bad, sizeof bad}, "t");
  EXPECT_EQ(g_calls.back().command, DWORD{NIM_DELETE});
  SetTrayIcon(kTestWindow, "Z:\\no\\such\\file.ico", "t");
  EXPECT_EQ(g_calls.size(), 2u);
}

TEST_F(TrayTest, AFileIsReadWhole) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = std::string(temp) + "tray_test.ico";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, AppIcon, static_cast<DWORD>(kAppIconSize), &written, nullptr);
  CloseHandle(file);
  SetTrayIcon(kTestWindow, path.c_str(), "file");
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].command, DWORD{NIM_ADD});
  DeleteFileA(path.c_str());
}

TEST_F(TrayTest, MouseMessagesMapToEventKinds) {
  const struct {
    LPARAM mouse;
    int kind;  // 0: no event
  } cases[] = {{WM_LBUTTONUP, 1}, {WM_LBUTTONDBLCLK, 2}, {WM_RBUTTONUP, 3}, {WM_CONTEXTMENU, 3},
               {WM_MOUSEMOVE, 0}, {WM_LBUTTONDOWN, 0}, {WM_RBUTTONDOWN, 0}, {WM_MBUTTONUP, 0}};
  for (const auto& c : cases) {
    EventLog().clear();
    SendMessageA(hwnd_, kTrayCallbackMessage, kTrayIconId, c.mouse);
    if (c.kind == 0) {
      EXPECT_TRUE(EventLog().empty()) << c.mouse;
    } else {
      ASSERT_EQ(EventLog().size(), 1u) << c.mouse;
      EXPECT_EQ(EventLog()[0].event, Event::kTray);
      EXPECT_EQ(EventLog()[0].args, (std::vector<std::int32_t>{c.kind}));
    }
  }
}

TEST_F(TrayTest, DestroyingTheWindowRemovesItsIcon) {
  SetTrayIcon(kTestWindow, kIcon, "t");
  DestroyWindow(hwnd_);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].command, DWORD{NIM_DELETE});
  EXPECT_EQ(unique_hicon::live, 0);
}

TEST_F(TrayTest, AShellRestartAddsTheIconAgain) {
  SetTrayIcon(kTestWindow, kIcon, "最小化");
  SendMessageA(hwnd_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].command, DWORD{NIM_ADD});
  EXPECT_EQ(g_calls[1].record.hIcon, g_calls[0].record.hIcon);
  EXPECT_STREQ(g_calls[1].record.szTip, "最小化");
  SetTrayIcon(kTestWindow, "", nullptr);
  g_calls.clear();
  SendMessageA(hwnd_, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(g_calls.empty()) << "no icon, nothing to add";
}

// The same path for real: Wine's own tray window shows the icon.
TEST_F(TrayTest, TheIconAppearsInTheRealTray) {
  NotifyIcon = &Shell_NotifyIconA;
  SetTrayIcon(kTestWindow, kIcon, "最小化");
  HWND tray = nullptr;
  EXPECT_TRUE(PumpUntil([&] { return (tray = FindWindowA("__winex11_standalone_tray", nullptr)) && IsWindowVisible(tray); }, 5000));
  SetTrayIcon(kTestWindow, "", "最小化");
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(tray) || !IsWindowVisible(tray); }, 5000));
}

}  // namespace
