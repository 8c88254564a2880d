#include "mass_setting_window.h"

#include <initializer_list>

#include "dpi.h"
#include "ids.h"
#include "japanese_text.h"
#include "main_window.h"
#include "mass_setting_logic.h"
#include "texts.h"
#include "the_model.h"
#include "ui_font.h"

namespace {

// The Mass Setting window's requests, carried out on the real window.
class Win32_Mass_Setting final : public Mass_Setting_Platform {
 public:
  HWND window = nullptr;
  // The controls' font at the window's DPI.
  Ui_Font font;
  // Whether a change of the edit text is acted on: off around the window's
  // own writes. Any other notification turns it on again; where the edit box
  // sends its update notification before the change, as under Wine, a write
  // is read back like a keystroke, which changes nothing.
  bool edit_armed = true;

  void Set_Scroll_Position(int position) override {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = Mass_Setting::lowest;
    info.nMax = Mass_Setting::highest + Mass_Setting::page - 1;
    info.nPage = Mass_Setting::page;
    info.nPos = position;
    SetScrollInfo(GetDlgItem(window, mass_control::scroll_bar), SB_CTL, &info, TRUE);
  }

  // The edit box notifies this window from inside SetWindowTextW. The caret
  // then goes to the end, where the user's next keystroke belongs.
  void Set_Edit_Text(const char* text) override {
    HWND edit = GetDlgItem(window, mass_control::edit);
    edit_armed = false;
    SetWindowTextW(edit, Wide_Text(text));
    edit_armed = true;
    const int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, end, end);
  }

  void Select_Edit_Text() override {
    HWND edit = GetDlgItem(window, mass_control::edit);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }

  void Warn() override { MessageBeep(MB_ICONWARNING); }
  void Hide() override { ShowWindow(window, SW_HIDE); }
  void Send_Close() override { SendMessageW(window, WM_CLOSE, 0, 0); }
  Client_Area Main_Window_Client() override { return ::Main_Window_Client(); }
  int Main_Window_Dpi() override { return ::Main_Window_Dpi(); }

  void Redraw_Main_Window() override {
    const RECT area = Drawing_Area(Main_Window_Dpi());
    InvalidateRect(GetWindow(window, GW_OWNER), &area, TRUE);
  }
};

Win32_Mass_Setting win32;
Mass_Setting mass_setting(the_model, win32);

struct Control {
  const wchar_t* kind;
  const char* text;
  int id;
  Place place;
  DWORD style;
};

// In the order they are made.
constexpr Control controls[] = {
    {L"BUTTON", texts::mass_set_button, mass_control::set_button, {220, 20, 50, 30}, WS_TABSTOP | BS_DEFPUSHBUTTON},
    {L"STATIC", texts::mass_current_label, mass_control::label, {0, 40, 150, 20}, SS_CENTER},
    {L"EDIT", "", mass_control::edit, {150, 40, 50, 20}, WS_TABSTOP | WS_BORDER | ES_RIGHT},
    {L"SCROLLBAR", "", mass_control::scroll_bar, {0, 0, 200, 20}, WS_TABSTOP | SBS_HORZ},
};

void Lay_Out(HWND window, int dpi) {
  win32.font.Make(dpi, window);
  for (const Control& control : controls) Place_Control(GetDlgItem(window, control.id), control.place, dpi);
}

void On_Create(HWND window, const CREATESTRUCTW& create) {
  win32.window = window;
  for (const Control& control : controls) {
    CreateWindowExW(0, control.kind, Wide_Text(control.text), WS_CHILD | WS_VISIBLE | control.style, 0, 0, 0, 0,
                    window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), create.hInstance, nullptr);
  }
  // Tab follows the order of the children, made that of reading: the scroll
  // bar, the edit box, then 設定.
  for (const int id : {mass_control::scroll_bar, mass_control::edit, mass_control::set_button})
    Put_Last(GetDlgItem(window, id));
  Lay_Out(window, Window_Dpi(window));
  mass_setting.Show_Mass_Ratio();
}

// Moved to a monitor of another scale.
void On_Dpi_Changed(HWND window, int dpi, const RECT& suggested) {
  Lay_Out(window, dpi);
  Take_Suggested_Rectangle(window, suggested);
}

// What the user typed is read as characters and only then turned into code
// page 932 bytes, so a fullwidth '５' stays a fullwidth digit, not '5'.
void On_Command(HWND window, WPARAM wParam) {
  if (HIWORD(wParam) == EN_CHANGE && win32.edit_armed) {
    wchar_t text[1024] = L"";
    GetWindowTextW(GetDlgItem(window, mass_control::edit), text, 1024);
    char bytes[2 * 1024];
    To_932(text, bytes, sizeof bytes);
    mass_setting.Text_Changed(bytes);
  } else {
    win32.edit_armed = true;
  }
  // The dialog manager sends OK for Enter and Cancel for Escape.
  switch (LOWORD(wParam)) {
    case mass_control::set_button:
    case IDOK: mass_setting.Apply(); break;
    case IDCANCEL: win32.Send_Close(); break;
  }
}

// The default handling first, which gives the focus to the window itself;
// the edit box then takes it, unless the window is minimised.
void On_Activate(HWND window, WPARAM wParam, LPARAM lParam) {
  DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
  mass_setting.Activated(LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0);
}

Scroll To_Scroll(WORD code) {
  switch (code) {
    case SB_LINELEFT: return Scroll::line_left;
    case SB_LINERIGHT: return Scroll::line_right;
    case SB_PAGELEFT: return Scroll::page_left;
    case SB_PAGERIGHT: return Scroll::page_right;
    case SB_THUMBPOSITION: return Scroll::thumb_position;
    case SB_THUMBTRACK: return Scroll::thumb_track;
    case SB_LEFT: return Scroll::to_left;
    case SB_RIGHT: return Scroll::to_right;
    default: return Scroll::other;
  }
}

}  // namespace

LRESULT CALLBACK PopupWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      On_Create(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
      return 0;
    case WM_ACTIVATE:
      On_Activate(window, wParam, lParam);
      return 0;
    case WM_CLOSE:
      mass_setting.Close();
      return 0;
    case WM_COMMAND:
      On_Command(window, wParam);
      return 0;
    case WM_HSCROLL:
      mass_setting.Scrolled(To_Scroll(LOWORD(wParam)), HIWORD(wParam));
      return 0;
    case WM_DPICHANGED:
      On_Dpi_Changed(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
