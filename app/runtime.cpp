#include "app/runtime.h"

#include <ole2.h>

#include <algorithm>
#include <tuple>

#include "app/bound_functions.h"
#include "app/error_report.h"
#include "app/hotkeys.h"
#include "keys/key_window.h"
#include "mouse/mouse_window.h"
#include "res/form_ids.h"
#include "res/forms.h"
#include "ui/handles.h"
#include "ui/window_layer.h"

namespace {

struct ProcessRecord {
  HANDLE heap = nullptr;
  std::string executableDirectory;
  std::string executableFileName;
  unique_hwnd hiddenOwner;
  bool oleInitialised = false;
  bool messageLoopStarted = false;
  std::vector<ExitRoutine> exitRoutines;
};

ProcessRecord& Process() {
  static ProcessRecord record;
  return record;
}

constexpr char kHiddenOwnerClass[] = "ClickerHiddenOwner";

void CreateHiddenOwnerWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = kHiddenOwnerClass;
  RegisterClassA(&wc);
  Process().hiddenOwner.reset(CreateWindowExA(WS_EX_TOOLWINDOW, kHiddenOwnerClass, "", 0, 0, 0, 0, 0, nullptr,
                                              nullptr, wc.hInstance, nullptr));
}

void PrepareSystemServices() {
  ProcessRecord& p = Process();
  p.heap = GetProcessHeap();
  if (!p.oleInitialised) {
    OleInitialize(nullptr);
    p.oleInitialised = true;
  }
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::tie(p.executableDirectory, p.executableFileName) = SplitModulePath(path);
  SetCurrentDirectoryA(p.executableDirectory.c_str());
  CreateHiddenOwnerWindow();
  ResetBoundFunctions();
}

std::vector<HandlerEntry> ProgramHandlers() {
  std::vector<HandlerEntry> handlers = MouseWindowHandlers();
  std::vector<HandlerEntry> keyHandlers = KeyWindowHandlers();
  handlers.insert(handlers.end(), keyHandlers.begin(), keyHandlers.end());
  return handlers;
}

}  // namespace

std::pair<std::string, std::string> SplitModulePath(const char* path) {
  const char* lastSlash = nullptr;
  for (const char* p = path; *p; ++p) {
    if (static_cast<unsigned char>(*p) >= 0x80) {
      if (!p[1]) break;
      ++p;  // skip the trail byte
    } else if (*p == '\\') {
      lastSlash = p;
    }
  }
  if (!lastSlash) return {"", path};
  return {std::string(path, lastSlash), std::string(lastSlash + 1)};
}

bool InitRuntimeWith(const std::vector<FormDescription>& forms, const std::vector<HandlerEntry>& handlers) {
  PrepareSystemServices();
  return ReadFormDataBlock(forms, handlers);
}

void InitRuntime() {
  if (!InitRuntimeWith(StoredForms(), ProgramHandlers())) ReportRuntimeError("载入窗口模板数据段出错!", 0);
}

int ProgramMain() {
  InitRuntime();
  InitHotkeyRegistry();
  RegisterExitRoutine(FreeHotkeyRegistry);
  LoadStartupWindow(mouse_form::MouseWindow);
  RunMessageLoop();
  return 0;
}

void RegisterExitRoutine(ExitRoutine routine) {
  std::vector<ExitRoutine>& list = Process().exitRoutines;
  if (std::find(list.begin(), list.end(), routine) == list.end()) list.push_back(routine);
}

void DiscardExitRoutines() { Process().exitRoutines.clear(); }

void LoadStartupWindow(WindowRef window) {
  if (!FindFormDescription(window.windowId) || !LoadWindow(window)) ReportRuntimeError("载入启动窗口失败", 0);
}

void RunMessageLoop() {
  Process().messageLoopStarted = true;
  if (!AnyWindowLoaded()) return;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) HandleLoopMessage(msg);
}

bool AnyWindowLoaded() {
  for (const FormDescription& form : FormDescriptions()) {
    if (IsWindowLoaded({form.windowId, 0})) return true;
  }
  return false;
}

void FinishProgram(int /*exitCode*/) {
  ++EventSuppressionCount;
  ProcessRecord& p = Process();
  std::vector<ExitRoutine> routines = std::move(p.exitRoutines);
  p.exitRoutines.clear();
  for (ExitRoutine routine : routines) routine();
  ReleaseBoundFunctions();
  if (p.hiddenOwner && IsWindow(p.hiddenOwner.get())) {
    p.hiddenOwner.reset();
  } else {
    p.hiddenOwner.release();
  }
  if (p.oleInitialised) {
    OleUninitialize();
    p.oleInitialised = false;
  }
}

HANDLE ProgramHeap() {
  ProcessRecord& p = Process();
  if (!p.heap) p.heap = GetProcessHeap();
  return p.heap;
}

const std::string& ExecutableDirectory() { return Process().executableDirectory; }
const std::string& ExecutableFileName() { return Process().executableFileName; }
HWND HiddenOwnerWindow() { return Process().hiddenOwner.get(); }
bool MessageLoopStarted() { return Process().messageLoopStarted; }
