#pragma once
#include <windows.h>

// Runs this thread's messages for about `ms` milliseconds, as the program's
// loop would; returns the code of a WM_QUIT met on the way, or -1.
inline int Pump(DWORD ms = 0) {
  int quit = -1;
  for (const DWORD start = GetTickCount();;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      message.message == WM_QUIT ? void(quit = static_cast<int>(message.wParam)) : void(DispatchMessageA(&message));
    const DWORD spent = GetTickCount() - start;
    if (spent >= ms) return quit;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
  }
}
