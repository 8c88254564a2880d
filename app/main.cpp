#include <windows.h>

#include "main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (!Register_Window_Classes(instance)) return -1;
  HWND window = Create_Main_Window(instance);
  if (window == nullptr) return -1;
  // WS_VISIBLE has shown the window; the show command is not needed.
  Create_Entry_Buttons(window, instance);
  return Run_Message_Loop();
}
