// The driver acts as a user on the real clicker.exe: it presses hotkeys,
// clicks buttons and the tray icon, types into the boxes, and counts the
// clicks and key presses that arrive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/error_text.h"
#include "tests/support/harness.h"
#include "tests/support/input_observer.h"

#include <psapi.h>

std::string g_clickerPath;  // set by main

namespace {

// Control identifiers a load gives: 100 for the last unit of the list, then up in tens.
namespace mouse_ids {
constexpr int kStatus = 100, kSwitch = 130, kClose = 140, kHide = 150;
}
namespace key_ids {
constexpr int kSwitch = 100, kInterval = 130, kStart = 150, kStop = 160, kClose = 170, kHide = 180, kKeyBox = 210;
}

constexpr DWORD kStartupMs = 180000;  // the 32-bit program starts under emulation

class ClickerTest : public testing::Test {
 protected:
  void SetUp() override {
    observer_ = std::make_unique<InputObserver>();
    observer_->AimAtTarget();
    ASSERT_TRUE(clicker_.Start("\"" + g_clickerPath + "\"")) << g_clickerPath;
    pid_ = clicker_.info.dwProcessId;
    mouse_ = FindProcessWindow(pid_, "ClickerForm", "Korvelin", kStartupMs);
    ASSERT_NE(mouse_, nullptr) << "MouseWindow did not appear";
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(mouse_) != FALSE; }, 10000));
    PumpFor(200);
  }

  void TearDown() override {
    ReleaseModifiers();
    clicker_.Kill();
    PumpFor(100);
  }

  // The text of a control once it reads `expected`, or what it reads after
  // `ms`: the emulated 32-bit program can be slow to get there.
  static std::string TextOf(HWND form, int id, const std::string& expected, DWORD ms = 15000) {
    std::string text;
    PumpUntil([&] { return (text = WindowText(GetDlgItem(form, id))) == expected; }, ms);
    return text;
  }
  std::string Status() { return WindowText(GetDlgItem(mouse_, mouse_ids::kStatus)); }

  HWND KeyWindow(DWORD waitMs = 10000) { return FindProcessWindow(pid_, "ClickerForm", "", waitMs); }

  bool WaitGone(HWND hwnd) {
    return PumpUntil([&] { return !IsWindow(hwnd); }, 10000);
  }

  void PressF2() {
    TapKey(VK_F2);
    PumpFor(300);
  }

  // Clicks counted at the target over `ms`.
  int ClicksDuring(DWORD ms) {
    observer_->AimAtTarget();
    observer_->Reset();
    PumpFor(ms);
    return observer_->downs;
  }

  HWND Focused() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(mouse_, nullptr), &info);
    return info.hwndFocus;
  }

  HWND SwitchToKeys() {
    ClickWindow(GetDlgItem(mouse_, mouse_ids::kSwitch));
    HWND keys = KeyWindow();
    if (keys) PumpUntil([&] { return IsWindowVisible(keys) != FALSE; }, 10000);
    observer_->AimAtTarget();
    return keys;
  }

  // Presses `vk` in KeyWindow's key box; returns the box.
  static HWND ChooseKey(HWND keys, BYTE vk) {
    HWND box = GetDlgItem(keys, key_ids::kKeyBox);
    ClickWindow(box);
    PumpFor(200);
    TapKey(vk);
    PumpFor(200);
    return box;
  }

  std::unique_ptr<InputObserver> observer_;
  ChildProcess clicker_;
  DWORD pid_ = 0;
  HWND mouse_ = nullptr;
};

