// The Mass Setting window on real Win32 controls: keystrokes into the edit
// box, scroll messages and the "設定" button give the texts, scroll positions
// and model values the native tests expect of the logic.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "popup_window.h"
#include "texts.h"
#include "the_model.h"

namespace {

const char owner_class[] = "Tumblen_Test_Owner";

void Register_Classes() {
  static bool done = false;
  if (done) return;
  WNDCLASSA owner = {};
  owner.lpfnWndProc = DefWindowProcA;
  owner.hInstance = GetModuleHandleA(nullptr);
  owner.lpszClassName = owner_class;
  ASSERT_NE(RegisterClassA(&owner), 0);
  WNDCLASSA popup = {};
  popup.style = CS_HREDRAW | CS_VREDRAW;
  popup.lpfnWndProc = PopupWndProc;
  popup.hInstance = GetModuleHandleA(nullptr);
  popup.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  popup.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  popup.lpszClassName = "PopupWnd";
  ASSERT_NE(RegisterClassA(&popup), 0);
  done = true;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// One window for the whole suite, as in the program, where it is created once
// and only ever hidden and shown again. (Hiding or destroying a top-level
// window is slow under Wine without a window manager.)
class Mass_Setting_Window : public ::testing::Test {
 protected:
  static HWND owner;
  static HWND popup;
  static HWND button;
  static HWND label;
  static HWND edit;
  static HWND scroll;
  // What the window showed right after its creation, before it was shown.
  static bool visible_at_creation;
  static std::string text_at_creation;
  static SCROLLINFO scroll_at_creation;

  static void SetUpTestSuite() {
    Register_Classes();
    The_Model().mass_ratio = 20.0;
    The_Model().popup_open = 0;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    owner = CreateWindowExA(0, owner_class, "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                            instance, nullptr);
    // As the main window creates it: hidden, owned by the main window.
    popup = CreateWindowExA(0, "PopupWnd", "Mass Setting", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            300, 100, owner, nullptr, instance, nullptr);
    button = GetDlgItem(popup, 11);
    label = GetDlgItem(popup, 99);
    edit = GetDlgItem(popup, 100);
    scroll = GetDlgItem(popup, 101);
    visible_at_creation = IsWindowVisible(popup) != FALSE;
    char text[64] = {};
    GetWindowTextA(edit, text, sizeof text);
    text_at_creation = text;
    scroll_at_creation.cbSize = sizeof scroll_at_creation;
    scroll_at_creation.fMask = SIF_ALL;
    GetScrollInfo(scroll, SB_CTL, &scroll_at_creation);
  }

  static void TearDownTestSuite() {
    DestroyWindow(popup);
    DestroyWindow(owner);
    Pump();
  }

  void SetUp() override {
    ASSERT_NE(owner, nullptr);
    ASSERT_NE(popup, nullptr);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(label, nullptr);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(scroll, nullptr);
    The_Model().mass_ratio = 20.0;
    The_Model().phase = 1;
  }

  // What the main window's "質量比変更" command does; a window already
  // showing is brought back to the mass ratio in force.
  void Show() {
    if (IsWindowVisible(popup)) {
      SendMessageA(popup, WM_ACTIVATE, WA_ACTIVE, 0);
    } else {
      ShowWindow(popup, SW_SHOW);
    }
    The_Model().popup_open = 1;
    Pump();
  }

  std::string Edit_Text() const {
    char text[2048] = {};
    GetWindowTextA(edit, text, sizeof text);
    return text;
  }

  int Scroll_Position() const {
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(scroll, SB_CTL, &si));
    return si.nPos;
  }

  void Select_All() { SendMessageA(edit, EM_SETSEL, 0, -1); }
  void Key(char c) { SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1); }
  // Replaces the whole text as one change, as a paste over a selection does.
  void Paste_Over(const std::string& text) {
    Select_All();
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Scroll(unsigned code, unsigned thumb = 0) {
    SendMessageA(popup, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(scroll));
  }
  void Set_Position(int position) {
    Scroll(SB_THUMBPOSITION, static_cast<unsigned>(position));
    ASSERT_EQ(Scroll_Position(), position);
  }
};

HWND Mass_Setting_Window::owner = nullptr;
HWND Mass_Setting_Window::popup = nullptr;
HWND Mass_Setting_Window::button = nullptr;
HWND Mass_Setting_Window::label = nullptr;
HWND Mass_Setting_Window::edit = nullptr;
HWND Mass_Setting_Window::scroll = nullptr;
bool Mass_Setting_Window::visible_at_creation = true;
std::string Mass_Setting_Window::text_at_creation;
SCROLLINFO Mass_Setting_Window::scroll_at_creation = {};

void Expect_Child(HWND parent, HWND child, const char* class_name, const char* text, int x, int y, int width,
                  int height) {
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  EXPECT_STRCASEEQ(name, class_name);
  if (text) {
    char buffer[256] = {};
    GetWindowTextA(child, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, text);
  }
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, x);
  EXPECT_EQ(r.top, y);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
}

TEST_F(Mass_Setting_Window, CreatesItsFourControls) {
  Expect_Child(popup, button, "Button", texts::mass_set_button, 220, 20, 50, 30);
  Expect_Child(popup, label, "Static", texts::mass_current_label, 0, 40, 150, 20);
  Expect_Child(popup, edit, "Edit", nullptr, 150, 40, 50, 20);
  EXPECT_EQ(text_at_creation, "20");
  Expect_Child(popup, scroll, "ScrollBar", "", 0, 0, 200, 20);
  // Creation order is the z order of the children.
  EXPECT_EQ(GetWindow(popup, GW_CHILD), button);
  EXPECT_EQ(GetWindow(button, GW_HWNDNEXT), label);
  EXPECT_EQ(GetWindow(label, GW_HWNDNEXT), edit);
  EXPECT_EQ(GetWindow(edit, GW_HWNDNEXT), scroll);
  const DWORD visible_child = WS_CHILD | WS_VISIBLE;
  EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & 0xFFFF000F, visible_child | BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(label, GWL_STYLE) & 0xFFFF001F, visible_child | SS_CENTER);
  EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & (visible_child | ES_RIGHT | ES_CENTER), visible_child | ES_RIGHT);
  EXPECT_EQ(GetWindowLongA(scroll, GWL_STYLE) & (0xFFFF0000 | SBS_VERT), visible_child);
  EXPECT_FALSE(visible_at_creation);
  EXPECT_EQ(GetWindowLongA(popup, GWL_STYLE) & WS_OVERLAPPEDWINDOW, static_cast<LONG>(WS_OVERLAPPEDWINDOW));
  RECT outer;
  GetWindowRect(popup, &outer);
  EXPECT_EQ(outer.right - outer.left, 300);
  EXPECT_EQ(outer.bottom - outer.top, 100);
}

