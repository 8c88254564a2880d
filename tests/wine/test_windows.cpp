// The program's windows for real: the main window built as WinMain builds it,
// driven by clicks and messages; the Mass Setting window; the About dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about_dialog.h"
#include "main_window.h"
#include "the_model.h"
#include "wine_support.h"

namespace {

HWND main_window = nullptr;

void Click(HWND window, int id) { SendMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  return GetWindowTextW(window, text, 256), text;
}

// Buttons 2 to 14 usable, and whether the 設定 menu is greyed.
std::vector<bool> Controls() {
  std::vector<bool> usable;
  for (int id : {2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14}) usable.push_back(IsWindowEnabled(GetDlgItem(main_window, id)));
  return usable.push_back(GetMenuState(GetMenu(main_window), 0, MF_BYPOSITION) & MF_GRAYED), usable;
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

TEST(Windows, ButtonsMenuTimerAndTracing) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(Register_Window_Classes(instance));
  ASSERT_NE(main_window = Create_Main_Window(instance), nullptr);
  Create_Entry_Buttons(main_window, instance);
  EXPECT_EQ(Controls(), std::vector<bool>({1, 0, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1, 0}));
  EXPECT_EQ(Menu_Items(GetMenu(main_window)), L"-1 設定|(40001 質量比変更|-1 初期化|(40002 粒子数200|40003 粒子数20|"
                                              L"40004 温度20℃|40006 質量比20倍|))-1 ヘルプ|(40005 バージョン情報|)");
  for (int id : {9, 12, 2}) Click(main_window, id);  // the target, its path, and start
  EXPECT_EQ(Controls(), std::vector<bool>({0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1, 1, 1}));
  const double before = Positions();
  Pump(350);
  EXPECT_NE(Positions(), before);  // the timer steps the model
  Click(main_window, 13);
  Click(main_window, 14);
  EXPECT_EQ(Controls(), std::vector<bool>({0, 1, 1, 1, 1, 1, 1, 0, 1, 1, 0, 1, 0}));
  EXPECT_EQ(Text(GetDlgItem(main_window, 14)), L"反射境界");
}

TEST(Windows, TheMassSettingWindowTakesKeysAndScrollingWhileTheMainWindowIsInert) {
  HWND mass_setting = FindWindowA("PopupWnd", "Mass Setting");
  ASSERT_TRUE(mass_setting && !IsWindowVisible(mass_setting));
  SendMessageA(main_window, WM_COMMAND, 40001, 0);
  HWND edit = GetDlgItem(mass_setting, 100), scroll_bar = GetDlgItem(mass_setting, 101);
  EXPECT_TRUE(IsWindowVisible(mass_setting));
  EXPECT_EQ(Text(edit) + L" " + std::to_wstring(GetScrollPos(scroll_bar, SB_CTL)), L"20 20");
  const double before = Positions();  // ticks, clicks and a change of size go by
  Click(main_window, 10);
  ShowWindow(main_window, SW_MAXIMIZE);
  Pump(350);
  EXPECT_EQ(std::vector<double>({Positions(), 1.0 * the_model.target_on, the_model.scale_x}),
            std::vector<double>({before, 1, 1}));

  SetActiveWindow(mass_setting);  // shows the ratio in force, 20, with the caret at its end
  const auto type = [edit, scroll_bar](const char* keys, LPARAM select_from) {
    SendMessageA(edit, EM_SETSEL, select_from, -1);
    for (; *keys; ++keys) SendMessageA(edit, WM_CHAR, *keys, 0);
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
    return Text(edit) + L" " + std::to_wstring(GetScrollPos(scroll_bar, SB_CTL)) + L" " + std::to_wstring(end);
  };
  EXPECT_EQ(type("55", 0), L"55 55 2");
  EXPECT_EQ(type("0", 0), L"1 1 1");  // corrected at once, the caret after the correction
  EXPECT_EQ(type("50", -1), L"100 100 3");
  SendMessageA(mass_setting, WM_HSCROLL, SB_PAGELEFT, reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(type("", -1), L"90 90 2");
  SendMessageA(mass_setting, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 37), reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(type("", -1), L"37 37 2");

  Click(mass_setting, 11);  // applies and closes; the main window takes up its maximised view
  EXPECT_EQ(std::vector<double>({1.0 * IsWindowVisible(mass_setting), the_model.mass_ratio, 1.0 * the_model.popup_open,
                                 the_model.scale_x}),
            std::vector<double>({0, 37, 0, 1.74}));
  ShowWindow(main_window, SW_RESTORE);
  Pump(350);
  EXPECT_EQ(the_model.scale_x, 1.0);
  EXPECT_NE(Positions(), before);
}

// Each tick of a thread timer takes the next step of a script on the open
// dialog: OK and the close box end it with 1, Cancel and Escape do not.
std::vector<std::pair<UINT, WPARAM>> script;
std::size_t steps_taken = 0;

void CALLBACK Next_Step(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = FindWindowW(L"#32770", L"バージョン情報");
  if (dialog == nullptr || steps_taken == script.size()) return;
  const auto [message, wParam] = script[steps_taken++];
  PostMessageA(message == WM_KEYDOWN ? GetFocus() : dialog, message, wParam, 0);
}

TEST(Windows, TheAboutDialogEndsWithOneOnlyByOkOrTheCloseBoxWhileTheAnimationGoesOn) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, Next_Step);
  for (const auto& steps : {decltype(script){{WM_COMMAND, IDCANCEL}, {WM_KEYDOWN, VK_ESCAPE}, {WM_COMMAND, IDOK}},
                            decltype(script){{WM_CLOSE, 0}}}) {
    script = steps, steps_taken = 0;
    const double before = Positions();
    EXPECT_EQ(DialogBoxParamA(GetModuleHandleA(nullptr), "KavrinoVer", main_window, AboutDlgProc, 0), 1);
    EXPECT_EQ(steps_taken, steps.size());
    EXPECT_NE(Positions(), before);
  }
  KillTimer(nullptr, timer);

  // As compiled: a captioned window with a close box, not a modal frame;
  // three centred lines, a plain OK button and the icon.
  HWND about = CreateDialogParamA(GetModuleHandleA(nullptr), "KavrinoVer", main_window, AboutDlgProc, 0);
  const LONG style = GetWindowLongA(about, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_POPUP | DS_MODALFRAME), WS_CAPTION | WS_SYSMENU);
  std::wstring lines;
  for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) lines += Text(child) + L"|";
  EXPECT_EQ(lines.substr(0, lines.find(L"|OK|") + 4),
            L"ブラウン運動のシミュレーション \n Version 3.02|Tumblen 開発チーム|ブラウン運動の観察プログラム|OK|");
  EXPECT_EQ(GetWindowLongA(GetDlgItem(about, IDOK), GWL_STYLE) & 0xF, BS_PUSHBUTTON);
  EXPECT_NE(SendMessageA(GetDlgItem(about, 0), STM_GETICON, 0, 0), 0);
  DestroyWindow(about);
}

TEST(Windows, ExitEndsTheProgramWithZero) {
  Click(main_window, 8);
  EXPECT_FALSE(IsWindow(main_window));
  EXPECT_EQ(Pump(100), 0);
}

}  // namespace
