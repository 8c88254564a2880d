#include "about_dialog.h"

#include "japanese_text.h"

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // The template's font may lack Japanese glyphs; the focus stays where
      // the dialog manager puts it.
      for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT))
        Use_Japanese_Font(item);
      return FALSE;
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
