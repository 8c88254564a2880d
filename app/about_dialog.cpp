#include "about_dialog.h"

#include <algorithm>
#include <vector>

#include "dpi.h"
#include "ui_font.h"

namespace {

// Posted after a change of scale, to come after the dialog manager's own
// handling, which gives the items the template's font and size again.
constexpr UINT refit_message = WM_APP + 1;

// The items' font where the template's lacks Japanese glyphs; where it has
// them, the dialog manager sizes it for the dialog's DPI.
Ui_Font items_font;

void Use_Japanese_Font(HWND dialog, int dpi) {
  if (Needs_Japanese_Font()) items_font.Make(dpi, dialog);
}

struct Item {
  HWND window;
  RECT place;
};

// The text's extent in the item's own font, its lines as they are broken.
SIZE Text_Extent(HWND item) {
  wchar_t text[256] = {};
  GetWindowTextW(item, text, 256);
  HDC dc = GetDC(item);
  const HGDIOBJ own_font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item, WM_GETFONT, 0, 0)));
  RECT extent = {};
  DrawTextW(dc, text, -1, &extent, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, own_font);
  ReleaseDC(item, dc);
  return {extent.right, extent.bottom};
}

bool Is_Text(HWND item) {
  wchar_t kind[16] = {};
  GetClassNameW(item, kind, 16);
  return lstrcmpiW(kind, L"Static") == 0 && (GetWindowLongW(item, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT;
}

// A text item smaller than its text is widened about its centre and
// heightened; the items below it move down as far, and the dialog grows
// about its centre until every item keeps the template's margin.
void Fit_Items(HWND dialog) {
  std::vector<Item> items;
  for (HWND item = GetWindow(dialog, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT)) {
    RECT place;
    GetWindowRect(item, &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    items.push_back({item, place});
  }
  RECT client;
  GetClientRect(dialog, &client);
  int margin = client.right;
  for (const Item& item : items) margin = std::min<int>(margin, item.place.left);
  int grow_x = 0;
  int grow_y = 0;
  for (Item& text : items) {
    if (!Is_Text(text.window)) continue;
    const SIZE extent = Text_Extent(text.window);
    const int wider = std::max<int>(extent.cx - (text.place.right - text.place.left), 0);
    const int taller = std::max<int>(extent.cy - (text.place.bottom - text.place.top), 0);
    text.place.left -= wider / 2;
    text.place.right += wider - wider / 2;
    grow_x = std::max<int>({grow_x, 2 * (margin - text.place.left), 2 * (text.place.right - client.right + margin)});
    for (Item& below : items) {
      if (below.place.top >= text.place.bottom) OffsetRect(&below.place, 0, taller);
    }
    text.place.bottom += taller;
    grow_y += taller;
  }
  if (grow_x == 0 && grow_y == 0) return;
  for (Item& item : items) {
    SetWindowPos(item.window, nullptr, item.place.left + grow_x / 2, item.place.top, item.place.right - item.place.left,
                 item.place.bottom - item.place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame;
  GetWindowRect(dialog, &frame);
  SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left + grow_x, frame.bottom - frame.top + grow_y,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // TRUE: the dialog manager gives the focus to its first item that
      // takes it, OK.
      Use_Japanese_Font(dialog, Window_Dpi(dialog));
      Fit_Items(dialog);
      return TRUE;
    case WM_DPICHANGED:
      // The dialog manager scales the dialog and gives the items the
      // template's font; the program's font and the fit come after it.
      PostMessageW(dialog, refit_message, wParam, 0);
      return FALSE;
    case refit_message:
      Use_Japanese_Font(dialog, LOWORD(wParam));
      Fit_Items(dialog);
      return TRUE;
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
