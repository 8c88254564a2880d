#include "about_dialog.h"

#include "japanese_text.h"

namespace {

// The items' font where the template's lacks Japanese glyphs; where it has
// them, the dialog manager sizes it for the dialog's DPI.
Ui_Font items_font;

void Use_Japanese_Font(HWND dialog, int dpi) {
  if (!Needs_Japanese_Font()) return;
  items_font.Make(dpi);
  for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT))
    items_font.Use(item);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // TRUE: the dialog manager gives the focus to its first item that
      // takes it, OK.
      Use_Japanese_Font(dialog, Window_Dpi(dialog));
      return TRUE;
    case WM_DPICHANGED:
      // The dialog manager scales the rest.
      Use_Japanese_Font(dialog, LOWORD(wParam));
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
