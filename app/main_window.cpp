#include "main_window.h"

#include "about_dialog.h"
#include "draw_paint.h"
#include "main_window_logic.h"
#include "popup_window.h"
#include "the_model.h"
#include "tick_log.h"

namespace {

constexpr char main_class[] = "Ws_OwnerWnd";
constexpr char popup_class[] = "PopupWnd";

// The Win32 side of the main window: the handles it keeps from creation to
// the end of the process, and the operations the logic asks for.
class Win32_Main_Platform final : public Main_Window_Platform {
 public:
  static constexpr int button_slots = 15;  // ids 2..14

  HWND window = nullptr;
  HINSTANCE instance = nullptr;
  HWND buttons[button_slots] = {};
  HWND mass_window = nullptr;
  HMENU menu = nullptr;
  MENUITEMINFOA settings_menu_info = {};
  HRGN redraw_region = nullptr;

  void Keep_Menu() override {
    menu = GetMenu(window);
    settings_menu_info = MENUITEMINFOA{};
    settings_menu_info.cbSize = sizeof(MENUITEMINFOA);
    settings_menu_info.fMask = MIIM_STATE;
  }

  void Create_Drawing_Region(const main_layout::Area& area) override {
    redraw_region = CreateRectRgn(area.left, area.top, area.right, area.bottom);
  }

  void Create_Button(const Button_Layout& button) override {
    HWND handle = Make_Button(window, instance, button);
    if (button.id >= 0 && button.id < button_slots) buttons[button.id] = handle;
  }

  void Create_Mass_Setting_Window() override {
    mass_window = CreateWindowExA(0, popup_class, "Mass Setting", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  main_layout::mass_window_width, main_layout::mass_window_height, window, nullptr,
                                  instance, nullptr);
  }

  void Enable_Button(int id, bool enabled) override {
    if (id >= 0 && id < button_slots) EnableWindow(buttons[id], enabled ? TRUE : FALSE);
  }

  void Set_Button_Text(int id, const char* text) override {
    if (id >= 0 && id < button_slots) SetWindowTextA(buttons[id], text);
  }

  void Set_Timer() override { SetTimer(window, main_layout::timer_id, main_layout::tick_ms, nullptr); }

  void Kill_Timer() override { KillTimer(window, main_layout::timer_id); }

  void Invalidate_Drawing_Area() override { InvalidateRgn(window, redraw_region, TRUE); }

  void Set_Settings_Menu_Greyed(bool greyed) override {
    settings_menu_info.fState = greyed ? MFS_GRAYED : MFS_ENABLED;
    SetMenuItemInfoA(menu, 0, TRUE, &settings_menu_info);
    // Show the change at once rather than at the menu bar's next repaint.
    DrawMenuBar(window);
  }

  void Show_Mass_Setting_Window() override { ShowWindow(mass_window, SW_SHOW); }

  void Run_About_Dialog() override {
    HINSTANCE owner_instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    DialogBoxParamA(owner_instance, "KavrinoVer", window, AboutDlgProc, 0);
  }

  void Send_Close() override { SendMessageA(window, WM_CLOSE, 0, 0); }

  void Paint_Model() override {
    Tick_Log_Paint_Begin();
    Draw_Paint(window, The_Model());
    Tick_Log_Paint_End();
  }

  void Delete_Drawing_Region() override {
    DeleteObject(redraw_region);
    redraw_region = nullptr;
  }

  void Post_Quit(int code) override { PostQuitMessage(code); }

  static HWND Make_Button(HWND parent, HINSTANCE instance, const Button_Layout& button) {
    const DWORD style = button.enabled_at_start ? main_layout::button_style : main_layout::button_style_disabled;
    return CreateWindowExA(0, "BUTTON", button.text, style, main_layout::button_x, button.y, main_layout::button_width,
                           main_layout::button_height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
  }
};

Win32_Main_Platform platform;
Main_Window_Logic logic(The_Model(), platform);

LRESULT Handled(bool handled, HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  return handled ? 0 : DefWindowProcA(window, message, w_param, l_param);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_CREATE: {
      if (logic.Inert()) break;
      platform.window = window;
      platform.instance = reinterpret_cast<const CREATESTRUCTA*>(l_param)->hInstance;
      Tick_Log_Open();
      return Handled(logic.On_Create(), window, message, w_param, l_param);
    }
    case WM_SIZE:
      return Handled(logic.On_Size(w_param == SIZE_MAXIMIZED), window, message, w_param, l_param);
    case WM_PAINT:
      return Handled(logic.On_Paint(), window, message, w_param, l_param);
    case WM_TIMER:
      if (!logic.Inert()) {
        const Trace& path = *The_Model().trace_x;
        Tick_Log_Tick(path.last - path.first + 1);
      }
      return Handled(logic.On_Timer(), window, message, w_param, l_param);
    case WM_COMMAND:
      return Handled(logic.On_Command(LOWORD(w_param)), window, message, w_param, l_param);
    case WM_DESTROY:
      return Handled(logic.On_Destroy(), window, message, w_param, l_param);
    default:
      break;
  }
  return DefWindowProcA(window, message, w_param, l_param);
}

bool Register_Window_Classes(HINSTANCE instance) {
  WNDCLASSA owner = {};
  owner.style = CS_HREDRAW | CS_VREDRAW;
  owner.lpfnWndProc = MainWndProc;
  owner.cbClsExtra = 0;
  owner.cbWndExtra = 0;
  owner.hInstance = instance;
  owner.hIcon = LoadIconA(instance, "KavrinoIcon");
  owner.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  owner.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  owner.lpszMenuName = "Kavrino";
  owner.lpszClassName = main_class;
  if (RegisterClassA(&owner) == 0) return false;

  WNDCLASSA popup = owner;
  popup.lpfnWndProc = PopupWndProc;
  popup.lpszMenuName = nullptr;
  popup.lpszClassName = popup_class;
  return RegisterClassA(&popup) != 0;
}

HWND Create_Main_Window(HINSTANCE instance) {
  return CreateWindowExA(0, main_class, "Tumblen", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                         main_layout::window_width, main_layout::window_height, nullptr, nullptr, instance, nullptr);
}

void Create_Entry_Buttons(HWND window, HINSTANCE instance) {
  for (const Button_Layout& button : main_layout::buttons) {
    if (button.created_by_entry) Win32_Main_Platform::Make_Button(window, instance, button);
  }
}

int Run_Message_Loop() {
  MSG message = {};
  // GetMessageA gives -1 on a failed call; ending the loop then beats
  // spinning on it.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

HWND Mass_Setting_Window() { return platform.mass_window; }
