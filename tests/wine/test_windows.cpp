// The program's windows for real, under the locale the test runs in; the code
// page it must give is in TUMBLEN_CODE_PAGE, 932 if unset. Each test makes the
// main window as WinMain does, from a model as the program starts with, and
// ends it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "about_dialog.h"
#include "draw_paint.h"
#include "ids.h"
#include "main_window.h"
#include "the_model.h"

namespace {

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

// The font a window draws its text in.
HGDIOBJ Font_Of(HWND window) {
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font != nullptr ? font : GetStockObject(SYSTEM_FONT);
}

// The screen's device context with `font` selected, while it lives.
struct Font_Dc {
  explicit Font_Dc(HGDIOBJ font) : before(SelectObject(dc, font)) {}
  ~Font_Dc() {
    SelectObject(dc, before);
    ReleaseDC(nullptr, dc);
  }
  HDC dc = GetDC(nullptr);
  HGDIOBJ before;
};

// The extent of `text` in `font`, broken into lines at `width` where it is
// given.
SIZE Extent(HGDIOBJ font, const std::wstring& text, int width = 0) {
  RECT extent = {0, 0, width, 0};
  DrawTextW(Font_Dc(font).dc, text.c_str(), -1, &extent, DT_CALCRECT | (width > 0 ? DT_WORDBREAK : 0));
  return {extent.right, extent.bottom};
}

// The characters of `text` that `font` has no glyph for.
int Missing_Glyphs(HGDIOBJ font, const std::wstring& text) {
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(Font_Dc(font).dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  int missing = 0;
  // A line break has no glyph to draw.
  for (std::size_t k = 0; k < text.size(); ++k) missing += text[k] >= L' ' && glyphs[k] == 0xFFFF;
  return missing;
}

// What the test's row sets in the variable `name`, or `otherwise`.
int Row(const char* name, int otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : otherwise;
}

// The screen's DPI the test runs at.
int Screen_Dpi() { return Row("TUMBLEN_DPI", 96); }

// A length of `pixels` at 96 DPI, at the screen's DPI.
int Scaled(int pixels) { return pixels * Screen_Dpi() / 96; }

void Send(WORD key, DWORD flags, wchar_t character = 0) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = character;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// Runs this thread's messages for about `ms` milliseconds, as the program's
// loop does.
void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    Sleep(10);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) Handle_Message(message);
  } while (GetTickCount() - start < ms);
}

// Types a key, with Shift if asked, and handles the messages it brings.
void Press(WORD key, bool shift = false) {
  if (shift) Send(VK_SHIFT, 0);
  Send(key, 0);
  Send(key, KEYEVENTF_KEYUP);
  if (shift) Send(VK_SHIFT, KEYEVENTF_KEYUP);
  Pump(20);
}

// Types `text` character by character, as an input method does.
void Type(const std::wstring& text) {
  for (const wchar_t character : text) {
    Send(0, KEYEVENTF_UNICODE, character);
    Send(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, character);
    Pump(20);
  }
}

int Focused() { return GetDlgCtrlID(GetFocus()); }