TEST_F(Mass_Setting_Window, ScrollBarRangeAndFirstShowing) {
  const SCROLLINFO& si = scroll_at_creation;
  EXPECT_EQ(si.nMin, 1);
  EXPECT_EQ(si.nMax, 109);
  EXPECT_EQ(si.nPage, 10u);
  EXPECT_EQ(si.nPos, 20);
  Show();
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_EQ(Edit_Text(), "20");
  EXPECT_EQ(Scroll_Position(), 20);
}

TEST_F(Mass_Setting_Window, KeystrokesMoveTheThumbAndTheButtonApplies) {
  Show();
  Select_All();
  Key('5');
  EXPECT_EQ(Edit_Text(), "5");
  EXPECT_EQ(Scroll_Position(), 5);
  Key('5');
  EXPECT_EQ(Edit_Text(), "55");
  EXPECT_EQ(Scroll_Position(), 55);
  SendMessageA(button, BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(The_Model().mass_ratio, 55.0);
  EXPECT_EQ(The_Model().phase, 0);
  EXPECT_EQ(The_Model().popup_open, 0);
  EXPECT_FALSE(IsWindowVisible(popup));
}

TEST_F(Mass_Setting_Window, TypingTooMuchGivesOneHundred) {
  Show();
  Select_All();
  Key('1');
  Key('5');
  EXPECT_EQ(Scroll_Position(), 15);
  Key('0');
  EXPECT_EQ(Edit_Text(), "100");
  EXPECT_EQ(Scroll_Position(), 100);
}

TEST_F(Mass_Setting_Window, ZeroAndNegativeGiveOne) {
  Show();
  Select_All();
  Key('0');  // a number typed key by key cannot begin with 0
  EXPECT_EQ(Edit_Text(), "1");
  EXPECT_EQ(Scroll_Position(), 1);
  Set_Position(50);
  Paste_Over("-3");
  EXPECT_EQ(Edit_Text(), "1");
  EXPECT_EQ(Scroll_Position(), 1);
}

TEST_F(Mass_Setting_Window, FractionsAndTextThatIsNoNumber) {
  Show();
  Paste_Over("12.9");
  EXPECT_EQ(Edit_Text(), "12.9");
  EXPECT_EQ(Scroll_Position(), 12);
  Paste_Over("abc");
  EXPECT_EQ(Edit_Text(), "abc");
  EXPECT_EQ(Scroll_Position(), 12);
  Paste_Over("\x82\x50\x82\x51");  // full-width "１２"
  EXPECT_EQ(Edit_Text(), "\x82\x50\x82\x51");
  EXPECT_EQ(Scroll_Position(), 12);
  Select_All();
  Key('\b');  // deleting all the text
  EXPECT_EQ(Edit_Text(), "");
  EXPECT_EQ(Scroll_Position(), 12);
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_EQ(The_Model().mass_ratio, 12.0);
}

TEST_F(Mass_Setting_Window, HugeNumbersAreClamped) {
  Show();
  Paste_Over(std::string(1023, '9'));
  EXPECT_EQ(Edit_Text(), "100");
  EXPECT_EQ(Scroll_Position(), 100);
  Paste_Over(std::string(1100, '8'));  // read back cut to 1023 bytes
  EXPECT_EQ(Edit_Text(), "100");
  Paste_Over("-" + std::string(500, '9'));
  EXPECT_EQ(Edit_Text(), "1");
  EXPECT_EQ(Scroll_Position(), 1);
}

TEST_F(Mass_Setting_Window, ActivationThrowsAwayAnUnappliedValue) {
  Show();
  Select_All();
  Key('7');
  EXPECT_EQ(Scroll_Position(), 7);
  SendMessageA(popup, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owner));
  EXPECT_EQ(Edit_Text(), "20");
  EXPECT_EQ(Scroll_Position(), 20);
}

