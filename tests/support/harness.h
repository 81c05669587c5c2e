#pragma once
// What the Windows test programs share: launching a program, finding its
// windows and its error box, and pumping the driver's own messages meanwhile.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Dispatches this thread's messages for `ms` milliseconds.
void PumpFor(DWORD ms);
// Pumps until `done` holds or `ms` pass; returns `done()`.
bool PumpUntil(const std::function<bool()>& done, DWORD ms);

struct ChildProcess {
  PROCESS_INFORMATION info{};
  HANDLE job = nullptr;
  bool Start(const std::string& commandLine, const char* directory = nullptr);
  // Waits for the end; returns the exit code, or STILL_ACTIVE on time-out.
  DWORD WaitForExit(DWORD ms);
  void Kill();
  ~ChildProcess();
};

// The top-level windows of a process, optionally of one class.
std::vector<HWND> TopLevelWindows(DWORD processId, const char* className = nullptr);
// The first visible-or-not top-level window of the process with this class and title.
HWND FindProcessWindow(DWORD processId, const char* className, const char* title, DWORD waitMs);

std::string WindowText(HWND hwnd);

// The process's error box ("#32770" titled "错误"), waiting up to `ms`.
HWND FindErrorBox(DWORD processId, DWORD ms);
// The message of a box (its static text), as it was given to MessageBoxA.
std::string MessageBoxText(HWND box);
// Presses the box's OK button.
void DismissBox(HWND box);

// The directory of this test program.
std::string ProgramDirectory();

// Runs a command outside Wine (an X tool) and gives it time to finish.
bool RunUnixCommand(const std::string& commandLine);
