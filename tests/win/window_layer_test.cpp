// The window layer on real windows: loads, destruction, properties, events.
#include <gtest/gtest.h>

#include "app/heap.h"
#include "app/runtime.h"
#include "res/form_ids.h"
#include "tests/support/harness.h"
#include "tests/win/test_forms.h"
#include "ui/form_window.h"
#include "ui/window_layer.h"

namespace {

class WindowLayerTest : public testing::Test {
 protected:
  void SetUp() override {
    UseTestForms();
    EventLog().clear();
    g_onButtonClick = nullptr;
    g_keyReleasedResult = 1;
  }
  void TearDown() override {
    if (IsWindowLoaded(kTestWindow)) DestroyWindow(GetWindowHandle(kTestWindow));
    PumpWaitingMessages();
  }
  static int Count(std::int32_t event) {
    int n = 0;
    for (const LoggedEvent& e : EventLog()) n += e.event == event && e.unitId == kTestWindow.unitId;
    return n;
  }
  HWND Load() {
    EXPECT_TRUE(LoadWindow(kTestWindow));
    return GetWindowHandle(kTestWindow);
  }
};

TEST_F(WindowLayerTest, LoadRaisesCreatedMovedResizedThenShows) {
  // LoadWindow(kTestWindow):
  const std::vector<LoggedEvent> expected = {
      {kTestWindow.unitId, Event::kCreated, {}},
      {kTestWindow.unitId, Event::kMoved, {}},
      {kTestWindow.unitId, Event::kResized, {}},
  };
  HWND hwnd = Load();
  std::vector<LoggedEvent> firstThree(EventLog().begin(), EventLog().begin() + std::min<std::size_t>(3, EventLog().size()));
  EXPECT_EQ(firstThree, expected) << Describe(EventLog());
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_EQ(Count(Event::kCreated), 1);
}

TEST_F(WindowLayerTest, ControlsGetIdsFromTheLastUnitAndStackInListOrder) {
  HWND hwnd = Load();
  const WindowRef units[] = {kTestLabel, kTestButton, kTestEdit, kTestTimer, kTestPicture, kTestSecondButton};
  const int ids[] = {150, 140, 130, 120, 110, 100};
  HWND child = GetWindow(hwnd, GW_CHILD);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(GetDlgCtrlID(GetWindowHandle(units[i])), ids[i]) << i;
    EXPECT_EQ(child, GetWindowHandle(units[i])) << "stacking place " << i;
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_FALSE(IsWindowVisible(GetWindowHandle(kTestTimer)));
  EXPECT_TRUE(IsWindowVisible(GetWindowHandle(kTestLabel)));
}

TEST_F(WindowLayerTest, BuildsTheWindowCentredFramelessAndExactlySized) {
  HWND hwnd = Load();
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 260) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 170) / 2);
  EXPECT_EQ(r.right - r.left, 260);
  EXPECT_EQ(r.bottom - r.top, 170);
  auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_BORDER), 0u);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0u);
  EXPECT_NE(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), 0);
  // The edit box grows to one line of its font; the picture box takes its picture's size.
  RECT edit;
  GetWindowRect(GetWindowHandle(kTestEdit), &edit);
  EXPECT_GT(edit.bottom - edit.top, 10);
  RECT pic;
  GetWindowRect(GetWindowHandle(kTestPicture), &pic);
  EXPECT_EQ(pic.right - pic.left, 128);
  auto ex = static_cast<DWORD>(GetWindowLongPtrA(GetWindowHandle(kTestEdit), GWL_EXSTYLE));
  EXPECT_NE(ex & WS_EX_CLIENTEDGE, 0u) << "the default sunken border";
}

TEST_F(WindowLayerTest, DeferredDestructionKeepsTheHandleUntilTheLoopRuns) {
  HWND hwnd = Load();
  DestroyFormWindow(kTestWindow);
  EXPECT_EQ(GetWindowHandle(kTestWindow), hwnd);
  EXPECT_TRUE(IsWindow(hwnd));
  DestroyFormWindow(kTestWindow);  // a second request: posted too, and does nothing
  PumpWaitingMessages();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindowLoaded(kTestWindow));
  EXPECT_EQ(Count(Event::kBeingDestroyed), 1);
}

TEST_F(WindowLayerTest, DestroyThenLoadInOneHandlerBuildsANewWindowAtOnce) {
  HWND old = Load();
  g_onButtonClick = [] {
    DestroyFormWindow(kTestWindow);
    LoadWindow(kTestWindow);
  };
  SendMessageA(GetWindowHandle(kTestButton), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(old));
  HWND fresh = GetWindowHandle(kTestWindow);
  EXPECT_NE(fresh, old);
  EXPECT_EQ(Count(Event::kCreated), 2);
  PumpWaitingMessages();  // the request posted for the old window finds nothing
  EXPECT_TRUE(IsWindowLoaded(kTestWindow));
  EXPECT_EQ(GetWindowHandle(kTestWindow), fresh);
}