TEST_F(ClickerTest, StartsStoppedCentredOnTopAndWithoutFrame) {
  EXPECT_EQ(Status(), "已停止");
  EXPECT_EQ(ClicksDuring(500), 0);
  RECT r;
  GetWindowRect(mouse_, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 260) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 170) / 2);
  EXPECT_EQ(r.right - r.left, 260);
  EXPECT_EQ(r.bottom - r.top, 170);
  auto style = static_cast<DWORD>(GetWindowLongPtrA(mouse_, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX), 0u);
  EXPECT_NE(GetWindowLongPtrA(mouse_, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(ClickerTest, ArgumentsAndTheWorkingDirectoryChangeNothing) {
  clicker_.Kill();
  ChildProcess other;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  ASSERT_TRUE(other.Start("\"" + g_clickerPath + "\" /x --y z", temp));
  HWND window = FindProcessWindow(other.info.dwProcessId, "ClickerForm", "Korvelin", kStartupMs);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(TextOf(window, mouse_ids::kStatus, "已停止"), "已停止");
  ClickWindow(GetDlgItem(window, mouse_ids::kClose));
  EXPECT_EQ(other.WaitForExit(10000), 0u);
}

TEST_F(ClickerTest, TheManifestAndTheVersionBlockTakeEffect) {
  HMODULE modules[512];
  DWORD bytes = 0;
  ASSERT_TRUE(K32EnumProcessModules(clicker_.info.hProcess, modules, sizeof modules, &bytes));
  bool visualStyles = false;
  for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
    char name[MAX_PATH] = {};
    K32GetModuleFileNameExA(clicker_.info.hProcess, modules[i], name, MAX_PATH);
    std::string path = CharLowerA(name);
    if (path.find("comctl32") != std::string::npos && path.find("common-controls") != std::string::npos) {
      visualStyles = true;  // the side-by-side 6.0 assembly, not the system's 5.8
    }
  }
  EXPECT_TRUE(visualStyles) << "Common-Controls 6 is not loaded";

  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeA(g_clickerPath.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(g_clickerPath.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  char* description = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080404B0\\FileDescription",
                             reinterpret_cast<void**>(&description), &length));
  EXPECT_STREQ(description, "鼠标连点器");
}

TEST_F(ClickerTest, F2StartsAndStopsClickingAtTheCursor) {
  PressF2();
  EXPECT_EQ(Status(), "运行中");
  int clicks = ClicksDuring(2000);
  EXPECT_GT(clicks, 100) << "about 100 per second expected";
  EXPECT_LE(clicks, 210);
  EXPECT_LE(observer_->ups - observer_->downs, 1);
  PressF2();
  EXPECT_EQ(Status(), "已停止");
  PumpFor(100);
  EXPECT_EQ(ClicksDuring(500), 0);
}

TEST_F(ClickerTest, HideToTrayKeepsClickingAndTheTrayIconRestores) {
  PressF2();
  ClickWindow(GetDlgItem(mouse_, mouse_ids::kHide));
  observer_->AimAtTarget();  // the program's own clicks follow the cursor
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(mouse_); }, 5000));
  PumpFor(1500);
  HWND tray = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (tray = FindWindowA("__winex11_standalone_tray", nullptr)) != nullptr; }, 5000))
      << "no tray window";
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tray) != FALSE; }, 5000));
  EXPECT_GT(ClicksDuring(1000), 40) << "clicking goes on in the tray";
  PressF2();
  EXPECT_EQ(Status(), "已停止");
  EXPECT_EQ(ClicksDuring(300), 0);
  PressF2();
  PumpFor(300);
  EXPECT_EQ(Status(), "运行中");

  // Wine's tray takes X-level clicks only; the first icon's centre is at client point 10,10.
  POINT icon{10, 10};
  ClientToScreen(tray, &icon);
  ASSERT_TRUE(RunUnixCommand("Z:\\usr\\bin\\xdotool mousemove " + std::to_string(icon.x) + " " +
                             std::to_string(icon.y) + " click 1"));
  observer_->AimAtTarget();
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(mouse_) != FALSE; }, 8000));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(tray) || !IsWindowVisible(tray); }, 8000)) << "the icon is removed";
  PumpFor(1500);
  EXPECT_GT(ClicksDuring(1000), 40);
}

TEST_F(ClickerTest, CloseWhileClickingEndsWithZero) {
  PressF2();
  ClickWindow(GetDlgItem(mouse_, mouse_ids::kClose));
  EXPECT_EQ(clicker_.WaitForExit(10000), 0u);
}

TEST_F(ClickerTest, EscWithoutModifiersClosesTheActiveWindow) {
  ClickWindow(GetDlgItem(mouse_, mouse_ids::kStatus));  // activates the window
  PumpFor(200);
  for (BYTE modifier : {BYTE{VK_CONTROL}, BYTE{VK_SHIFT}, BYTE{VK_MENU}}) {
    HoldKey(modifier, true);
    TapKey(VK_ESCAPE);
    HoldKey(modifier, false);
    PumpFor(300);
    ASSERT_TRUE(IsWindow(mouse_)) << "modifier " << int(modifier) << " + Esc closed the window";
  }
  ClickWindow(GetDlgItem(mouse_, mouse_ids::kStatus));
  PumpFor(200);
  TapKey(VK_ESCAPE);
  EXPECT_EQ(clicker_.WaitForExit(10000), 0u);
}

