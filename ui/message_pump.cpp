#include "ui/window_layer.h"

void HandleLoopMessage(MSG& msg) {
  if (FilterMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void PumpWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {  // came in between the two peeks: leave it queued
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    HandleLoopMessage(msg);
  }
}