// Where the particles are: changes with every step.
std::vector<double> Positions() { return {the_model.ellipse_left + 1, the_model.ellipse_left + 201}; }

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const bool registered = Register_Window_Classes(instance);
    ASSERT_TRUE(registered);
    the_model.~Draw_Controler();
    new (&the_model) Draw_Controler;
    main = Create_Main_Window(instance);
    ASSERT_NE(main, nullptr);
    Create_Entry_Buttons(main, instance);
    mass_setting = FindWindowW(L"PopupWnd", nullptr);
  }

  void TearDown() override {
    if (IsWindow(main)) DestroyWindow(main);
    Pump(0);
  }

  HWND Control(int id) const { return GetDlgItem(main, id); }
  void Click(int id) const { SendMessageW(Control(id), BM_CLICK, 0, 0); }
  HWND Mass(int id) const { return GetDlgItem(mass_setting, id); }
  // A window's children in their order: the main window's run down the
  // column.
  static std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      children.push_back(child);
    }
    return children;
  }

  // Every button's place in the column at 96 DPI, in proportion to `dpi`
  // within a pixel. Its caption keeps its proportions: its extent is, within
  // 15 %, that of its face at 96 DPI, at the face's own width, times `dpi` /
  // 96.
  void Expect_Laid_Out_At(int dpi) const {
    for (int k = 0; k < 12; ++k) {
      const HWND window = Children(main).at(k);
      const RECT at_96 = {40, 20 + 40 * k, 160, 50 + 40 * k};
      SCOPED_TRACE(GetDlgCtrlID(window));
      RECT place;
      GetWindowRect(window, &place);
      MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
      for (const auto side : {&RECT::left, &RECT::top, &RECT::right, &RECT::bottom}) {
        EXPECT_NEAR(place.*side, at_96.*side * dpi / 96, 1);
      }
      LOGFONTW face;
      GetObjectW(Font_Of(window), sizeof face, &face);
      face.lfHeight = MulDiv(face.lfHeight, 96, dpi);
      face.lfWidth = 0;
      const HFONT face_at_96 = CreateFontIndirectW(&face);
      const double scaled = Extent(face_at_96, Text(window)).cx * dpi / 96.0;
      DeleteObject(face_at_96);
      EXPECT_NEAR(Extent(Font_Of(window), Text(window)).cx, scaled, scaled * 0.15);
    }
  }

  HWND main = nullptr;
  HWND mass_setting = nullptr;
};

// Every text of the windows, read back as characters, in a font that has a
// glyph for each: the system's own where its code page is 932, elsewhere one
// with Japanese glyphs. Each shows whole: broken at its item's width it takes
// no more lines than it has, nor more height than the item.
TEST_F(Program, ShowsEveryTextInJapaneseWhateverTheCodePage) {
  EXPECT_EQ(GetACP(), static_cast<UINT>(Row("TUMBLEN_CODE_PAGE", 932)));
  HWND about = CreateDialogParamW(GetModuleHandleW(nullptr), L"KavrinoVer", main, AboutDlgProc, 0);
  const std::vector<HWND> about_items = Children(about);
  Click(command::boundary);
  const wchar_t* column[] = {L"スタート",     L"ストップ",     L"粒子あり", L"粒子なし", L"追跡開始", L"追跡停止",
                             L"粒子数20",     L"粒子数200",    L"温度を上げる", L"温度を下げる", L"反射境界", L"終了"};
  std::vector<std::pair<HWND, const wchar_t*>> shown = {
      {Mass(mass_control::set_button), L"設定"},
      {Mass(mass_control::label), L"現在の質量比-->"},
      {about_items[0], L"ブラウン運動のシミュレーション \n Version 3.02"},
      {about_items[1], L"Tumblen 開発チーム"},
      {about_items[2], L"ブラウン運動の観察プログラム"},
      {about_items[3], L"OK"},
  };
  for (int k = 0; k < 12; ++k) shown.push_back({Children(main).at(k), column[k]});
  for (const auto& [window, text] : shown) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Text(window), text);
    EXPECT_EQ(Missing_Glyphs(Font_Of(window), text), 0);
    RECT item;
    GetWindowRect(window, &item);
    const SIZE whole = Extent(Font_Of(window), text);
    EXPECT_EQ(Extent(Font_Of(window), text, item.right - item.left).cy, whole.cy);
    EXPECT_LE(whole.cy, item.bottom - item.top);
  }
  DestroyWindow(about);
}

// At the screen's DPI, and moved to a monitor at another scale (200 % from
// 100 %, else 100 %) and back, the windows and their captions keep their
// proportions; the fonts made for the other scale are deleted on the way back.
TEST_F(Program, KeepsItsProportionsAtAnyScale) {
  Expect_Laid_Out_At(Screen_Dpi());
  const std::pair<HWND, SIZE> windows[] = {{main, {660, 560}}, {mass_setting, {300, 100}}};
  std::vector<HGDIOBJ> fonts_made;
  const int other_dpi = Screen_Dpi() == 96 ? 192 : 96;
  for (const int dpi : {other_dpi, Screen_Dpi()}) {
    SCOPED_TRACE(testing::Message() << dpi << " DPI");
    for (const auto& [window, size] : windows) {
      RECT suggested = {0, 0, size.cx * dpi / 96, size.cy * dpi / 96};
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
      fonts_made.push_back(Font_Of(GetWindow(window, GW_CHILD)));
    }
    Expect_Laid_Out_At(dpi);
    EXPECT_EQ(the_model.Map_X(400), 600 * dpi / 96);
  }
  EXPECT_EQ(GetObjectType(fonts_made[0]), 0u);
  EXPECT_EQ(GetObjectType(fonts_made[1]), 0u);
}