TEST_F(ClickerTest, TabCyclesTheMouseWindowButtons) {
  ClickWindow(GetDlgItem(mouse_, mouse_ids::kStatus));
  PumpFor(200);
  const int forward[] = {130, 140, 150, 130};
  for (int id : forward) {
    TapKey(VK_TAB);
    PumpFor(150);
    EXPECT_EQ(Focused(), GetDlgItem(mouse_, id)) << "Tab to " << id;
  }
  HoldKey(VK_SHIFT, true);
  TapKey(VK_TAB);
  HoldKey(VK_SHIFT, false);
  PumpFor(150);
  EXPECT_EQ(Focused(), GetDlgItem(mouse_, 150)) << "Shift+Tab from 按钮1 wraps to 按钮3";
}

TEST_F(ClickerTest, SwitchesToKeyWindowAndBackKeepingTheClickingState) {
  RECT mouseRect;
  GetWindowRect(mouse_, &mouseRect);
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  EXPECT_FALSE(IsWindowVisible(mouse_));
  RECT keyRect;
  GetWindowRect(keys, &keyRect);
  EXPECT_TRUE(EqualRect(&mouseRect, &keyRect));
  EXPECT_EQ(GetWindowLongPtrA(keys, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(TextOf(keys, key_ids::kInterval, "50"), "50");
  EXPECT_EQ(WindowText(GetDlgItem(keys, key_ids::kKeyBox)), "");
  PressF2();
  EXPECT_EQ(Status(), "运行中") << "F2 toggles behind KeyWindow";
  EXPECT_GT(ClicksDuring(1000), 40) << "clicking goes on behind KeyWindow";

  // While clicking, the program's own clicks follow the cursor. KeyWindow's
  // switch button (y 128 to 153) overlaps MouseWindow's (y 120 to 145): click it
  // below the overlap, where the clicks that follow find no button.
  SetWindowTextA(GetDlgItem(keys, key_ids::kInterval), "77");
  ClickAt(keyRect.left + 129, keyRect.top + 150);
  observer_->AimAtTarget();
  ASSERT_TRUE(WaitGone(keys));
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(mouse_) != FALSE; }, 15000));
  EXPECT_EQ(Status(), "运行中");
  PumpFor(1000);
  EXPECT_GT(ClicksDuring(1000), 40);
  PressF2();
  EXPECT_EQ(Status(), "已停止");

  HWND fresh = SwitchToKeys();
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(TextOf(fresh, key_ids::kInterval, "50"), "50") << "a fresh KeyWindow";
  EXPECT_EQ(WindowText(GetDlgItem(fresh, key_ids::kKeyBox)), "");
}

TEST_F(ClickerTest, SwitchesBothWaysWithTheMouse) {
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  EXPECT_FALSE(IsWindowVisible(mouse_));
  EXPECT_EQ(TextOf(keys, key_ids::kInterval, "50"), "50");
  ClickWindow(GetDlgItem(keys, key_ids::kSwitch));
  observer_->AimAtTarget();
  ASSERT_TRUE(WaitGone(keys));
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(mouse_) != FALSE; }, 15000));
  EXPECT_EQ(Status(), "已停止");
  PressF2();
  EXPECT_EQ(TextOf(mouse_, mouse_ids::kStatus, "运行中"), "运行中") << "F2 still toggles";
  EXPECT_GT(ClicksDuring(1000), 40);
}

TEST_F(ClickerTest, KeyBoxShowsTheReleasedKey) {
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  HWND box = ChooseKey(keys, 'A');
  EXPECT_EQ(WindowText(box), "A");
  HoldKey(VK_SHIFT, true);
  TapKey('A');
  PumpFor(200);
  EXPECT_EQ(WindowText(box), "A") << "with Shift held";
  HoldKey(VK_SHIFT, false);
  PumpFor(200);
  EXPECT_EQ(WindowText(box), "\x10") << "releasing Shift leaves its own code";
  TapKey(VK_NUMPAD5);
  PumpFor(200);
  EXPECT_EQ(WindowText(box), "5");
  TapKey(VK_F1);
  PumpFor(200);
  EXPECT_EQ(WindowText(box), "p");
}

