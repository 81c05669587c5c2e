#include <windows.h>

#include "app/runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // No critical-error box and no OpenFile not-found box, keeping what was set.
  SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  int code = ProgramMain();
  FinishProgram(code);
  ExitProcess(static_cast<UINT>(code));
}
