// The keys as a user types them, handled as the program's loop handles them.
#include <gtest/gtest.h>

#include <new>

#include "ids.h"
#include "main_window.h"
#include "the_model.h"

namespace {

void Send(WORD key, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// Types a key, with Shift if asked, and handles the messages it brings.
void Press(WORD key, bool shift = false) {
  if (shift) Send(VK_SHIFT, 0);
  Send(key, 0);
  Send(key, KEYEVENTF_KEYUP);
  if (shift) Send(VK_SHIFT, KEYEVENTF_KEYUP);
  Sleep(20);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) Handle_Message(message);
}

int Focused() { return GetDlgCtrlID(GetFocus()); }

class Keyboard : public ::testing::Test {
 protected:
  // The classes are registered here unless the other tests have registered
  // them, and then given up again for those to register.
  void SetUp() override {
    WNDCLASSW known;
    registered = !GetClassInfoW(instance, L"PopupWnd", &known) && Register_Window_Classes(instance);
    the_model.~Draw_Controler();
    new (&the_model) Draw_Controler;
    main = Create_Main_Window(instance);
    Create_Entry_Buttons(main, instance);
  }
  void TearDown() override {
    DestroyWindow(main);
    Press(0);
    if (registered) {
      UnregisterClassW(L"Ws_OwnerWnd", instance);
      UnregisterClassW(L"PopupWnd", instance);
    }
  }
  bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(main, id)); }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  bool registered = false;
  HWND main = nullptr;
};

// No button has the focus at first. Tab and Shift+Tab walk the enabled
// buttons down and up the column, wrapping round; Space and Enter press the
// focused button, which hands the focus on when it disables itself. Escape,
// whose Cancel has Start's id, does nothing.
TEST_F(Keyboard, WorksTheMainWindow) {
  using namespace command;
  EXPECT_EQ(GetFocus(), main);
  Press(VK_ESCAPE);
  EXPECT_TRUE(Enabled(start));
  const int column[] = {start,   target_on, trace_start, particles_20, particles_200,
                        heat_up, cool_down, boundary,    command::exit};
  for (const bool back : {true, false}) {
    for (int k = 0; k < 10; ++k) {
      SCOPED_TRACE(testing::Message() << "back " << back << ", press " << k);
      Press(VK_TAB, back);
      EXPECT_EQ(Focused(), column[back ? 8 - k % 9 : k % 9]);
    }
  }
  Press(VK_SPACE);
  EXPECT_FALSE(Enabled(start));
  EXPECT_EQ(Focused(), stop);
  Press(VK_RETURN);
  EXPECT_TRUE(Enabled(start));
  EXPECT_EQ(Focused(), target_on);
  Press(VK_ESCAPE);
  EXPECT_TRUE(Enabled(start));
}

// Tab walks the scroll bar, the edit box and 設定; the arrows move the scroll
// bar; Enter applies what is typed and Escape closes the window.
TEST_F(Keyboard, WorksTheMassSettingWindow) {
  using namespace mass_control;
  SendMessageW(main, WM_COMMAND, command::menu_mass_ratio, 0);
  const HWND mass_setting = GetForegroundWindow();
  for (const int id : {scroll_bar, edit, set_button, scroll_bar}) {
    SCOPED_TRACE(id);
    Press(VK_TAB);
    EXPECT_EQ(Focused(), id);
  }
  Press(VK_RIGHT);
  EXPECT_EQ(GetScrollPos(GetDlgItem(mass_setting, scroll_bar), SB_CTL), 21);
  Press(VK_TAB);
  Press('5');
  Press('5');
  Press(VK_RETURN);
  EXPECT_EQ(the_model.mass_ratio, 55.0);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  SendMessageW(main, WM_COMMAND, command::menu_mass_ratio, 0);
  Press(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(mass_setting));
  EXPECT_EQ(the_model.popup_open, 0);
}

}  // namespace
