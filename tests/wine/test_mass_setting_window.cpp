// The Mass Setting window on real Win32 controls: keystrokes into the edit
// box, scroll messages and the "設定" button give the texts, scroll positions
// and model values the native tests expect of the logic.
#include <random>

#include "popup_window.h"
#include "texts.h"
#include "the_model.h"
#include "wine_test_support.h"

namespace {

using wine_test::Pump;
using wine_test::Text_Of;

// One window for the whole suite, as in the program, where it is created once
// and only ever hidden and shown again.
class Mass_Setting_Window : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA popup_class = {};
    popup_class.style = CS_HREDRAW | CS_VREDRAW;
    popup_class.lpfnWndProc = PopupWndProc;
    popup_class.hInstance = instance;
    popup_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    popup_class.lpszClassName = "PopupWnd";
    ASSERT_NE(RegisterClassA(&popup_class), 0);
    The_Model().mass_ratio = 20.0;
    owner = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr, instance,
                            nullptr);
    // As the main window creates it: hidden, owned by the main window.
    popup = CreateWindowExA(0, "PopupWnd", "Mass Setting", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 300,
                            100, owner, nullptr, instance, nullptr);
    visible_at_creation = IsWindowVisible(popup);
    edit = GetDlgItem(popup, 100);
    scroll = GetDlgItem(popup, 101);
    text_at_creation = Text_Of(edit);
    scroll_at_creation.cbSize = sizeof scroll_at_creation;
    scroll_at_creation.fMask = SIF_ALL;
    GetScrollInfo(scroll, SB_CTL, &scroll_at_creation);
  }

  void SetUp() override {
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(scroll, nullptr);
    The_Model().mass_ratio = 20.0;
    The_Model().phase = 1;
  }

  // What the main window's "質量比変更" command does; a window already
  // showing is brought back to the mass ratio in force.
  static void Show() {
    if (IsWindowVisible(popup)) SendMessageA(popup, WM_ACTIVATE, WA_ACTIVE, 0);
    else ShowWindow(popup, SW_SHOW);
    The_Model().popup_open = 1;
    Pump();
  }

  static int Position() { return GetScrollPos(scroll, SB_CTL); }
  static void Select_All() { SendMessageA(edit, EM_SETSEL, 0, -1); }
  static void Key(char c) { SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1); }
  // Replaces the whole text as one change, as a paste over a selection does.
  static void Paste_Over(const std::string& text) {
    Select_All();
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  static void Scroll(unsigned code, unsigned thumb = 0) {
    SendMessageA(popup, WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(scroll));
  }
  static void Click_Set() { SendMessageA(GetDlgItem(popup, 11), BM_CLICK, 0, 0); }
  static void Expect_Shows(const std::string& text, int position) {
    EXPECT_EQ(Text_Of(edit), text);
    EXPECT_EQ(Position(), position);
  }

  static inline HWND owner, popup, edit, scroll;
  // What the window showed right after its creation, before it was shown.
  static inline bool visible_at_creation = true;
  static inline std::string text_at_creation;
  static inline SCROLLINFO scroll_at_creation = {};
};