TEST_F(WindowLayerTest, EveryLoadStartsFromTheStoredSettings) {
  Load();
  SetProperty(kTestWindow, kVisibleProperty, false);
  EXPECT_FALSE(GetBoolProperty(kTestWindow, kVisibleProperty));
  DestroyFormWindow(kTestWindow);
  PumpWaitingMessages();
  HWND again = Load();
  EXPECT_TRUE(IsWindowVisible(again)) << "visible again on the next load";
}

TEST_F(WindowLayerTest, LoadOfALoadedHiddenWindowActivatesItAndKeepsItHidden) {
  HWND hwnd = Load();
  SetProperty(kTestWindow, kVisibleProperty, false);
  EventLog().clear();
  EXPECT_TRUE(LoadWindow(kTestWindow));
  EXPECT_EQ(GetWindowHandle(kTestWindow), hwnd);
  EXPECT_EQ(Count(Event::kCreated), 0);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  SetProperty(kTestWindow, kVisibleProperty, true);
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST_F(WindowLayerTest, LabelCaptionReadsBackAsANewCopy) {
  Load();
  SetProperty(kTestLabel, kClassProperty, "运行中");
  char* first = GetTextProperty(kTestLabel, kClassProperty);
  char* second = GetTextProperty(kTestLabel, kClassProperty);
  ASSERT_NE(first, nullptr);
  EXPECT_STREQ(first, "运行中");
  EXPECT_NE(first, second);
  EXPECT_EQ(WindowText(GetWindowHandle(kTestLabel)), "运行中");
  FreeText(first);
  FreeText(second);
  SetProperty(kTestLabel, kClassProperty, "");
  EXPECT_EQ(GetTextProperty(kTestLabel, kClassProperty), nullptr) << "an empty text comes back absent";
}

TEST_F(WindowLayerTest, WritingEditContentRaisesContentChangedOnce) {
  Load();
  EventLog().clear();
  SetProperty(kTestEdit, kClassProperty, "42");
  int changes = 0;
  for (const LoggedEvent& e : EventLog()) changes += e.unitId == kTestEdit.unitId && e.event == Event::kContentChanged;
  EXPECT_EQ(changes, 1) << Describe(EventLog());
  char* text = GetTextProperty(kTestEdit, kClassProperty);
  EXPECT_STREQ(text, "42");
  FreeText(text);
}

TEST_F(WindowLayerTest, EventsAreDroppedWhileSuppressed) {
  Load();
  EventLog().clear();
  ++EventSuppressionCount;
  SendMessageA(GetWindowHandle(kTestButton), BM_CLICK, 0, 0);
  --EventSuppressionCount;
  EXPECT_TRUE(EventLog().empty());
  SendMessageA(GetWindowHandle(kTestButton), BM_CLICK, 0, 0);
  EXPECT_EQ(EventLog().size(), 1u);
}

TEST_F(WindowLayerTest, NoQuitIsPostedBeforeTheLoopHasStarted) {
  Load();
  DestroyWindow(GetWindowHandle(kTestWindow));
  ASSERT_FALSE(AnyWindowLoaded());
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the end rule waits for the loop";
}

TEST(RuntimeTest, StartUpMovesToTheExecutablesDirectory) {
  SetCurrentDirectoryA("C:\\");
  InitRuntimeWith({TestForm()}, TestHandlers());
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STREQ(current, ProgramDirectory().c_str());
  EXPECT_EQ(ExecutableDirectory(), ProgramDirectory());
  EXPECT_TRUE(IsWindow(HiddenOwnerWindow()));
}

TEST(RuntimeTest, SplittingThePathSkipsTrailBytes) {
  // 0x95 0x5C is one double-byte character whose trail byte is a backslash.
  EXPECT_EQ(SplitModulePath("C:\\dir\x95\\name.exe"), (std::pair<std::string, std::string>{"C:", "dir\x95\\name.exe"}));
  EXPECT_EQ(SplitModulePath("C:\\a\\b.exe"), (std::pair<std::string, std::string>{"C:\\a", "b.exe"}));
  EXPECT_EQ(SplitModulePath("b.exe"), (std::pair<std::string, std::string>{"", "b.exe"}));
}

TEST(RuntimeTest, AnExitRoutineIsListedOnce) {
  static int runs = 0;
  runs = 0;
  DiscardExitRoutines();
  RegisterExitRoutine([] { ++runs; });
  ExitRoutine counted = [] { runs += 10; };
  RegisterExitRoutine(counted);
  RegisterExitRoutine(counted);
  FinishProgram(0);
  EXPECT_EQ(runs, 11);
  InitRuntimeWith({TestForm()}, TestHandlers());  // the runtime again for the tests after
  --EventSuppressionCount;                        // FinishProgram raised it for good
}

TEST_F(WindowLayerTest, AWindowIdOfNoDescriptionDoesNotLoad) {
  EXPECT_FALSE(LoadWindow({0x12345678u, 0}));
  const WindowRef missingParent{0x12345678u, 0};
  EXPECT_FALSE(LoadWindow(kTestWindow, &missingParent));
  EXPECT_FALSE(IsWindowLoaded(kTestWindow));
}

// Keyboard handling, on messages as the loop would retrieve them.
MSG KeyMessage(HWND target, UINT message, WPARAM vk) {
  MSG msg{};
  msg.hwnd = target;
  msg.message = message;
  msg.wParam = vk;
  msg.lParam = message == WM_KEYUP || message == WM_SYSKEYUP ? static_cast<LPARAM>(0xC0000001) : 1;
  return msg;
}

TEST_F(WindowLayerTest, KeyReleasedCarriesTheTranslatedCode) {
  Load();
  HWND edit = GetWindowHandle(kTestEdit);
  const struct {
    UINT message;
    WPARAM vk;
    std::int32_t code;
  } cases[] = {{WM_KEYUP, VK_NUMPAD5, 0x35}, {WM_SYSKEYUP, VK_F10, 0x79}, {WM_KEYUP, VK_SUBTRACT, 0xBD},
               {WM_KEYUP, VK_SHIFT, 0x10}, {WM_KEYUP, 'A', 0x41}};
  for (const auto& c : cases) {
    EventLog().clear();
    MSG msg = KeyMessage(edit, c.message, c.vk);
    EXPECT_FALSE(FilterMessage(msg)) << "a handler result that is not 0 lets the key on";
    ASSERT_EQ(EventLog().size(), 1u);
    EXPECT_EQ(EventLog()[0].args, (std::vector<std::int32_t>{c.code, 0})) << c.vk;
  }
  g_keyReleasedResult = 0;
  MSG msg = KeyMessage(edit, WM_KEYUP, 'A');
  EXPECT_TRUE(FilterMessage(msg)) << "a result of 0 consumes the message";
}

TEST_F(WindowLayerTest, TabOrderRunsInReverseUnitOrderAndWraps) {
  HWND hwnd = Load();
  SetFocus(hwnd);
  // Tab candidates in list order: button, edit, second button; equal values reverse them.
  const WindowRef order[] = {kTestSecondButton, kTestEdit, kTestButton, kTestSecondButton};
  for (const WindowRef& next : order) {
    MSG tab = KeyMessage(GetFocus(), WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(FilterMessage(tab));
    EXPECT_EQ(GetFocus(), GetWindowHandle(next));
  }
}

TEST_F(WindowLayerTest, EscClosesTheWindowAtOnce) {
  HWND hwnd = Load();
  MSG esc = KeyMessage(GetWindowHandle(kTestButton), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_TRUE(FilterMessage(esc));
  EXPECT_FALSE(IsWindow(hwnd)) << "destroyed without waiting for the loop";
  EXPECT_FALSE(IsWindowLoaded(kTestWindow));
}

TEST_F(WindowLayerTest, EnterGoesOnToTheFocusedControl) {
  Load();
  SetFocus(GetWindowHandle(kTestButton));
  EventLog().clear();
  MSG enter = KeyMessage(GetWindowHandle(kTestButton), WM_KEYDOWN, VK_RETURN);
  EXPECT_FALSE(FilterMessage(enter));
  EXPECT_TRUE(EventLog().empty()) << "no default push button, no click";
}

TEST_F(WindowLayerTest, LoadAndDestroyCyclesLeaveNoObjectsBehind) {
  // Every live object, font, brush and icon a load makes goes with its window.
  ASSERT_TRUE(LoadWindow(kTestWindow));
  EXPECT_EQ(UnitObject::liveCount(), 7);
  EXPECT_GT(unique_hicon::live, 0);
  EXPECT_GT(unique_hbrush::live, 0);
  DestroyFormWindow(kTestWindow);
  PumpWaitingMessages();
  for (int i = 0; i < 500; ++i) {
    for (WindowRef window : {kTestWindow, mouse_form::MouseWindow, key_form::KeyWindow}) {
      ASSERT_TRUE(LoadWindow(window));
      DestroyFormWindow(window);
      PumpWaitingMessages();
      ASSERT_FALSE(IsWindowLoaded(window));
    }
  }
  EXPECT_EQ(UnitObject::liveCount(), 0);
  EXPECT_EQ(unique_hfont::live, 0);
  EXPECT_EQ(unique_hbrush::live, 0);
  EXPECT_EQ(unique_hicon::live, 0);
}

}  // namespace
