#include "about_dialog.h"

#include "about_logic.h"

static_assert(about::close_message == WM_CLOSE && about::command_message == WM_COMMAND && about::ok_id == IDOK,
              "message numbers");

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  const about::Decision decision = about::Decide(message, LOWORD(wParam));
  if (decision.end_dialog) EndDialog(dialog, decision.result);
  return decision.handled ? TRUE : FALSE;
}