TEST_F(Mass_Setting_Window, CreatedHiddenWithFourControlsInOrder) {
  EXPECT_FALSE(visible_at_creation);
  EXPECT_EQ(GetWindowLongA(popup, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
  EXPECT_EQ(wine_test::Outer_Size(popup).cx, 300);
  EXPECT_EQ(wine_test::Outer_Size(popup).cy, 100);
  struct Control {
    int id;
    const char* class_name;
    std::string text;
    int x, y, width, height;
    LONG style_mask, style;  // all with WS_CHILD | WS_VISIBLE
  };
  const Control controls[] = {
      {11, "Button", texts::mass_set_button, 220, 20, 50, 30, LONG(0xFFFF000F), BS_DEFPUSHBUTTON},
      {99, "Static", texts::mass_current_label, 0, 40, 150, 20, LONG(0xFFFF001F), SS_CENTER},
      {100, "Edit", "20", 150, 40, 50, 20, ES_RIGHT | ES_CENTER | WS_CHILD | WS_VISIBLE, ES_RIGHT},
      {101, "ScrollBar", "", 0, 0, 200, 20, LONG(0xFFFF0000 | SBS_VERT), 0},
  };
  HWND child = GetWindow(popup, GW_CHILD);  // creation order is the z order
  for (const Control& c : controls) {
    SCOPED_TRACE(c.class_name);
    ASSERT_EQ(child, GetDlgItem(popup, c.id));
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    EXPECT_STRCASEEQ(name, c.class_name);
    EXPECT_EQ(c.id == 100 ? text_at_creation : Text_Of(child), c.text);
    wine_test::Expect_Placed(child, c.x, c.y, c.width, c.height);
    EXPECT_EQ(GetWindowLongA(child, GWL_STYLE) & c.style_mask, WS_CHILD | WS_VISIBLE | c.style);
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(scroll_at_creation.nMin, 1);
  EXPECT_EQ(scroll_at_creation.nMax, 109);
  EXPECT_EQ(scroll_at_creation.nPage, 10u);
  EXPECT_EQ(scroll_at_creation.nPos, 20);
  Show();
  EXPECT_TRUE(IsWindowVisible(popup));
  Expect_Shows("20", 20);
}

// Typed keys and pastes, one after the other: the text stays as written and
// the thumb follows it within 1 to 100, or keeps its place when the text is
// no number. The 設定 button then applies the last position and hides.
TEST_F(Mass_Setting_Window, TypedTextMovesTheThumbAndTheButtonApplies) {
  struct Input {
    bool select_all;   // before typing `keys`
    const char* keys;  // typed key by key; null: paste `paste` over all
    std::string paste, text;
    int position;
  };
  const Input inputs[] = {
      {true, "5", "", "5", 5},
      {false, "5", "", "55", 55},
      {true, "15", "", "15", 15},
      {false, "0", "", "100", 100},  // too much
      {true, "0", "", "1", 1},       // a number typed key by key cannot begin with 0
      {false, nullptr, "50", "50", 50},
      {false, nullptr, "-3", "1", 1},
      {false, nullptr, std::string(1023, '9'), "100", 100},
      {false, nullptr, std::string(1100, '8'), "100", 100},  // read back cut to 1023 bytes
      {false, nullptr, "-" + std::string(500, '9'), "1", 1},
      {false, nullptr, "12.9", "12.9", 12},
      {false, nullptr, "abc", "abc", 12},
      {false, nullptr, "\x82\x50\x82\x51", "\x82\x50\x82\x51", 12},  // full-width "１２"
      {true, "\b", "", "", 12},                                      // all the text deleted
  };
  Show();
  for (const Input& input : inputs) {
    SCOPED_TRACE(input.keys ? input.keys : input.paste.substr(0, 8));
    if (input.select_all) Select_All();
    if (input.keys) for (const char* k = input.keys; *k; ++k) Key(*k);
    else Paste_Over(input.paste);
    Expect_Shows(input.text, input.position);
  }
  Click_Set();
  Pump();
  EXPECT_EQ(The_Model().mass_ratio, 12.0);
  EXPECT_EQ(The_Model().phase, 0);
  EXPECT_EQ(The_Model().popup_open, 0);
  EXPECT_FALSE(IsWindowVisible(popup));
}

TEST_F(Mass_Setting_Window, ActivationOrCloseBoxThrowsAwayAnUnappliedValue) {
  Show();
  Select_All();
  Key('7');
  EXPECT_EQ(Position(), 7);
  SendMessageA(popup, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(owner));
  Expect_Shows("20", 20);

  Paste_Over("70");
  SendMessageA(popup, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(popup));
  EXPECT_TRUE(IsWindow(popup));
  EXPECT_EQ(The_Model().popup_open, 0);
  EXPECT_EQ(The_Model().mass_ratio, 20.0);
  EXPECT_EQ(The_Model().phase, 1);
  Show();
  Expect_Shows("20", 20);
}

TEST_F(Mass_Setting_Window, EveryScrollCodeFromEachPosition) {
  struct Case {
    unsigned code, thumb;
    int from, to;
  };
  const Case cases[] = {
      {SB_LINELEFT, 0, 1, 1},      {SB_LINELEFT, 0, 5, 4},       {SB_LINELEFT, 0, 50, 49},
      {SB_LINELEFT, 0, 95, 94},    {SB_LINELEFT, 0, 100, 99},    {SB_LINERIGHT, 0, 1, 2},
      {SB_LINERIGHT, 0, 5, 6},     {SB_LINERIGHT, 0, 50, 51},    {SB_LINERIGHT, 0, 95, 96},
      {SB_LINERIGHT, 0, 100, 100}, {SB_PAGELEFT, 0, 1, 1},       {SB_PAGELEFT, 0, 5, 1},
      {SB_PAGELEFT, 0, 50, 40},    {SB_PAGELEFT, 0, 95, 85},     {SB_PAGELEFT, 0, 100, 90},
      {SB_PAGERIGHT, 0, 1, 11},    {SB_PAGERIGHT, 0, 5, 15},     {SB_PAGERIGHT, 0, 50, 60},
      {SB_PAGERIGHT, 0, 95, 100},  {SB_PAGERIGHT, 0, 100, 100},  {SB_THUMBPOSITION, 37, 1, 37},
      {SB_THUMBPOSITION, 0, 50, 1}, {SB_THUMBPOSITION, 65535, 50, 100}, {SB_THUMBTRACK, 77, 5, 5},
      {SB_THUMBTRACK, 77, 95, 95}, {SB_LEFT, 0, 50, 1},          {SB_LEFT, 0, 100, 1},
      {SB_RIGHT, 0, 1, 100},       {SB_RIGHT, 0, 50, 100},       {SB_ENDSCROLL, 0, 5, 5},
      {SB_ENDSCROLL, 0, 95, 95},
  };
  Show();
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(c.from));
    Scroll(SB_THUMBPOSITION, static_cast<unsigned>(c.from));
    ASSERT_EQ(Position(), c.from);
    Scroll(c.code, c.thumb);
    Expect_Shows(std::to_string(c.to), c.to);
  }
  // The focused scroll bar turns End and Home into SB_BOTTOM (SB_RIGHT) and
  // SB_TOP (SB_LEFT).
  SetFocus(scroll);
  SendMessageA(scroll, WM_KEYDOWN, VK_END, 0);
  Expect_Shows("100", 100);
  SendMessageA(scroll, WM_KEYDOWN, VK_HOME, 0);
  Expect_Shows("1", 1);
}

TEST_F(Mass_Setting_Window, RandomInputKeepsThePositionInRange) {
  std::mt19937 rng(2024);
  const char alphabet[] = "0123456789-.";
  Show();
  for (int round = 0; round < 400; ++round) {
    const unsigned kind = rng() % 4;
    if (kind == 0) {
      std::string text(rng() % 8, ' ');
      for (char& c : text) c = alphabet[rng() % 12];
      Paste_Over(text);
    } else if (kind == 1) {
      Key(alphabet[rng() % 12]);
    } else {
      Scroll(rng() % 10, rng() % 65536);
    }
    ASSERT_GE(Position(), 1) << "round " << round;
    ASSERT_LE(Position(), 100) << "round " << round;
  }
  Click_Set();
  EXPECT_GE(The_Model().mass_ratio, 1.0);
  EXPECT_LE(The_Model().mass_ratio, 100.0);
}

}  // namespace
