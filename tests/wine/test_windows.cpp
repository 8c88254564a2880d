// The program's windows for real: the main window built as WinMain builds it,
// driven by clicks and messages; the Mass Setting window; the About dialog.
#include <gtest/gtest.h>

#include <string>

#include "about_dialog.h"
#include "draw_paint.h"
#include "main_window.h"
#include "the_model.h"

namespace {

HWND main_window = nullptr;

void Click(HWND window, int id) { SendMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }

std::wstring Text(HWND window) { wchar_t text[256] = {}; return GetWindowTextW(window, text, 256), text; }

// The buttons down the left edge, each "+" if usable, and the 設定 menu.
std::wstring Buttons() {
  std::wstring shown;
  for (int id : {2, 3, 9, 10, 12, 13, 6, 7, 4, 5, 14, 8})
    shown += Text(GetDlgItem(main_window, id)) + (IsWindowEnabled(GetDlgItem(main_window, id)) ? L"+ " : L" ");
  return shown + (GetMenuState(GetMenu(main_window), 0, MF_BYPOSITION) & MF_GRAYED ? L"設定 greyed" : L"設定");
}

std::wstring Menu_Items(HMENU menu) {
  std::wstring items;
  for (int k = 0; k < GetMenuItemCount(menu); ++k) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, k, text, 64, MF_BYPOSITION);
    items += std::to_wstring(static_cast<int>(GetMenuItemID(menu, k))) + L" " + text + L"|";
    if (HMENU submenu = GetSubMenu(menu, k)) items += L"(" + Menu_Items(submenu) + L")";
  }
  return items;
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
  for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10)) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
      message.message == WM_QUIT ? void(quit = static_cast<int>(message.wParam)) : void(DispatchMessageA(&message));
  }
  return quit;
}

// Every text, as code page 932 turns it into characters: buttons, menu, labels.
TEST(Windows, ButtonsMenuTimerAndTracing) {
  EXPECT_EQ(GetACP(), 932u);
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(Register_Window_Classes(instance));
  ASSERT_NE(main_window = Create_Main_Window(instance), nullptr);
  Create_Entry_Buttons(main_window, instance);
  EXPECT_EQ(Buttons(), L"スタート+ ストップ 粒子あり+ 粒子なし 追跡開始+ 追跡停止 粒子数20+ 粒子数200+ 温度を上げる+ "
                       L"温度を下げる+ 周期境界+ 終了+ 設定");
  EXPECT_EQ(Menu_Items(GetMenu(main_window)),
            L"-1 設定|(40001 質量比変更|-1 初期化|(40002 粒子数200|40003 粒子数20|40004 温度20℃|40006 質量比20倍|))"
            L"-1 ヘルプ|(40005 バージョン情報|)");
  wchar_t labels[2][64] = {};
  for (int i : {1, 2}) MultiByteToWideChar(CP_ACP, 0, the_model.text_string[i], -1, labels[i - 1], 64);
  EXPECT_EQ(std::wstring(labels[0]) + L"|" + labels[1], L"温度 20 ℃|ターゲットと粒子の質量比 20 倍");

  for (int id : {9, 12, 2}) Click(main_window, id);  // the target, its path, and start
  EXPECT_EQ(Buttons(), L"スタート ストップ+ 粒子あり 粒子なし+ 追跡開始 追跡停止+ 粒子数20 粒子数200 温度を上げる+ "
                       L"温度を下げる+ 周期境界+ 終了+ 設定 greyed");
  const double before = Positions();
  Pump(350);
  EXPECT_NE(Positions(), before);  // the timer steps the model
  for (int id : {13, 14}) Click(main_window, id);
  EXPECT_EQ(Buttons(), L"スタート ストップ+ 粒子あり 粒子なし+ 追跡開始+ 追跡停止 粒子数20+ 粒子数200+ 温度を上げる+ "
                       L"温度を下げる+ 反射境界+ 終了+ 設定");
}

// A laid-out model with a path, painted again and again on the stopped main
// window and read back from the screen.
TEST(Windows, PaintsTheModelAndFreesEveryPenAndBrushItMakes) {
  Click(main_window, 3);
  Draw_Controler& model = the_model;
  model.random.Seed(20);
  model.phase = 0, model.target_on = 0, model.trace_on = 1;  // nothing moves the target yet
  model.Advance();
  for (const double x : {50.0, 110.0}) model.trace_x->Push(x), model.trace_y->Push(50.0);  // window row 360
  model.Advance();
  model.target_on = 1, model.ellipse_count = 201;
  // A paint makes some 800 pens and brushes; were they not freed, the
  // process's GDI handles would run out long before the last of these paints.
  for (int k = 0; k < 200; ++k) InvalidateRect(main_window, nullptr, TRUE), UpdateWindow(main_window);
  // The box 0,0-400,400 lands on (200, 410)-(600, 10); the target 200-240 on
  // both axes over the particles; labels at world y -20, window y 430.
  const struct { Colour colour; RECT r; int at_least, at_most; } regions[] = {
      {colours::blue, {200, 10, 600, 11}, 380, 400},    {colours::blue, {200, 10, 201, 410}, 380, 400},
      {colours::green, {201, 11, 599, 409}, 1800, 5000}, {colours::green, {0, 0, 200, 500}, 0, 0},
      {colours::red, {410, 180, 430, 200}, 400, 400},   {colours::magenta, {250, 360, 311, 361}, 59, 61},
      {colours::blue, {230, 430, 340, 480}, 31, 5500},  {colours::red, {340, 430, 640, 480}, 61, 15000}};
  HDC screen = GetDC(main_window);
  for (const auto& [colour, r, at_least, at_most] : regions) {
    int n = 0;  // pixels of the colour in the region, as the screen shows them
    for (LONG y = r.top; y < r.bottom; ++y)
      for (LONG x = r.left; x < r.right; ++x) n += GetPixel(screen, x, y) == colour;
    EXPECT_TRUE(at_least <= n && n <= at_most) << std::hex << colour << std::dec << " " << n << " at " << r.left;
  }
  ReleaseDC(main_window, screen);
  Draw_Controler list;  // without a device context nothing is drawn, not even a count brought down
  list.ellipse_count = 450, Draw_Paint(nullptr, list);
  EXPECT_EQ(list.ellipse_count, 450);
  Click(main_window, 2);
}

