// The real main window under Wine: the classes registered and the window built
// as WinMain does, then driven with button clicks and menu commands, checking
// the model, the controls, the menu, the timer and the pixels drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "main_window.h"
#include "main_window_logic.h"
#include "texts.h"
#include "the_model.h"

namespace {

bool quit_seen = false;
WPARAM quit_code = 12345;

// Runs the thread's messages for about `ms` milliseconds, as the program's
// loop would, noting a WM_QUIT instead of stopping.
void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  MSG message;
  for (;;) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit_seen = true;
        quit_code = message.wParam;
        continue;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    const DWORD spent = GetTickCount() - start;
    if (spent >= ms) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
  }
}

// Puts the one global model back to its constructed switches, so each test
// starts from a fresh program.
void Reset_Model() {
  Draw_Controler& m = The_Model();
  m.phase = 0;
  m.target_on = 1;
  m.trace_on = 0;
  m.periodic = 0;
  m.popup_open = 0;
  m.particle_count = 200;
  m.mass_ratio = 20.0;
  m.run_state = m.run_busy;
  m.run_done = m.run_busy;
  m.trace_x->Clear();
  m.trace_y->Clear();
}

std::vector<double> Positions() {
  const Draw_Controler& m = The_Model();
  return std::vector<double>(m.ellipse_left + 1, m.ellipse_left + 1 + m.particle_count);
}

std::string Text_Of(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

struct Pixel_Counts {
  int green = 0;
  int red = 0;
  int magenta = 0;
  int blue = 0;
  int white = 0;
};

class Main_Window_Wine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(Register_Window_Classes(GetModuleHandleA(nullptr))); }

  void SetUp() override {
    Reset_Model();
    quit_seen = false;
    quit_code = 12345;
    instance = GetModuleHandleA(nullptr);
    window = Create_Main_Window(instance);
    ASSERT_NE(window, nullptr);
    Create_Entry_Buttons(window, instance);
    Pump(100);
  }

  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
    Pump(50);
  }

  HWND Button(int id) const { return GetDlgItem(window, id); }

  void Click(int id) {
    HWND button = Button(id);
    ASSERT_NE(button, nullptr) << id;
    ASSERT_TRUE(IsWindowEnabled(button)) << "button " << id << " is disabled";
    SendMessageA(button, BM_CLICK, 0, 0);
  }

  void Menu(int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  bool Enabled(int id) const { return IsWindowEnabled(Button(id)) != FALSE; }

  bool Settings_Greyed() const { return (GetMenuState(GetMenu(window), 0, MF_BYPOSITION) & MF_GRAYED) != 0; }

  // Counts the colours in the box of the drawing area, (200, 10) to (600, 410)
  // in client pixels, as they are on the screen now.
  Pixel_Counts Box_Pixels() {
    UpdateWindow(window);
    const int width = 400;
    const int height = 400;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 200, 10, SRCCOPY);
    GdiFlush();
    Pixel_Counts counts;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int k = 0; k < width * height; ++k) {
      switch (pixels[k] & 0xFFFFFFu) {  // 0x00RRGGBB in a DIB
        case 0x00FF00: ++counts.green; break;
        case 0xFF0000: ++counts.red; break;
        case 0xFF00FF: ++counts.magenta; break;
        case 0x0000FF: ++counts.blue; break;
        case 0xFFFFFF: ++counts.white; break;
        default: break;
      }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return counts;
  }

  HINSTANCE instance = nullptr;
  HWND window = nullptr;
};

