#include "about_dialog.h"

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_CLOSE:
      EndDialog(dialog, 1);
      return TRUE;
    case WM_COMMAND:
      // Only OK closes it: IDCANCEL, which the Escape key sends, is taken
      // and ignored.
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
      return TRUE;
  }
  return FALSE;
}
