#include "main_window.h"

#include "about_dialog.h"
#include "dpi.h"
#include "draw_paint.h"
#include "japanese_text.h"
#include "main_window_logic.h"
#include "mass_setting_window.h"
#include "texts.h"
#include "the_model.h"
#include "tick_log.h"
#include "ui_font.h"

namespace {

constexpr wchar_t main_class[] = L"Ws_OwnerWnd";
constexpr wchar_t mass_setting_class[] = L"PopupWnd";
constexpr UINT_PTR timer_id = 1;

struct Button {
  int id;
  int y;
  const char* text;
  bool enabled;
  bool made_by_entry;
};

constexpr int button_x = 40;
constexpr int button_width = 120;
constexpr int button_height = 30;

// The left-hand column, top to bottom.
constexpr Button buttons[] = {
    {command::start, 20, texts::button_start, true, false},
    {command::stop, 60, texts::button_stop, false, false},
    {command::target_on, 100, texts::button_target_on, true, false},
    {command::target_off, 140, texts::button_target_off, false, false},
    {command::trace_start, 180, texts::button_trace_start, true, false},
    {command::trace_stop, 220, texts::button_trace_stop, false, false},
    {command::particles_20, 260, texts::button_particles_20, true, false},
    {command::particles_200, 300, texts::button_particles_200, true, false},
    {command::heat_up, 340, texts::button_heat_up, true, true},
    {command::cool_down, 380, texts::button_cool_down, true, true},
    {command::boundary, 420, texts::button_periodic, true, false},
    {command::exit, 460, texts::button_exit, true, true},
};

// The main window's requests, carried out on the real window.
class Win32_Main_Window final : public Main_Window_Platform {
 public:
  HWND window = nullptr;
  HWND mass_setting = nullptr;
  HRGN redraw_region = nullptr;
  // The buttons' and the labels' font at the window's DPI.
  Ui_Font font;

  void Enable(int id, bool enabled) override { EnableWindow(GetDlgItem(window, id), enabled); }

  int Focused_Button() override {
    const HWND focus = GetFocus();
    return focus != nullptr && GetParent(focus) == window ? GetDlgCtrlID(focus) : 0;
  }

  // The dialog manager's order: the enabled buttons, in the order of the
  // children. From the window itself it finds nothing before the first
  // button, so Shift+Tab starts from that and goes round to the last.
  void Focus_Next(int from, bool backward) override {
    HWND button = from != 0 ? GetDlgItem(window, from) : nullptr;
    if (button == nullptr && backward) button = GetNextDlgTabItem(window, nullptr, FALSE);
    SetFocus(GetNextDlgTabItem(window, button, backward));
  }

  void Focus_Window() override { SetFocus(window); }
  void Focus_Button(int id) override { SetFocus(GetDlgItem(window, id)); }
  // The window passes it on to its buttons.
  void Show_Focus() override { SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0); }
  void Set_Text(int id, const char* text) override { SetWindowTextW(GetDlgItem(window, id), Wide_Text(text)); }
  void Start_Timer() override { SetTimer(window, timer_id, 100, nullptr); }
  void Stop_Timer() override { KillTimer(window, timer_id); }
  void Redraw() override { InvalidateRgn(window, redraw_region, TRUE); }

  void Grey_Settings_Menu(bool greyed) override {
    MENUITEMINFOW settings = {};
    settings.cbSize = sizeof settings;
    settings.fMask = MIIM_STATE;
    settings.fState = greyed ? MFS_GRAYED : MFS_ENABLED;
    SetMenuItemInfoW(GetMenu(window), 0, TRUE, &settings);
    // Shown at once rather than at the menu bar's next repaint.
    DrawMenuBar(window);
  }

  bool Show_Mass_Setting() override {
    if (mass_setting == nullptr) return false;
    ShowWindow(mass_setting, SW_RESTORE);
    SetForegroundWindow(mass_setting);
    return true;
  }

  void Show_About() override {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    DialogBoxParamW(instance, L"KavrinoVer", window, AboutDlgProc, 0);
  }

  void Close() override { SendMessageW(window, WM_CLOSE, 0, 0); }
};

Win32_Main_Window win32;
Main_Window main_window(the_model, win32);

void Place_Button(HWND window, const Button& button, int dpi) {
  HWND control = GetDlgItem(window, button.id);
  Place_Control(control, {button_x, button.y, button_width, button_height}, dpi);
}