TEST_F(Main_Window_Wine, ClassesAreRegisteredOnceWithIconCursorWhiteAndMenu) {
  // A second registration fails: that is the entry point's -1 path.
  EXPECT_FALSE(Register_Window_Classes(instance));
  for (const char* name : {"Ws_OwnerWnd", "PopupWnd"}) {
    SCOPED_TRACE(name);
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(instance, name, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_NE(info.hIcon, nullptr);
    EXPECT_NE(info.hCursor, nullptr);
    EXPECT_EQ(info.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
  }
  WNDCLASSA main_info = {};
  GetClassInfoA(instance, "Ws_OwnerWnd", &main_info);
  EXPECT_STREQ(main_info.lpszMenuName, "Kavrino");
  EXPECT_EQ(main_info.lpfnWndProc, MainWndProc);
}

TEST_F(Main_Window_Wine, StartsAsTheProgramDoes) {
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Tumblen");
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)) & 0x10CF0000u, 0x10CF0000u);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 660);
  EXPECT_EQ(outer.bottom - outer.top, 560);

  const Draw_Controler& m = The_Model();
  EXPECT_EQ(m.phase, 1);
  EXPECT_EQ(m.target_on, 0);
  EXPECT_EQ(m.ellipse_count, 200);
  EXPECT_EQ(m.origin_x, 200.0);
  EXPECT_EQ(m.origin_y, 410.0);

  for (const Button_Layout& layout : main_layout::buttons) {
    SCOPED_TRACE(layout.id);
    HWND button = Button(layout.id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Text_Of(button), layout.text);
    EXPECT_EQ(Enabled(layout.id), layout.enabled_at_start);
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, layout.y);
    EXPECT_EQ(r.right - r.left, 120);
    EXPECT_EQ(r.bottom - r.top, 30);
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(button, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON), static_cast<DWORD>(WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON));
  }

  HMENU menu = GetMenu(window);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_FALSE(Settings_Greyed());

  HWND mass = Mass_Setting_Window();
  ASSERT_NE(mass, nullptr);
  EXPECT_FALSE(IsWindowVisible(mass));
  EXPECT_EQ(GetWindow(mass, GW_OWNER), window);
  char mass_caption[64] = {};
  GetWindowTextA(mass, mass_caption, sizeof mass_caption);
  EXPECT_STREQ(mass_caption, "Mass Setting");
}

TEST_F(Main_Window_Wine, StartRunsTheTimerAndStopHaltsIt) {
  const std::vector<double> before = Positions();
  Click(command::start);
  const std::vector<double> after_click = Positions();
  EXPECT_NE(after_click, before);  // one step at once
  EXPECT_FALSE(Enabled(command::start));
  EXPECT_TRUE(Enabled(command::stop));

  Pump(350);
  const std::vector<double> after_ticks = Positions();
  EXPECT_NE(after_ticks, after_click) << "no WM_TIMER arrived";
  EXPECT_EQ(The_Model().phase, 1);

  Click(command::stop);
  EXPECT_TRUE(Enabled(command::start));
  EXPECT_FALSE(Enabled(command::stop));
  Pump(50);
  const std::vector<double> stopped = Positions();
  Pump(300);
  EXPECT_EQ(Positions(), stopped);
}

TEST_F(Main_Window_Wine, TargetButtons) {
  Click(command::target_on);
  EXPECT_EQ(The_Model().target_on, 1);
  EXPECT_EQ(The_Model().ellipse_count, 201);
  EXPECT_FALSE(Enabled(command::target_on));
  EXPECT_TRUE(Enabled(command::target_off));
  Click(command::target_off);
  EXPECT_EQ(The_Model().target_on, 0);
  EXPECT_EQ(The_Model().ellipse_count, 200);
  EXPECT_TRUE(Enabled(command::target_on));
  EXPECT_FALSE(Enabled(command::target_off));
}