TEST_F(ClickerTest, PressesTheChosenKeyAtTheInterval) {
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  ASSERT_EQ(WindowText(ChooseKey(keys, 'A')), "A");

  ClickWindow(GetDlgItem(keys, key_ids::kStart));
  PumpFor(300);
  observer_->Reset();
  PumpFor(2000);
  int presses = observer_->KeyPresses('A');
  EXPECT_GE(presses, 25) << "about 20 per second at 50 ms";
  EXPECT_LE(presses, 45);

  SetWindowTextA(GetDlgItem(keys, key_ids::kInterval), "200");
  PumpFor(400);
  observer_->Reset();
  PumpFor(2000);
  presses = observer_->KeyPresses('A');
  EXPECT_GE(presses, 6) << "the edited interval takes effect at the next tick";
  EXPECT_LE(presses, 12);

  ClickWindow(GetDlgItem(keys, key_ids::kStop));
  PumpFor(400);
  observer_->Reset();
  PumpFor(800);
  EXPECT_EQ(observer_->KeyPresses('A'), 0) << "停止模拟 stops";

  // Slow ticks first, so that no press is on its way when the box is cleared.
  SetWindowTextA(GetDlgItem(keys, key_ids::kInterval), "1000");
  ClickWindow(GetDlgItem(keys, key_ids::kStart));
  PumpFor(1500);
  SetWindowTextA(GetDlgItem(keys, key_ids::kInterval), "");
  observer_->Reset();
  PumpFor(2500);
  EXPECT_EQ(observer_->KeyPresses('A'), 1) << "clearing the interval stops after one last press";
  for (const KeyEventRecord& k : observer_->keys) EXPECT_EQ(k.vk, DWORD{'A'});
}

TEST_F(ClickerTest, CloseOfKeyWindowEndsTheProgramWhileBothRun) {
  PressF2();
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  ClickWindow(GetDlgItem(keys, key_ids::kStart));
  PumpFor(300);
  ClickWindow(GetDlgItem(keys, key_ids::kClose));
  EXPECT_EQ(clicker_.WaitForExit(10000), 0u);
}

TEST_F(ClickerTest, EscOnKeyWindowBringsMouseWindowBack) {
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  ClickWindow(GetDlgItem(keys, key_ids::kStart));  // focus inside KeyWindow
  PumpFor(200);
  ClickWindow(GetDlgItem(keys, key_ids::kStop));
  PumpFor(200);
  TapKey(VK_ESCAPE);
  ASSERT_TRUE(WaitGone(keys)) << "Esc closes KeyWindow";
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(mouse_) != FALSE; }, 5000)) << "MouseWindow is shown again";
  PressF2();
  EXPECT_EQ(Status(), "运行中");
  EXPECT_GT(ClicksDuring(1000), 40);
}

TEST_F(ClickerTest, TabCyclesTheKeyWindowControls) {
  HWND keys = SwitchToKeys();
  ASSERT_NE(keys, nullptr);
  ClickWindow(GetDlgItem(keys, key_ids::kStop));
  PumpFor(200);
  ASSERT_EQ(Focused(), GetDlgItem(keys, key_ids::kStop));
  // From 按钮3 on: 按钮4, 按钮5, 编辑框2, 按钮1, 编辑框1, 按钮2, 按钮3.
  const int forward[] = {170, 180, 210, 100, 130, 150, 160};
  for (int id : forward) {
    TapKey(VK_TAB);
    PumpFor(150);
    EXPECT_EQ(Focused(), GetDlgItem(keys, id)) << "Tab to " << id;
  }
  const int backward[] = {150, 130, 100, 210};
  for (int id : backward) {
    HoldKey(VK_SHIFT, true);
    TapKey(VK_TAB);
    HoldKey(VK_SHIFT, false);
    PumpFor(150);
    EXPECT_EQ(Focused(), GetDlgItem(keys, id)) << "Shift+Tab to " << id;
  }
}

struct HotkeyErrorCase {
  WPARAM wParam;
  int code;
};

class HotkeyErrorTest : public ClickerTest, public testing::WithParamInterface<HotkeyErrorCase> {};

TEST_P(HotkeyErrorTest, OutOfRangeIdShowsTheErrorBoxAndEndsWithMinusOne) {
  PostMessageA(mouse_, WM_HOTKEY, GetParam().wParam, 0);
  HWND box = FindErrorBox(pid_, 30000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), BuildErrorText(ErrorCodeMessage(GetParam().code), GetParam().code));
  DismissBox(box);
  EXPECT_EQ(clicker_.WaitForExit(10000), 0xFFFFFFFFu);
}

INSTANTIATE_TEST_SUITE_P(Ids, HotkeyErrorTest,
                         testing::Values(HotkeyErrorCase{0, 4}, HotkeyErrorCase{0x80000001u, 4},
                                         HotkeyErrorCase{2, 1}, HotkeyErrorCase{0x7FFFFFFF, 1}));

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  g_clickerPath = ProgramDirectory() + "\\clicker.exe";
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--clicker=", 0) == 0) g_clickerPath = arg.substr(10);
  }
  return RUN_ALL_TESTS();
}