TEST_F(Mass_Setting_Window, EveryScrollCodeFromEachPosition) {
  struct Case {
    unsigned code;
    unsigned thumb;
    int from;
    int to;
  };
  const Case cases[] = {
      {SB_LINELEFT, 0, 1, 1},     {SB_LINELEFT, 0, 5, 4},      {SB_LINELEFT, 0, 50, 49},
      {SB_LINELEFT, 0, 95, 94},   {SB_LINELEFT, 0, 100, 99},   {SB_LINERIGHT, 0, 1, 2},
      {SB_LINERIGHT, 0, 5, 6},    {SB_LINERIGHT, 0, 50, 51},   {SB_LINERIGHT, 0, 95, 96},
      {SB_LINERIGHT, 0, 100, 100}, {SB_PAGELEFT, 0, 1, 1},     {SB_PAGELEFT, 0, 5, 1},
      {SB_PAGELEFT, 0, 50, 40},   {SB_PAGELEFT, 0, 95, 85},    {SB_PAGELEFT, 0, 100, 90},
      {SB_PAGERIGHT, 0, 1, 11},   {SB_PAGERIGHT, 0, 5, 15},    {SB_PAGERIGHT, 0, 50, 60},
      {SB_PAGERIGHT, 0, 95, 100}, {SB_PAGERIGHT, 0, 100, 100}, {SB_THUMBPOSITION, 37, 1, 37},
      {SB_THUMBPOSITION, 0, 50, 1}, {SB_THUMBPOSITION, 65535, 50, 100}, {SB_THUMBTRACK, 77, 5, 5},
      {SB_THUMBTRACK, 77, 95, 95}, {SB_LEFT, 0, 50, 1},        {SB_LEFT, 0, 100, 1},
      {SB_RIGHT, 0, 1, 100},      {SB_RIGHT, 0, 50, 100},      {SB_ENDSCROLL, 0, 5, 5},
      {SB_ENDSCROLL, 0, 95, 95},
  };
  Show();
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(c.from));
    Set_Position(c.from);
    Scroll(c.code, c.thumb);
    EXPECT_EQ(Scroll_Position(), c.to);
    EXPECT_EQ(Edit_Text(), std::to_string(c.to));
  }
}

TEST_F(Mass_Setting_Window, KeysOnTheFocusedScrollBar) {
  Show();
  SetFocus(scroll);
  // The scroll bar turns End and Home into SB_BOTTOM (SB_RIGHT) and SB_TOP (SB_LEFT).
  SendMessageA(scroll, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(Scroll_Position(), 100);
  EXPECT_EQ(Edit_Text(), "100");
  SendMessageA(scroll, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Scroll_Position(), 1);
  EXPECT_EQ(Edit_Text(), "1");
}

TEST_F(Mass_Setting_Window, CloseBoxHidesAndChangesNothing) {
  Show();
  Paste_Over("70");
  SendMessageA(popup, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_TRUE(IsWindow(popup));
  EXPECT_EQ(The_Model().popup_open, 0);
  EXPECT_EQ(The_Model().mass_ratio, 20.0);
  EXPECT_EQ(The_Model().phase, 1);
  Show();
  EXPECT_EQ(Edit_Text(), "20");
  EXPECT_EQ(Scroll_Position(), 20);
}

TEST_F(Mass_Setting_Window, RandomInputKeepsThePositionInRange) {
  std::mt19937 rng(2024);
  const char alphabet[] = "0123456789-.";
  Show();
  for (int round = 0; round < 400; ++round) {
    const unsigned kind = rng() % 4;
    if (kind == 0) {
      std::string text;
      const std::size_t length = rng() % 8;
      for (std::size_t i = 0; i < length; ++i) text += alphabet[rng() % 12];
      Paste_Over(text);
    } else if (kind == 1) {
      Key(alphabet[rng() % 12]);
    } else {
      Scroll(rng() % 10, rng() % 65536);
    }
    const int position = Scroll_Position();
    ASSERT_GE(position, 1) << "round " << round;
    ASSERT_LE(position, 100) << "round " << round;
  }
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_GE(The_Model().mass_ratio, 1.0);
  EXPECT_LE(The_Model().mass_ratio, 100.0);
}

}  // namespace