void Create_Buttons(HWND window, HINSTANCE instance, bool made_by_entry) {
  for (const Button& button : buttons) {
    if (button.made_by_entry != made_by_entry) continue;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | (button.enabled ? 0 : WS_DISABLED);
    const HWND made = CreateWindowExW(0, L"BUTTON", Wide_Text(button.text), style, 0, 0, 0, 0, window,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), instance, nullptr);
    win32.font.Use(made);
    Place_Button(window, button, main_window.Dpi());
  }
}

void Make_Redraw_Region(int dpi) {
  if (win32.redraw_region != nullptr) DeleteObject(win32.redraw_region);
  const RECT area = Drawing_Area(dpi);
  win32.redraw_region = CreateRectRgnIndirect(&area);
}

// The window is made at the screen's DPI; on a monitor of another scale it
// takes its size there.
void On_Create(HWND window, const CREATESTRUCTW& create) {
  win32.window = window;
  Tick_Log_Open();
  const int dpi = Window_Dpi(window);
  if (dpi != System_Dpi()) {
    SetWindowPos(window, nullptr, 0, 0, At_Dpi(main_width, dpi), At_Dpi(main_height, dpi),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  win32.font.Make(dpi, window);
  main_window.Created(dpi);
  Make_Redraw_Region(dpi);
  Create_Buttons(window, create.hInstance, false);
  win32.mass_setting = CreateWindowExW(0, mass_setting_class, L"Mass Setting", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                       CW_USEDEFAULT, At_Dpi(300, dpi), At_Dpi(100, dpi), window, nullptr,
                                       create.hInstance, nullptr);
}

// Moved to a monitor of another scale: everything is laid out and the fonts
// made afresh at its DPI, in the rectangle the system suggests.
void On_Dpi_Changed(HWND window, int dpi, const RECT& suggested) {
  win32.font.Make(dpi, window);
  for (const Button& button : buttons) Place_Button(window, button, dpi);
  Make_Redraw_Region(dpi);
  main_window.Dpi_Changed(dpi, Main_Window_Client());
  Take_Suggested_Rectangle(window, suggested);
}

void On_Paint(HWND window) {
  Tick_Log_Paint_Begin();
  Draw_Paint(window, the_model, win32.font);
  Tick_Log_Paint_End();
}

void On_Timer() {
  Tick_Log_Tick(the_model.trace_x->last - the_model.trace_x->first + 1);
  main_window.Tick();
}

bool Is_Button_Down(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// A mouse button went down on the client area, the frame or the menu bar, or
// on a button, which tells its parent.
bool Is_Click(UINT message, WPARAM wParam) {
  if (message == WM_PARENTNOTIFY) return Is_Button_Down(LOWORD(wParam));
  return Is_Button_Down(message) || message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN ||
         message == WM_NCMBUTTONDOWN;
}

// The default handling gives the focus to the window itself when it is
// activated and not minimised; a button the user had chosen takes it back.
void On_Activate(HWND window, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) main_window.Deactivated();
  DefWindowProcW(window, WM_ACTIVATE, wParam, lParam);
  if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0) main_window.Activated();
}

void On_Destroy() {
  DeleteObject(win32.redraw_region);
  win32.redraw_region = nullptr;
  PostQuitMessage(0);
}

}  // namespace

int Main_Window_Dpi() { return main_window.Dpi(); }

// The labels measured in the font they are drawn in: the program's, or the
// window's own, the system font.
Client_Area Main_Window_Client() {
  Client_Area client;
  client.maximised = IsZoomed(win32.window) != FALSE;
  RECT area;
  GetClientRect(win32.window, &area);
  client.width = area.right;
  client.height = area.bottom;
  HDC dc = GetDC(win32.window);
  const HGDIOBJ own_font = SelectObject(dc, win32.font ? static_cast<HGDIOBJ>(win32.font) : GetStockObject(SYSTEM_FONT));
  for (int k = 1; k <= the_model.text_count; ++k) {
    const Wide_Text text(the_model.text_string[k]);
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text, text.length, &extent);
    client.label_width[k] = extent.cx;
    client.label_height = extent.cy;
  }
  SelectObject(dc, own_font);
  ReleaseDC(win32.window, dc);
  return client;
}

RECT Drawing_Area(int dpi) { return {At_Dpi(165, dpi), 0, At_Dpi(1024, dpi), At_Dpi(768, dpi)}; }

