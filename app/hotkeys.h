#pragma once
// System-wide hotkeys with one callback each, dispatched from the window
// procedure installed on the window of the first successful registration.
#include <windows.h>

#include <cstdint>

using HotkeyCallback = WNDPROC;

void InitHotkeyRegistry();
// The new hotkey's id (1, 2, ... in order of success), or 0 when the system refused it.
std::int32_t RegisterHotKeyEx(HWND window, std::uint32_t modifiers, std::uint32_t key, HotkeyCallback callback);
LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void FreeHotkeyRegistry();

// Number of successful registrations so far (the id given last).
std::int32_t HotkeyCount();
