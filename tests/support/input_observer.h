#pragma once
// Observes injected input for real: a window of the driver that counts the
// left clicks landing on it, and a low-level keyboard hook that records every
// key going down or up in the session.
#include <windows.h>

#include <vector>

struct KeyEventRecord {
  DWORD vk;
  bool up;
  bool injected;
};

class InputObserver {
 public:
  InputObserver();   // creates the click target at (kLeft, kTop) and installs the hook
  ~InputObserver();
  InputObserver(const InputObserver&) = delete;
  InputObserver& operator=(const InputObserver&) = delete;

  static constexpr int kLeft = 40, kTop = 40, kSize = 360;
  // Puts the cursor over the click target.
  void AimAtTarget() const;
  HWND target() const { return target_; }

  int downs = 0, ups = 0;
  std::vector<LONGLONG> downTimes;  // QueryPerformanceCounter at each press
  std::vector<KeyEventRecord> keys;
  void Reset();
  // Presses (down, then up) of `vk` recorded so far.
  int KeyPresses(DWORD vk) const;

 private:
  static LRESULT CALLBACK TargetProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK KeyboardHook(int, WPARAM, LPARAM);
  HWND target_ = nullptr;
  HHOOK hook_ = nullptr;
};

// Injected input from the driver, as a user would give it.
void TapKey(BYTE vk);
void HoldKey(BYTE vk, bool down);
void ClickAt(int x, int y);
// Clicks the centre of a window (of any process).
void ClickWindow(HWND hwnd);
// Releases keys a test might have left down.
void ReleaseModifiers();