TEST_F(Main_Window_Wine, TrackingGreysTheSettingsPopupAndParticleButtons) {
  Click(command::trace_start);
  EXPECT_EQ(The_Model().trace_on, 1);
  EXPECT_TRUE(Settings_Greyed());
  EXPECT_FALSE(Enabled(command::trace_start));
  EXPECT_TRUE(Enabled(command::trace_stop));
  EXPECT_FALSE(Enabled(command::particles_20));
  EXPECT_FALSE(Enabled(command::particles_200));
  for (int id : {2, 4, 5, 8, 9, 14}) EXPECT_TRUE(Enabled(id)) << id;
  // The Help pop-up stays usable.
  EXPECT_EQ(GetMenuState(GetMenu(window), 1, MF_BYPOSITION) & MF_GRAYED, 0u);

  Click(command::trace_stop);
  EXPECT_EQ(The_Model().trace_on, 0);
  EXPECT_FALSE(Settings_Greyed());
  EXPECT_TRUE(Enabled(command::trace_start));
  EXPECT_FALSE(Enabled(command::trace_stop));
  EXPECT_TRUE(Enabled(command::particles_20));
  EXPECT_TRUE(Enabled(command::particles_200));
}

TEST_F(Main_Window_Wine, BoundaryButtonNamesTheOtherMode) {
  Click(command::boundary);
  EXPECT_EQ(The_Model().periodic, 1);
  EXPECT_EQ(Text_Of(Button(command::boundary)), texts::button_reflecting);
  Click(command::boundary);
  EXPECT_EQ(The_Model().periodic, 0);
  EXPECT_EQ(Text_Of(Button(command::boundary)), texts::button_periodic);
}

TEST_F(Main_Window_Wine, ParticleTemperatureAndMassCommands) {
  Click(command::particles_20);
  EXPECT_EQ(The_Model().particle_count, 20);
  EXPECT_EQ(The_Model().ellipse_count, 20);
  Menu(command::menu_particles_200);
  EXPECT_EQ(The_Model().particle_count, 200);
  Menu(command::menu_particles_20);
  EXPECT_EQ(The_Model().particle_count, 20);
  Click(command::particles_200);
  EXPECT_EQ(The_Model().particle_count, 200);
  EXPECT_EQ(The_Model().phase, 1);

  Click(command::heat_up);
  EXPECT_DOUBLE_EQ(The_Model().temperature, 31.25);
  Click(command::cool_down);
  Click(command::cool_down);
  EXPECT_DOUBLE_EQ(The_Model().temperature, 31.25 * 0.64 * 0.64);
  Menu(command::menu_temperature_20);
  EXPECT_EQ(The_Model().temperature, 20.0);

  The_Model().mass_ratio = 33.0;
  Menu(command::menu_mass_ratio_20);
  EXPECT_EQ(The_Model().mass_ratio, 20.0);
  EXPECT_EQ(The_Model().phase, 0);
}

TEST_F(Main_Window_Wine, EveryCommandButMassRatioInvalidatesTheDrawingArea) {
  RECT client;
  GetClientRect(window, &client);
  for (int id : {3, 4, 5, 9, 10, 14, 40004, 40006, 77, 40000}) {
    SCOPED_TRACE(id);
    ValidateRect(window, nullptr);
    Menu(id);
    RECT update = {};
    ASSERT_TRUE(GetUpdateRect(window, &update, FALSE));
    EXPECT_EQ(update.left, 165);
    EXPECT_EQ(update.top, 0);
    EXPECT_EQ(update.right, client.right);
    EXPECT_EQ(update.bottom, client.bottom);
  }
  ValidateRect(window, nullptr);
  Menu(command::menu_mass_ratio);
  RECT update = {};
  EXPECT_FALSE(GetUpdateRect(window, &update, FALSE));
}

TEST_F(Main_Window_Wine, MassSettingWindowMakesTheMainWindowInert) {
  Click(command::start);
  Menu(command::menu_mass_ratio);
  HWND mass = Mass_Setting_Window();
  EXPECT_TRUE(IsWindowVisible(mass));
  EXPECT_EQ(The_Model().popup_open, 1);

  const std::vector<double> paused = Positions();
  Click(command::target_on);
  Menu(command::menu_particles_20);
  Pump(350);
  EXPECT_EQ(The_Model().target_on, 0);
  EXPECT_EQ(The_Model().particle_count, 200);
  EXPECT_EQ(Positions(), paused) << "ticks acted on while the Mass Setting window shows";

  // Its close box hides it; the animation goes on.
  SendMessageA(mass, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(mass));
  EXPECT_EQ(The_Model().popup_open, 0);
  Pump(350);
  EXPECT_NE(Positions(), paused);
}

