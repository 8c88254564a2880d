// The program's windows for real: the main window built as WinMain builds it,
// driven by clicks and messages; the Mass Setting window; the About dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about_dialog.h"
#include "main_window.h"
#include "texts.h"
#include "the_model.h"
#include "wine_support.h"

namespace {

HWND main_window = nullptr;

void Click(HWND window, int id) { SendMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0); }
void Click(int id) { Click(main_window, id); }
bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(main_window, id)) != FALSE; }

std::wstring Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

bool Settings_Greyed() { return (GetMenuState(GetMenu(main_window), 0, MF_BYPOSITION) & MF_GRAYED) != 0; }

// Where the particles are: changes with every step.
double Positions() {
  double sum = 0.0;
  for (int i = 1; i <= the_model.particle_count; ++i) sum += the_model.ellipse_left[i] + 3 * the_model.ellipse_top[i];
  return sum;
}

TEST(Windows, ButtonsMenuTimerAndTracing) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  ASSERT_TRUE(Register_Window_Classes(instance));
  main_window = Create_Main_Window(instance);
  ASSERT_NE(main_window, nullptr);
  Create_Entry_Buttons(main_window, instance);
  Pump(100);
  for (const auto& [id, enabled] : std::vector<std::pair<int, bool>>{
           {2, 1}, {3, 0}, {9, 1}, {10, 0}, {12, 1}, {13, 0}, {6, 1}, {7, 1}, {4, 1}, {5, 1}, {14, 1}, {8, 1}}) {
    EXPECT_EQ(Enabled(id), enabled) << "button " << id;
  }

  // The menu bar: 設定 with 質量比変更 and the 初期化 submenu, then ヘルプ.
  HMENU bar = GetMenu(main_window), settings = GetSubMenu(bar, 0), initialise = GetSubMenu(settings, 1);
  const auto item = [](HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return std::to_wstring(GetMenuItemID(menu, position)) + L" " + text;
  };
  EXPECT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(item(bar, 0), L"4294967295 設定");
  EXPECT_EQ(item(settings, 0), L"40001 質量比変更");
  EXPECT_EQ(item(settings, 1), L"4294967295 初期化");
  EXPECT_EQ(item(initialise, 0), L"40002 粒子数200");
  EXPECT_EQ(item(initialise, 1), L"40003 粒子数20");
  EXPECT_EQ(item(initialise, 2), L"40004 温度20℃");
  EXPECT_EQ(item(initialise, 3), L"40006 質量比20倍");
  EXPECT_EQ(item(bar, 1), L"4294967295 ヘルプ");
  EXPECT_EQ(item(GetSubMenu(bar, 1), 0), L"40005 バージョン情報");

  Click(9);
  EXPECT_EQ(the_model.ellipse_count, 201);
  Click(12);
  EXPECT_TRUE(Settings_Greyed());
  EXPECT_FALSE(Enabled(6) || Enabled(7) || Enabled(12));
  Click(2);
  EXPECT_FALSE(Enabled(2));
  const double before = Positions();
  Pump(350);
  EXPECT_NE(Positions(), before);  // the timer steps the model
  EXPECT_GE(the_model.line_count, 0);
  Click(13);
  EXPECT_FALSE(Settings_Greyed());
  EXPECT_TRUE(Enabled(6) && Enabled(7) && Enabled(12));
  Click(14);
  EXPECT_EQ(Text(GetDlgItem(main_window, 14)), L"反射境界");
}

