// The program's windows for real, under the locale the test runs in; the code
// page it must give is in TUMBLEN_CODE_PAGE. Each test makes the main window
// as WinMain does, from a model as the program starts with, and ends it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "about_dialog.h"
#include "draw_paint.h"
#include "ids.h"
#include "japanese_text.h"
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

// The characters of `text` that `font` has no glyph for.
int Missing_Glyphs(HGDIOBJ font, const std::wstring& text) {
  HDC dc = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, before);
  ReleaseDC(nullptr, dc);
  int missing = 0;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const bool control_character = text[k] < L' ';
    if (!control_character && glyphs[k] == 0xFFFF) ++missing;
  }
  return missing;
}

// Where the particles are: changes with every step.
double Positions() {
  double sum = 0.0;
  for (int i = 1; i <= the_model.particle_count; ++i) sum += the_model.ellipse_left[i] + 3 * the_model.ellipse_top[i];
  return sum;
}

// Runs this thread's messages for about `ms` milliseconds, as the program's
// loop would; returns the code of a WM_QUIT met on the way, or -1.
int Pump(DWORD ms) {
  int quit = -1;
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) quit = static_cast<int>(message.wParam);
      DispatchMessageW(&message);
    }
    Sleep(10);
  } while (GetTickCount() - start < ms);
  return quit;
}

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

  HWND main = nullptr;
  HWND mass_setting = nullptr;
};

// Every text of the windows, read back as characters, in a font that has a
// glyph for each: the system's own where its code page is 932, elsewhere one
// with Japanese glyphs.
TEST_F(Program, ShowsEveryTextInJapaneseWhateverTheCodePage) {
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(std::getenv("TUMBLEN_CODE_PAGE"))));
  EXPECT_EQ(Japanese_Font() == nullptr, GetACP() == 932);
  HWND about = CreateDialogParamW(GetModuleHandleW(nullptr), L"KavrinoVer", main, AboutDlgProc, 0);
  HWND about_items[4] = {GetWindow(about, GW_CHILD)};
  for (int k = 1; k < 4; ++k) about_items[k] = GetWindow(about_items[k - 1], GW_HWNDNEXT);
  Click(command::boundary);
  const struct {
    HWND window;
    const wchar_t* text;
  } shown[] = {
      {main, L"Tumblen"},
      {Control(command::start), L"スタート"},
      {Control(command::stop), L"ストップ"},
      {Control(command::target_on), L"粒子あり"},
      {Control(command::target_off), L"粒子なし"},
      {Control(command::trace_start), L"追跡開始"},
      {Control(command::trace_stop), L"追跡停止"},
      {Control(command::particles_20), L"粒子数20"},
      {Control(command::particles_200), L"粒子数200"},
      {Control(command::heat_up), L"温度を上げる"},
      {Control(command::cool_down), L"温度を下げる"},
      {Control(command::boundary), L"反射境界"},
      {Control(command::exit), L"終了"},
      {mass_setting, L"Mass Setting"},
      {GetDlgItem(mass_setting, mass_control::set_button), L"設定"},
      {GetDlgItem(mass_setting, mass_control::label), L"現在の質量比-->"},
      {GetDlgItem(mass_setting, mass_control::edit), L"20"},
      {about, L"バージョン情報"},
      {about_items[0], L"ブラウン運動のシミュレーション \n Version 3.02"},
      {about_items[1], L"Tumblen 開発チーム"},
      {about_items[2], L"ブラウン運動の観察プログラム"},
      {about_items[3], L"OK"},
  };
  for (const auto& row : shown) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(Text(row.window), row.text);
    // Captions are the system's to draw, in its own caption font.
    const bool control = GetWindowLongW(row.window, GWL_STYLE) & WS_CHILD;
    if (control) {
      EXPECT_EQ(Missing_Glyphs(Font_Of(row.window), row.text), 0);
    }
  }
  Click(command::boundary);
  EXPECT_EQ(Text(Control(command::boundary)), L"周期境界");
  DestroyWindow(about);

  HMENU bar = GetMenu(main);
  const struct {
    HMENU menu;
    UINT item;
    UINT by;
    const wchar_t* text;
  } menu[] = {
      {bar, 0, MF_BYPOSITION, L"設定"},
      {bar, 1, MF_BYPOSITION, L"ヘルプ"},
      {GetSubMenu(bar, 0), 1, MF_BYPOSITION, L"初期化"},
      {bar, IDM_MASS_RATIO, MF_BYCOMMAND, L"質量比変更"},
      {bar, IDM_PARTICLES_200, MF_BYCOMMAND, L"粒子数200"},
      {bar, IDM_PARTICLES_20, MF_BYCOMMAND, L"粒子数20"},
      {bar, IDM_TEMPERATURE_20, MF_BYCOMMAND, L"温度20℃"},
      {bar, IDM_MASS_RATIO_20, MF_BYCOMMAND, L"質量比20倍"},
      {bar, IDM_ABOUT, MF_BYCOMMAND, L"バージョン情報"},
  };
  for (const auto& row : menu) {
    SCOPED_TRACE(row.text);
    wchar_t text[64] = {};
    GetMenuStringW(row.menu, row.item, text, 64, row.by);
    EXPECT_STREQ(text, row.text);
  }
}