TEST_F(Main_Window_Wine, CloseBoxWorksWhileMassSettingShows) {
  Menu(command::menu_mass_ratio);
  HWND mass = Mass_Setting_Window();
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(mass));
  Pump(50);
  EXPECT_TRUE(quit_seen);
  EXPECT_EQ(quit_code, 0u);
}

TEST_F(Main_Window_Wine, ExitButtonDestroysTheWindowAndPostsQuitZero) {
  Click(command::start);
  Click(command::exit);
  EXPECT_FALSE(IsWindow(window));
  Pump(50);
  EXPECT_TRUE(quit_seen);
  EXPECT_EQ(quit_code, 0u);
}

TEST_F(Main_Window_Wine, SizeMessagesSwitchTheMapping) {
  ShowWindow(window, SW_MAXIMIZE);
  Pump(100);
  EXPECT_EQ(The_Model().scale_x, 1.74);
  EXPECT_EQ(The_Model().origin_y, 700.0);
  ShowWindow(window, SW_RESTORE);
  Pump(100);
  EXPECT_EQ(The_Model().scale_x, 1.0);
  EXPECT_EQ(The_Model().origin_y, 410.0);
  SendMessageA(window, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(800, 600));
  EXPECT_EQ(The_Model().scale_y, 1.74);
  SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
  EXPECT_EQ(The_Model().scale_y, 1.0);
  EXPECT_EQ(The_Model().origin_x, 200.0);
}

struct About_Check {
  bool found = false;
  bool owner_disabled = true;
  std::vector<double> positions;
  HWND main = nullptr;
};
About_Check about_check;

BOOL CALLBACK Find_Dialog(HWND candidate, LPARAM result) {
  char name[16] = {};
  GetClassNameA(candidate, name, sizeof name);
  if (std::strcmp(name, "#32770") == 0 && IsWindowVisible(candidate)) {
    *reinterpret_cast<HWND*>(result) = candidate;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK Close_About(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), Find_Dialog, reinterpret_cast<LPARAM>(&dialog));
  about_check.found = dialog != nullptr;
  about_check.owner_disabled = !IsWindowEnabled(about_check.main);
  about_check.positions = Positions();
  if (dialog != nullptr) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(Main_Window_Wine, AboutIsModalAndTheAnimationGoesOnBehindIt) {
  Click(command::start);
  const std::vector<double> before = Positions();
  about_check = About_Check{};
  about_check.main = window;
  SetTimer(nullptr, 0, 500, Close_About);
  Menu(command::menu_about);  // returns when the dialog ends
  EXPECT_TRUE(about_check.found);
  EXPECT_TRUE(about_check.owner_disabled);
  EXPECT_NE(about_check.positions, before);
  EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(Main_Window_Wine, DrawingAreaShowsParticlesTargetAndPath) {
  Pixel_Counts still = Box_Pixels();
  EXPECT_GT(still.green, 200 * 10);
  EXPECT_EQ(still.red, 0);  // the target starts absent

  Click(command::target_on);
  Click(command::trace_start);
  Click(command::start);
  Pump(1500);
  Click(command::stop);
  ASSERT_GT(The_Model().line_count, 0);
  const Pixel_Counts running = Box_Pixels();
  EXPECT_GT(running.green, 200 * 5);
  EXPECT_GT(running.red, 600);  // most of a 40 x 40 disc
  EXPECT_GT(running.magenta, 0);
  EXPECT_GT(running.blue, 400);  // the box outline
  EXPECT_GT(running.white, 100000);
}

}  // namespace
