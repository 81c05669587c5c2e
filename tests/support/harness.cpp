#include "tests/support/harness.h"

#include <cstdio>

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, DWORD ms) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= ms) return done();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

bool ChildProcess::Start(const std::string& commandLine, const char* directory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory, &startup, &info)) {
    return false;
  }
  // Should the driver itself die, the program it started goes with it.
  job = CreateJobObjectA(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  AssignProcessToJobObject(job, info.hProcess);
  return true;
}

DWORD ChildProcess::WaitForExit(DWORD ms) {
  DWORD code = STILL_ACTIVE;
  if (!info.hProcess) return code;
  PumpUntil([&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }, ms);
  GetExitCodeProcess(info.hProcess, &code);
  return code;
}

void ChildProcess::Kill() {
  if (info.hProcess && WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(info.hProcess, 99);
    WaitForSingleObject(info.hProcess, 5000);
  }
}

ChildProcess::~ChildProcess() {
  if (info.hProcess && WaitForSingleObject(info.hProcess, 0) != WAIT_FAILED) Kill();
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  if (job) CloseHandle(job);
}

namespace {
struct Search {
  DWORD processId;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->processId) return TRUE;
  char cls[128] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  if (!search->className || lstrcmpA(cls, search->className) == 0) search->found.push_back(hwnd);
  return TRUE;
}
}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className) {
  Search search{processId, className, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND hwnd) {
  char text[1024] = {};
  // WM_GETTEXT reaches windows of other processes too.
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
  return text;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* title, DWORD waitMs) {
  HWND result = nullptr;
  PumpUntil(
      [&] {
        for (HWND hwnd : TopLevelWindows(processId, className)) {
          if (!title || WindowText(hwnd) == title) {
            result = hwnd;
            return true;
          }
        }
        return false;
      },
      waitMs);
  return result;
}

HWND FindErrorBox(DWORD processId, DWORD ms) { return FindProcessWindow(processId, "#32770", "错误", ms); }

std::string MessageBoxText(HWND box) {
  // The message is the box's static control of id 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : std::string();
}

void DismissBox(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

std::string ProgramDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p = path;
  return p.substr(0, p.find_last_of('\\'));
}

bool RunUnixCommand(const std::string& commandLine) {
  ChildProcess process;
  if (!process.Start(commandLine)) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", commandLine.c_str(), GetLastError());
    return false;
  }
  // Wine gives no waitable handle for a Unix process; an X tool is done well within this.
  PumpFor(700);
  return true;
}