// While the Mass Setting window shows, ticks, clicks and a change of size
// leave the main window as it was, and a click on it brings the window back,
// even minimised. The main window, minimised and restored, still paints: it
// shows the display list drawn on white, with the box's outline, which its
// erase leaves alone, and the labels' texts have every glyph in the font
// they are drawn in. Heated to the ceiling, the temperature label, blue,
// ends before the mass ratio's, red, begins. 設定 closes the window, and the
// main window takes up its view as it stands then. Opened again by the
// menu's keys, the window takes what is typed at once, read as characters:
// fullwidth digits are digits, a look-alike of a minus sign is no number,
// and Enter on no number applies nothing and shows the ratio in force,
// selected. Tab walks on to 設定 and the scroll bar, whose arrows move it;
// Escape closes the window and gives the focus back to the button that had
// it.
TEST_F(Program, TheMainWindowWaitsForTheMassSettingWindow) {
  using namespace mass_control;
  for (int k = 0; k < 60; ++k) Click(command::heat_up);
  Click(command::start);
  SendMessageW(main, WM_COMMAND, command::menu_mass_ratio, 0);
  SendMessageW(mass_setting, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  SendMessageW(main, WM_LBUTTONDOWN, 0, MAKELPARAM(400, 200));
  EXPECT_FALSE(IsIconic(mass_setting));
  EXPECT_EQ(GetForegroundWindow(), mass_setting);
  const std::vector<double> before = Positions();
  Click(command::target_on);
  ShowWindow(main, SW_MINIMIZE);
  ShowWindow(main, SW_RESTORE);
  ShowWindow(main, SW_MAXIMIZE);
  Pump(350);
  EXPECT_EQ(Positions(), before);
  EXPECT_EQ(the_model.target_on, 0);
  EXPECT_EQ(the_model.Map_X(400), Scaled(600));
  UpdateWindow(main);
  const HGDIOBJ labels_font = Font_Of(Control(command::start));
  HDC screen = GetDC(main);
  SendMessageW(main, WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen), 0);
  EXPECT_EQ(GetPixel(screen, the_model.Map_X(0), the_model.Map_Y(200)), colours::blue);
  // The display list drawn on white right of the buttons, less the screen's
  // pixels, leaves nothing.
  RECT client;
  GetClientRect(main, &client);
  const RECT drawing = {Scaled(165), 0, client.right, client.bottom};
  BITMAPINFO shape = {{sizeof shape.bmiHeader, client.right, client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  DWORD* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &shape, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  HDC frame = CreateCompatibleDC(screen);
  SelectObject(frame, bitmap);
  FillRect(frame, &drawing, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  Draw_Display_List(frame, the_model, static_cast<HFONT>(labels_font));
  int temperature_end = -1;
  int mass_ratio_start = client.right;
  for (int y = the_model.Map_Y(-20); y < the_model.Map_Y(-20) + Scaled(24); ++y) {
    for (int x = 0; x < client.right; ++x) {
      // Bottom-up rows of 0x00RRGGBB.
      const DWORD pixel = bits[(client.bottom - 1 - y) * client.right + x];
      if (pixel == 0xFF) temperature_end = std::max(temperature_end, x);
      if (pixel == 0xFF0000) mass_ratio_start = std::min(mass_ratio_start, x);
    }
  }
  EXPECT_LT(temperature_end, mass_ratio_start);
  EXPECT_GT(temperature_end, the_model.Map_X(30));
  BitBlt(frame, drawing.left, 0, client.right - drawing.left, client.bottom, screen, drawing.left, 0, SRCINVERT);
  GdiFlush();
  EXPECT_EQ(std::count(bits, bits + client.right * client.bottom, 0u), client.right * client.bottom);
  DeleteDC(frame);
  DeleteObject(bitmap);
  ReleaseDC(main, screen);
  EXPECT_EQ(Missing_Glyphs(labels_font, L"温度 20 ℃ ターゲットと粒子の質量比 20 倍"), 0);
  SendMessageW(Mass(set_button), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  EXPECT_NEAR(the_model.Map_X(400), Scaled(896), 1);
  Pump(350);
  EXPECT_NE(Positions(), before);
  // Opened by the menu's keys, it takes what is typed at once; Escape gives
  // the focus back to the button that had it.
  SetFocus(Control(command::heat_up));
  const std::pair<std::wstring, double> typed[] = {{L"-5", 1}, {L"５５", 55}, {L"1e5", 55}, {L"−3", 55}};
  for (const auto& [text, ratio] : typed) {
    SCOPED_TRACE(testing::Message() << text);
    // The menu's own loop reads the keys, so they are all sent before it runs.
    if (!IsWindowVisible(mass_setting)) {
      for (const WORD key : {VK_F10, VK_DOWN, VK_RETURN}) {
        Send(key, 0);
        Send(key, KEYEVENTF_KEYUP);
      }
      Pump(200);
    }
    EXPECT_EQ(Focused(), edit);
    Type(text);
    Press(VK_RETURN);
    EXPECT_EQ(the_model.mass_ratio, ratio);
  }
  EXPECT_EQ(Text(Mass(edit)), L"55");
  EXPECT_EQ(SendMessageW(Mass(edit), EM_GETSEL, 0, 0), MAKELRESULT(0, 2));
  for (const int id : {set_button, scroll_bar}) {
    SCOPED_TRACE(id);
    Press(VK_TAB);
    EXPECT_EQ(Focused(), id);
  }
  Press(VK_RIGHT);
  EXPECT_EQ(GetScrollPos(Mass(scroll_bar), SB_CTL), 56);
  Press(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  EXPECT_EQ(Focused(), command::heat_up);
}

// No button has the focus at first. Tab walks the enabled buttons down the
// column and Shift+Tab up it, wrapping round; Space and Enter press the
// focused button, which hands the focus on when it disables itself. Escape,
// whose Cancel has Start's id, does nothing.
TEST_F(Program, WorksTheMainWindow) {
  using namespace command;
  EXPECT_EQ(GetFocus(), main);
  const int column[] = {start,   target_on, trace_start, particles_20, particles_200,
                        heat_up, cool_down, boundary,    command::exit};
  for (int k = 0; k < 10; ++k) {
    SCOPED_TRACE(k);
    Press(VK_TAB);
    EXPECT_EQ(Focused(), column[k % 9]);
  }
  Press(VK_TAB, true);
  EXPECT_EQ(Focused(), command::exit);
  Press(VK_TAB);
  for (const WORD key : {VK_SPACE, VK_RETURN, VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    const int pressed = Focused();
    Press(key);
    EXPECT_EQ(Focused(), key == VK_ESCAPE ? pressed : pressed == start ? stop : start);
    EXPECT_EQ(IsWindowEnabled(Control(start)), Focused() == start);
  }
}

// Once the dialog shows: Cancel, which the Escape key sends, must leave it
// open; then `ending` must end it.
UINT ending = 0;
bool stayed_open = false;
bool opened_on_ok = false;

void CALLBACK Answer_About(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND dialog = FindWindowW(L"#32770", L"バージョン情報")) {
    opened_on_ok = GetDlgCtrlID(GetFocus()) == IDOK && LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)) == IDOK;
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    stayed_open = IsWindowVisible(dialog);
    PostMessageW(dialog, ending, IDOK, 0);
  }
}

// The dialog, opened from the menu, is modal: it opens on OK, its default
// button, ends by OK or by its close box and gives the focus back to the
// button that had it, while the animation goes on behind it.
TEST_F(Program, TheAboutDialogEndsByOkOrTheCloseBox) {
  Click(command::start);
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, Answer_About);
  for (const UINT message : {WM_COMMAND, WM_CLOSE}) {
    SCOPED_TRACE(message);
    ending = message;
    stayed_open = false;
    const std::vector<double> before = Positions();
    SetFocus(Control(command::boundary));
    SendMessageW(main, WM_COMMAND, command::menu_about, 0);
    EXPECT_TRUE(stayed_open);
    EXPECT_TRUE(opened_on_ok);
    EXPECT_NE(Positions(), before);
    EXPECT_EQ(Focused(), command::boundary);
  }
  KillTimer(nullptr, timer);
}

}  // namespace
