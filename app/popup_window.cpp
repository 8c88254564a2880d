#include "popup_window.h"

#include "mass_setting_logic.h"
#include "the_model.h"

namespace {

static_assert(sizeof(SCROLLINFO) == 28, "the scroll record mirrors SCROLLINFO");
static_assert(mass_setting::edit_change == EN_CHANGE, "text-change code");
static_assert(mass_setting::line_left == SB_LINELEFT && mass_setting::line_right == SB_LINERIGHT &&
                  mass_setting::page_left == SB_PAGELEFT && mass_setting::page_right == SB_PAGERIGHT &&
                  mass_setting::thumb_position == SB_THUMBPOSITION &&
                  mass_setting::thumb_track == SB_THUMBTRACK && mass_setting::to_left == SB_LEFT &&
                  mass_setting::to_right == SB_RIGHT && mass_setting::end_scroll == SB_ENDSCROLL,
              "scroll codes");

// The Mass Setting logic's window operations, carried out on the real window.
class Win32_Mass_Setting final : public Mass_Setting_Platform {
 public:
  HWND window = nullptr;
  HINSTANCE instance = nullptr;
  HWND edit = nullptr;
  HWND scroll_bar = nullptr;

  void Create_Control(const Control_Spec& c) override {
    HWND control = CreateWindowExA(0, c.class_name, c.text, c.style, c.x, c.y, c.width, c.height, window,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    if (c.id == mass_setting::edit_id) edit = control;
    if (c.id == mass_setting::scroll_bar_id) scroll_bar = control;
  }

  void Set_Scroll_Info(const Mass_Scroll_Info& info) override {
    SCROLLINFO si;
    si.cbSize = info.cbSize;
    si.fMask = info.fMask;
    si.nMin = info.nMin;
    si.nMax = info.nMax;
    si.nPage = info.nPage;
    si.nPos = info.nPos;
    si.nTrackPos = info.nTrackPos;
    SetScrollInfo(scroll_bar, SB_CTL, &si, TRUE);
  }

  void Get_Edit_Text(char* text, int size) override {
    text[0] = '\0';
    GetWindowTextA(edit, text, size);
  }

  // The edit box notifies us (EN_CHANGE) from inside this call.
  void Set_Edit_Text(const char* text) override { SetWindowTextA(edit, text); }

  void Hide() override { ShowWindow(window, SW_HIDE); }

  // Handled by PopupWndProc before SendMessageA returns.
  void Send_Close() override { SendMessageA(window, WM_CLOSE, 0, 0); }
};

// The window's state lives as long as the process: the window is only ever
// hidden, never destroyed before the main window.
Win32_Mass_Setting& Platform() {
  static Win32_Mass_Setting platform;
  return platform;
}

Mass_Setting& Logic() {
  static Mass_Setting logic(The_Model(), Platform());
  return logic;
}

}  // namespace

LRESULT CALLBACK PopupWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      Platform().window = window;
      Platform().instance = create->hInstance;
      Logic().On_Create();
      return 0;
    }
    case WM_ACTIVATE:
      // Not passed on, so activation leaves the keyboard focus where it is.
      Logic().On_Activate();
      return 0;
    case WM_CLOSE:
      Logic().On_Close();
      return 0;
    case WM_COMMAND:
      Logic().On_Command(HIWORD(wParam), LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      Logic().On_HScroll(LOWORD(wParam), HIWORD(wParam));
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