// The labels on the screen are the expected characters: drawn again from the
// expected text, in the font and colour the program draws them in, they give
// the same pixels.
TEST_F(Program, DrawsTheLabelsInJapanese) {
  InvalidateRect(main, nullptr, TRUE);
  UpdateWindow(main);
  const HGDIOBJ font = Japanese_Font() != nullptr ? Japanese_Font() : GetStockObject(SYSTEM_FONT);
  const struct {
    int x;
    COLORREF colour;
    std::wstring text;
  } labels[] = {{230, colours::blue, L"温度 20 ℃"}, {340, colours::red, L"ターゲットと粒子の質量比 20 倍"}};
  constexpr int top = 430;
  HDC screen = GetDC(main);
  HDC drawn = CreateCompatibleDC(screen);
  for (const auto& label : labels) {
    SCOPED_TRACE(label.text);
    EXPECT_EQ(Missing_Glyphs(font, label.text), 0);
    SelectObject(drawn, font);
    SIZE size;
    GetTextExtentPoint32W(drawn, label.text.c_str(), static_cast<int>(label.text.size()), &size);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    const HGDIOBJ before = SelectObject(drawn, bitmap);
    PatBlt(drawn, 0, 0, size.cx, size.cy, WHITENESS);
    SetBkMode(drawn, TRANSPARENT);
    SetTextColor(drawn, label.colour);
    TextOutW(drawn, 0, 0, label.text.c_str(), static_cast<int>(label.text.size()));
    int differing = 0;
    int coloured = 0;
    for (int y = 0; y < size.cy; ++y) {
      for (int x = 0; x < size.cx; ++x) {
        const COLORREF expected = GetPixel(drawn, x, y);
        if (GetPixel(screen, label.x + x, top + y) != expected) ++differing;
        if (expected == label.colour) ++coloured;
      }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(coloured, 10 * static_cast<int>(label.text.size()));
    SelectObject(drawn, before);
    DeleteObject(bitmap);
  }
  DeleteDC(drawn);
  ReleaseDC(main, screen);
}

// What the user types is read as the characters typed: digits give the mass
// ratio, held to 1..100; a look-alike of a digit or a minus sign is no number
// and changes nothing, whatever the code page would make of it.
TEST_F(Program, TheMassSettingWindowReadsWhatIsTyped) {
  SendMessageW(main, WM_COMMAND, command::menu_mass_ratio, 0);
  HWND edit = GetDlgItem(mass_setting, mass_control::edit);
  const struct {
    std::wstring typed;
    std::wstring shown;
    int position;
  } cases[] = {
      {L"55", L"55", 55},         {L"150", L"100", 100},    {L"0", L"1", 1},         {L"12.9", L"12.9", 12},
      {L"５５", L"５５", 20},     {L"5²", L"5²", 20},       {L"−3", L"−3", 20},      {L"é", L"é", 20},
  };
  for (const auto& typed : cases) {
    SCOPED_TRACE(typed.typed);
    SendMessageW(mass_setting, WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(typed.typed.c_str()));
    EXPECT_EQ(Text(edit), typed.shown);
    EXPECT_EQ(GetScrollPos(GetDlgItem(mass_setting, mass_control::scroll_bar), SB_CTL), typed.position);
  }
}

// While the Mass Setting window shows, ticks, clicks and a change of size
// leave the main window as it was; applying a value closes it, and the main
// window takes up its view as it stands then.
TEST_F(Program, TheMainWindowWaitsForTheMassSettingWindow) {
  Click(command::start);
  SendMessageW(main, WM_COMMAND, command::menu_mass_ratio, 0);
  EXPECT_TRUE(IsWindowVisible(mass_setting));
  const double before = Positions();
  Click(command::target_on);
  ShowWindow(main, SW_MAXIMIZE);
  Pump(350);
  EXPECT_EQ(Positions(), before);
  EXPECT_EQ(the_model.target_on, 0);
  EXPECT_EQ(the_model.scale_x, 1.0);

  // Back to the Mass Setting window, which shows the ratio in force again.
  SetActiveWindow(mass_setting);
  const HWND scroll_bar = GetDlgItem(mass_setting, mass_control::scroll_bar);
  SendMessageW(mass_setting, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 37), reinterpret_cast<LPARAM>(scroll_bar));
  SendMessageW(mass_setting, WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(Text(GetDlgItem(mass_setting, mass_control::edit)), L"36");
  SendMessageW(GetDlgItem(mass_setting, mass_control::set_button), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  EXPECT_EQ(the_model.mass_ratio, 36.0);
  EXPECT_EQ(the_model.popup_open, 0);
  EXPECT_EQ(the_model.scale_x, 1.74);
  Pump(350);
  EXPECT_NE(Positions(), before);
}

// The buttons and the menu follow the clicks, and the timer steps the model.
TEST_F(Program, ButtonsAndMenuFollowTheClicksAndTheTimerSteps) {
  for (const int id : {command::target_on, command::trace_start, command::start}) Click(id);
  const struct {
    int id;
    bool enabled;
  } buttons[] = {
      {command::start, false},        {command::stop, true},          {command::target_on, false},
      {command::target_off, true},    {command::trace_start, false},  {command::trace_stop, true},
      {command::particles_20, false}, {command::particles_200, false}, {command::heat_up, true},
      {command::cool_down, true},     {command::boundary, true},      {command::exit, true},
  };
  for (const auto& button : buttons) {
    SCOPED_TRACE(button.id);
    EXPECT_EQ(IsWindowEnabled(Control(button.id)) != FALSE, button.enabled);
  }
  EXPECT_TRUE(GetMenuState(GetMenu(main), 0, MF_BYPOSITION) & MF_GRAYED);
  const double before = Positions();
  Pump(350);
  EXPECT_NE(Positions(), before);
  Click(command::trace_stop);
  EXPECT_FALSE(GetMenuState(GetMenu(main), 0, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_TRUE(IsWindowEnabled(Control(command::particles_20)));
}

// A laid-out model with a path, painted again and again and read back from
// the screen: the box, the particles, the target over them and the path.
TEST_F(Program, PaintsTheModelAndFreesEveryPenAndBrushItMakes) {
  the_model.random.Seed(20);
  the_model.phase = 0;
  the_model.target_on = 0;
  the_model.trace_on = 1;
  the_model.Advance();
  // Window row 360, from x 250 to 310.
  for (const double x : {50.0, 110.0}) {
    the_model.trace_x->Push(x);
    the_model.trace_y->Push(50.0);
  }
  the_model.Advance();
  the_model.target_on = 1;
  the_model.ellipse_count = 201;
  // A paint makes some 800 pens and brushes; were they not freed, the
  // process's GDI handles would run out long before the last of these paints.
  for (int k = 0; k < 200; ++k) {
    InvalidateRect(main, nullptr, TRUE);
    UpdateWindow(main);
  }
  // The box 0,0-400,400 lands on (200, 410)-(600, 10), the target at 200-240
  // on both axes.
  const struct {
    const char* what;
    Colour colour;
    RECT area;
    int at_least;
    int at_most;
  } areas[] = {
      {"box top", colours::blue, {200, 10, 600, 11}, 380, 400},
      {"box left", colours::blue, {200, 10, 201, 410}, 380, 400},
      {"particles", colours::green, {201, 11, 599, 409}, 1800, 5000},
      {"button column", colours::green, {0, 0, 200, 500}, 0, 0},
      {"target", colours::red, {410, 180, 430, 200}, 400, 400},
      {"path", colours::magenta, {250, 360, 311, 361}, 59, 61},
  };
  HDC screen = GetDC(main);
  for (const auto& area : areas) {
    SCOPED_TRACE(area.what);
    int pixels = 0;
    for (LONG y = area.area.top; y < area.area.bottom; ++y) {
      for (LONG x = area.area.left; x < area.area.right; ++x) pixels += GetPixel(screen, x, y) == area.colour;
    }
    EXPECT_GE(pixels, area.at_least);
    EXPECT_LE(pixels, area.at_most);
  }
  ReleaseDC(main, screen);
  // Without a device context nothing is drawn, not even a count brought down.
  Draw_Controler list;
  list.ellipse_count = 450;
  Draw_Paint(nullptr, list);
  EXPECT_EQ(list.ellipse_count, 450);
}

// Once the dialog shows: Cancel, which the Escape key sends, must leave it
// open; then `ending` must end it.
UINT ending = 0;
bool stayed_open = false;

void CALLBACK Answer_About(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND dialog = FindWindowW(L"#32770", L"バージョン情報")) {
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    stayed_open = IsWindowVisible(dialog);
    PostMessageW(dialog, ending, IDOK, 0);
  }
}

// The dialog is modal and ends with 1 by OK or by its close box, while the
// animation goes on behind it.
TEST_F(Program, TheAboutDialogEndsByOkOrTheCloseBox) {
  Click(command::start);
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, Answer_About);
  for (const UINT message : {WM_COMMAND, WM_CLOSE}) {
    SCOPED_TRACE(message);
    ending = message;
    stayed_open = false;
    const double before = Positions();
    EXPECT_EQ(DialogBoxParamW(GetModuleHandleW(nullptr), L"KavrinoVer", main, AboutDlgProc, 0), 1);
    EXPECT_TRUE(stayed_open);
    EXPECT_NE(Positions(), before);
  }
  KillTimer(nullptr, timer);
  // As compiled: a captioned window with a close box, not a modal frame;
  // three centred texts, a plain OK button and the icon.
  HWND about = CreateDialogParamW(GetModuleHandleW(nullptr), L"KavrinoVer", main, AboutDlgProc, 0);
  const LONG frame = WS_CAPTION | WS_SYSMENU | WS_POPUP | DS_MODALFRAME;
  EXPECT_EQ(GetWindowLongW(about, GWL_STYLE) & frame, WS_CAPTION | WS_SYSMENU);
  std::vector<LONG> kinds;
  for (HWND item = GetWindow(about, GW_CHILD); item != nullptr; item = GetWindow(item, GW_HWNDNEXT))
    kinds.push_back(GetWindowLongW(item, GWL_STYLE) & 0xF);
  EXPECT_EQ(kinds, std::vector<LONG>({SS_CENTER, SS_CENTER, SS_CENTER, BS_PUSHBUTTON, SS_ICON}));
  DestroyWindow(about);
}

TEST_F(Program, ExitEndsTheProgramWithZero) {
  Click(command::exit);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(Pump(100), 0);
}

}  // namespace