void Place_Control(HWND control, const Place& place, int dpi) {
  SetWindowPos(control, nullptr, At_Dpi(place.x, dpi), At_Dpi(place.y, dpi), At_Dpi(place.width, dpi),
               At_Dpi(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Put_Last(HWND control) {
  SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Take_Suggested_Rectangle(HWND window, const RECT& suggested) {
  SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // While inert, only the window's end, a change of scale and its painting
  // are handled, so closing it always ends the program, its layout always
  // fits its monitor and its picture stays; a click also brings the Mass
  // Setting window back.
  if (Is_Click(message, wParam)) main_window.Clicked();
  if (!main_window.Inert() || message == WM_DESTROY || message == WM_DPICHANGED || message == WM_PAINT ||
      message == WM_ERASEBKGND) {
    switch (message) {
      case WM_CREATE:
        On_Create(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
        return 0;
      case WM_SIZE:
        main_window.Resized(Main_Window_Client());
        return 0;
      case WM_ERASEBKGND:
        // The paint covers the whole client area: nothing to erase first.
        return 1;
      case WM_PAINT:
        On_Paint(window);
        return 0;
      case WM_TIMER:
        On_Timer();
        return 0;
      case WM_COMMAND:
        main_window.Command(LOWORD(wParam));
        return 0;
      case WM_ACTIVATE:
        On_Activate(window, wParam, lParam);
        return 0;
      case WM_DPICHANGED:
        On_Dpi_Changed(window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
      case WM_DESTROY:
        On_Destroy();
        return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

bool Register_Window_Classes(HINSTANCE instance) {
  WNDCLASSW main = {};
  main.style = CS_HREDRAW | CS_VREDRAW;
  main.lpfnWndProc = MainWndProc;
  main.hInstance = instance;
  main.hIcon = LoadIconW(instance, L"KavrinoIcon");
  main.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  main.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  main.lpszMenuName = L"Kavrino";
  main.lpszClassName = main_class;
  if (RegisterClassW(&main) == 0) return false;

  WNDCLASSW mass_setting = main;
  mass_setting.lpfnWndProc = PopupWndProc;
  mass_setting.lpszMenuName = nullptr;
  mass_setting.lpszClassName = mass_setting_class;
  return RegisterClassW(&mass_setting) != 0;
}

HWND Create_Main_Window(HINSTANCE instance) {
  const int dpi = System_Dpi();
  // The frames painted over the client area leave the buttons alone.
  return CreateWindowExW(0, main_class, L"Tumblen", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, CW_USEDEFAULT,
                         CW_USEDEFAULT, At_Dpi(main_width, dpi), At_Dpi(main_height, dpi), nullptr, nullptr, instance,
                         nullptr);
}

// Tab follows the order of the children, which is made the column's: the
// boundary button, made first, goes below the three made here.
void Create_Entry_Buttons(HWND window, HINSTANCE instance) {
  Create_Buttons(window, instance, true);
  for (const Button& button : buttons) Put_Last(GetDlgItem(window, button.id));
}

namespace {

Key To_Key(const MSG& message) {
  if (message.message != WM_KEYDOWN) return Key::other;
  switch (message.wParam) {
    case VK_TAB: return GetKeyState(VK_SHIFT) < 0 ? Key::shift_tab : Key::tab;
    case VK_RETURN: return Key::enter;
    default: return Key::other;
  }
}

// The main window takes its keys itself: the dialog manager would make every
// button a plain one at the first Tab, and Enter then, with no default
// button, the command OK. The Mass Setting window's messages all go through
// the dialog manager.
bool Handled_By_Window(MSG& message) {
  if (message.hwnd == nullptr) return false;
  const HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (root == win32.window) return main_window.Key_Pressed(To_Key(message));
  return root == win32.mass_setting && IsDialogMessageW(root, &message);
}

}  // namespace

void Handle_Message(MSG& message) {
  if (Handled_By_Window(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

// Unicode messages, so that a key typed into the Mass Setting window reaches
// its edit box as the character it is, whatever the system's code page.
int Run_Message_Loop() {
  MSG message = {};
  while (const BOOL got = GetMessageW(&message, nullptr, 0, 0)) {
    if (got == -1) return -1;
    Handle_Message(message);
  }
  return static_cast<int>(message.wParam);
}
