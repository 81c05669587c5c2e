#include "app/error_report.h"

#include <windows.h>

#include "app/error_text.h"
#include "app/runtime.h"
#include "ui/window_layer.h"

void ReportRuntimeError(const char* message, std::int32_t code) {
  ++EventSuppressionCount;  // never lowered: no handler runs from here on
  std::string text = BuildErrorText(message, code);
  // A quit already queued (the last window went during a load's pumping) would
  // close the box before anyone saw it; the process ends after the box anyway.
  MSG quit;
  PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  MessageBoxA(nullptr, text.c_str(), "错误", MB_OK | MB_ICONERROR);
  DiscardExitRoutines();
  FinishProgram(-1);
  ExitProcess(static_cast<UINT>(-1));
}

void ReportErrorCode(std::int32_t code) { ReportRuntimeError(ErrorCodeMessage(code), code); }