TEST(Windows, TheMassSettingWindowTakesKeysAndScrollingWhileTheMainWindowIsInert) {
  HWND mass_setting = FindWindowA("PopupWnd", "Mass Setting");
  ASSERT_TRUE(mass_setting && !IsWindowVisible(mass_setting));
  SendMessageA(main_window, WM_COMMAND, 40001, 0);
  HWND edit = GetDlgItem(mass_setting, 100), scroll_bar = GetDlgItem(mass_setting, 101);
  const auto shown = [&] {
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    return Text(edit) + L" " + std::to_wstring(GetScrollPos(scroll_bar, SB_CTL)) + L" " + std::to_wstring(end);
  };
  EXPECT_EQ(Text(GetDlgItem(mass_setting, 11)) + Text(GetDlgItem(mass_setting, 99)) + shown() +
                (IsWindowVisible(mass_setting) ? L" shown" : L""), L"設定現在の質量比-->20 20 2 shown");
  const double before = Positions();  // ticks, clicks and a change of size go by
  Click(main_window, 10);
  ShowWindow(main_window, SW_MAXIMIZE);
  Pump(350);
  EXPECT_EQ(std::vector<double>({Positions(), 1.0 * the_model.target_on, the_model.scale_x}),
            std::vector<double>({before, 1, 1}));

  SetActiveWindow(mass_setting);  // shows the ratio in force again
  const auto type = [&](const char* keys, LPARAM select_from) {
    SendMessageA(edit, EM_SETSEL, select_from, -1);
    for (; *keys; ++keys) SendMessageA(edit, WM_CHAR, *keys, 0);
    return shown();
  };
  EXPECT_EQ(type("55", 0), L"55 55 2");
  EXPECT_EQ(type("0", 0), L"1 1 1");  // corrected at once, the caret after the correction
  EXPECT_EQ(type("50", -1), L"100 100 3");
  SendMessageA(mass_setting, WM_HSCROLL, SB_PAGELEFT, reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(shown(), L"90 90 2");
  SendMessageA(mass_setting, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 37), reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(shown(), L"37 37 2");

  Click(mass_setting, 11);  // applies and closes; the main window takes up its maximised view
  const bool hidden = !IsWindowVisible(mass_setting);
  EXPECT_EQ(std::vector<double>({1.0 * hidden, the_model.mass_ratio, 1.0 * the_model.popup_open, the_model.scale_x}),
            std::vector<double>({1, 37, 0, 1.74}));
  ShowWindow(main_window, SW_RESTORE);
  Pump(350);
  EXPECT_EQ(the_model.scale_x, 1.0);
  EXPECT_NE(Positions(), before);
}

// Once the dialog shows: Cancel, which the Escape key sends, must leave it
// open; then `ending` must end it.
UINT ending = 0;
bool stayed_open = false;

void CALLBACK Answer_About(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND dialog = FindWindowW(L"#32770", L"バージョン情報")) {
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    stayed_open = IsWindowVisible(dialog);
    PostMessageA(dialog, ending, IDOK, 0);
  }
}

TEST(Windows, TheAboutDialogEndsWithOneByOkOrTheCloseBoxWhileTheAnimationGoesOn) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, Answer_About);
  for (const UINT message : {WM_COMMAND, WM_CLOSE}) {
    ending = message, stayed_open = false;
    const double before = Positions();
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), "KavrinoVer", main_window, AboutDlgProc, 0), 1);
    EXPECT_TRUE(stayed_open && Positions() != before);
  }
  KillTimer(nullptr, timer);
  // As compiled: a captioned window with a close box, not a modal frame;
  // three centred lines (SS_CENTER), a plain OK button and the icon (SS_ICON).
  HWND about = CreateDialogParamA(GetModuleHandleA(nullptr), "KavrinoVer", main_window, AboutDlgProc, 0);
  std::wstring items = std::to_wstring(GetWindowLongA(about, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_POPUP | DS_MODALFRAME));
  for (HWND item = GetWindow(about, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT))
    items += L"|" + Text(item) + L":" + std::to_wstring(GetWindowLongA(item, GWL_STYLE) & 0xF);
  EXPECT_EQ(items, std::to_wstring(WS_CAPTION | WS_SYSMENU) + L"|ブラウン運動のシミュレーション \n Version 3.02:1|"
                   L"Tumblen 開発チーム:1|ブラウン運動の観察プログラム:1|OK:0|KAVRINOICON:3");
  DestroyWindow(about);
}

TEST(Windows, ExitEndsTheProgramWithZero) {
  Click(main_window, 8);
  EXPECT_FALSE(IsWindow(main_window));
  EXPECT_EQ(Pump(100), 0);
}

}  // namespace
