// Injected input, observed by low-level hooks on a thread of their own.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "app/bound_functions.h"
#include "tests/support/harness.h"
#include "ui/input.h"

namespace {

struct Seen {
  DWORD code;  // virtual key, or the mouse message
  bool up;
  POINT at;
};

class HookThread {
 public:
  HookThread() {
    thread_ = std::thread([this] { Run(); });
    while (!ready_) Sleep(5);
  }
  ~HookThread() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  std::vector<Seen> Take() {
    PumpFor(300);  // the hooks see the events while the injecting thread waits
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(seen_, {});
  }

 private:
  void Run() {
    threadId_ = GetCurrentThreadId();
    self_ = this;
    HHOOK keys = SetWindowsHookExA(WH_KEYBOARD_LL, KeyHook, GetModuleHandleA(nullptr), 0);
    HHOOK mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, GetModuleHandleA(nullptr), 0);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    ready_ = true;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    UnhookWindowsHookEx(keys);
    UnhookWindowsHookEx(mouse);
  }
  static LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
      auto* k = reinterpret_cast<KBDLLHOOKSTRUCT*>(lParam);
      std::lock_guard<std::mutex> lock(self_->mutex_);
      self_->seen_.push_back({k->vkCode, wParam == WM_KEYUP || wParam == WM_SYSKEYUP, {}});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && (wParam == WM_LBUTTONDOWN || wParam == WM_LBUTTONUP)) {
      auto* m = reinterpret_cast<MSLLHOOKSTRUCT*>(lParam);
      std::lock_guard<std::mutex> lock(self_->mutex_);
      self_->seen_.push_back({static_cast<DWORD>(wParam), wParam == WM_LBUTTONUP, m->pt});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline HookThread* self_ = nullptr;
  std::thread thread_;
  std::atomic<bool> ready_{false};
  DWORD threadId_ = 0;
  std::mutex mutex_;
  std::vector<Seen> seen_;
};

TEST(InputTest, LeftClickIsOnePressAndOneReleaseWhereTheCursorIs) {
  HookThread hooks;
  SetCursorPos(700, 300);
  PumpFor(100);
  hooks.Take();
  LeftClick();
  std::vector<Seen> seen = hooks.Take();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].code, DWORD{WM_LBUTTONDOWN});
  EXPECT_EQ(seen[1].code, DWORD{WM_LBUTTONUP});
  for (const Seen& s : seen) {
    EXPECT_EQ(s.at.x, 700);
    EXPECT_EQ(s.at.y, 300);
  }
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.x, 700) << "the cursor did not move";
}

struct KeyCase {
  const char* name;
  KeyArg key1, key2, key3;
  std::vector<std::pair<DWORD, bool>> expected;  // (virtual key, up)
};

TEST(InputTest, KeysArePressedInOrderThenReleasedInTheSameOrder) {
  const KeyCase cases[] = {
      {"17, 67, absent", 17, 67, {}, {{17, false}, {67, false}, {17, true}, {67, true}}},
      {"17, absent, 67", 17, {}, 67, {{17, false}, {67, false}, {17, true}, {67, true}}},
      {"17, 0, 0", 17, 0, 0, {{17, false}, {17, true}}},
      {"65", 65, {}, {}, {{65, false}, {65, true}}},
      {"321", 321, {}, {}, {{65, false}, {65, true}}},
      {"-80", -80, {}, {}, {{176, false}, {176, true}}},
      {"text a", "a", {}, {}, {{'A', false}, {'A', true}}},
      {"text A", "A", {}, {}, {{'A', false}, {'A', true}}},
  };
  HookThread hooks;
  for (const KeyCase& c : cases) {
    hooks.Take();
    SimulateKeyPress(c.key1, c.key2, c.key3);
    std::vector<Seen> seen = hooks.Take();
    std::vector<std::pair<DWORD, bool>> got;
    for (const Seen& s : seen) got.emplace_back(s.code, s.up);
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

}  // namespace