TEST(Windows, IsInertWhileTheMassSettingWindowShows) {
  HWND mass_setting = FindWindowA("PopupWnd", "Mass Setting");
  ASSERT_NE(mass_setting, nullptr);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  SendMessageA(main_window, WM_COMMAND, 40001, 0);
  EXPECT_TRUE(IsWindowVisible(mass_setting));
  HWND edit = GetDlgItem(mass_setting, 100), scroll_bar = GetDlgItem(mass_setting, 101);
  EXPECT_EQ(Text(edit), L"20");
  EXPECT_EQ(GetScrollPos(scroll_bar, SB_CTL), 20);

  // Ticks, clicks and a change of size go by.
  const double before = Positions();
  Click(10);
  ShowWindow(main_window, SW_MAXIMIZE);
  Pump(350);
  EXPECT_EQ(Positions(), before);
  EXPECT_EQ(the_model.target_on, 1);
  EXPECT_EQ(the_model.scale_x, 1.0);

  // The user turns to the Mass Setting window, which shows the ratio in force.
  SetActiveWindow(mass_setting);

  const auto type = [edit](const char* keys) {
    for (; *keys; ++keys) SendMessageA(edit, WM_CHAR, *keys, 0);
  };
  SendMessageA(edit, EM_SETSEL, 0, -1);
  type("55");
  EXPECT_EQ(GetScrollPos(scroll_bar, SB_CTL), 55);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  type("0");  // corrected at once, with the caret after the correction
  EXPECT_EQ(Text(edit), L"1");
  type("50");
  EXPECT_EQ(Text(edit), L"100");
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end, 3u);
  SendMessageA(mass_setting, WM_HSCROLL, SB_PAGELEFT, reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(Text(edit), L"90");
  SendMessageA(mass_setting, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 37), reinterpret_cast<LPARAM>(scroll_bar));
  EXPECT_EQ(GetScrollPos(scroll_bar, SB_CTL), 37);
  EXPECT_EQ(Text(edit), L"37");

  // 設定 applies and closes; the main window takes up its maximised view.
  Click(mass_setting, 11);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  EXPECT_EQ(the_model.mass_ratio, 37.0);
  EXPECT_EQ(the_model.popup_open, 0);
  EXPECT_EQ(the_model.scale_x, 1.74);
  ShowWindow(main_window, SW_RESTORE);
  Pump(350);
  EXPECT_EQ(the_model.scale_x, 1.0);
  EXPECT_NE(Positions(), before);
}

// Each tick of a thread timer takes the next step of the script on the open
// dialog; OK and the close box end it with 1, Cancel and Escape do not.
struct Dialog_Step {
  UINT message;
  WPARAM wParam;
};
std::vector<Dialog_Step> script;
std::size_t steps_taken = 0;
HWND dialog = nullptr;

void CALLBACK Next_Step(HWND, UINT, UINT_PTR, DWORD) {
  dialog = FindWindowW(L"#32770", L"バージョン情報");
  if (dialog == nullptr || steps_taken == script.size()) return;
  const Dialog_Step step = script[steps_taken++];
  PostMessageA(step.message == WM_KEYDOWN ? GetFocus() : dialog, step.message, step.wParam, 0);
}

TEST(Windows, AboutEndsWithOneOnlyByOkOrTheCloseBoxWhileTheAnimationGoesOn) {
  const std::vector<Dialog_Step> scripts[] = {
      {{WM_COMMAND, IDCANCEL}, {WM_KEYDOWN, VK_ESCAPE}, {WM_COMMAND, IDOK}}, {{WM_CLOSE, 0}}};
  const UINT_PTR timer = SetTimer(nullptr, 0, 150, Next_Step);
  for (const auto& steps : scripts) {
    script = steps;
    steps_taken = 0;
    const double before = Positions();
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "KavrinoVer", main_window, AboutDlgProc, 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(steps_taken, steps.size());
    EXPECT_NE(Positions(), before);
  }
  KillTimer(nullptr, timer);

  // The dialog as compiled: a captioned window with a close box, not a
  // modal frame; three centred lines, a plain OK button and the icon.
  HWND about = CreateDialogParamA(GetModuleHandleA(nullptr), "KavrinoVer", main_window, AboutDlgProc, 0);
  ASSERT_NE(about, nullptr);
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
  Click(8);
  EXPECT_FALSE(IsWindow(main_window));
  EXPECT_EQ(Pump(100), 0);
}

}  // namespace
