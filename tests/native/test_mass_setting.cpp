#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "draw_controler.h"
#include "mass_setting_logic.h"
#include "texts.h"

using namespace mass_setting;

namespace {

using Calls = std::vector<std::string>;

// A window system in memory that logs its requests ("scroll N", "write T",
// "close", "hide"). Like Win32, writing the edit text sends the text-change
// notification back into the logic before the write returns, and the close
// request is handled before Send_Close returns.
class Fake_Window : public Mass_Setting_Platform {
 public:
  Mass_Setting* logic = nullptr;
  Calls created, calls;
  std::vector<Mass_Scroll_Info> scrolls;
  std::string edit_text;
  int depth = 0;

  void Create_Control(const Control_Spec& c) override {
    char style[16];
    std::snprintf(style, sizeof style, "%08x", static_cast<unsigned>(c.style));
    created.push_back(std::string(c.class_name) + " " + c.text + " " + std::to_string(c.id) + " " +
                      std::to_string(c.x) + "," + std::to_string(c.y) + " " + std::to_string(c.width) + "x" +
                      std::to_string(c.height) + " " + style);
    if (c.id == edit_id) edit_text = c.text;  // creation sends no notification
  }
  void Set_Scroll_Info(const Mass_Scroll_Info& info) override {
    scrolls.push_back(info);
    calls.push_back("scroll " + std::to_string(info.nPos));
  }
  void Get_Edit_Text(char* text, int size) override {
    const std::size_t n = std::min(edit_text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(text, edit_text.data(), n);
    text[n] = '\0';
  }
  void Set_Edit_Text(const char* text) override {
    calls.push_back("write " + std::string(text));
    User_Sets_Text(text);
  }
  void Hide() override { calls.push_back("hide"); }
  void Send_Close() override {
    calls.push_back("close");
    logic->On_Close();
  }

  // The user replaces the whole text (typing, pasting or deleting).
  void User_Sets_Text(const std::string& text) {
    edit_text = text;
    ++depth;
    EXPECT_LE(depth, 2) << "a notification from inside our own write's notification";
    if (depth < 5) logic->On_Command(edit_change, edit_id);  // deeper would not end
    --depth;
  }
  void Click_Set_Button() { logic->On_Command(0 /* BN_CLICKED */, set_button_id); }
};

class Mass_Setting_Test : public ::testing::Test {
 protected:
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Window window;
  Mass_Setting logic{*model, window};

  void SetUp() override {
    window.logic = &logic;
    logic.On_Create();
  }
  // The main window's "質量比変更" command.
  void Show() {
    model->popup_open = 1;
    logic.On_Activate();
    window.calls.clear();
  }
  int Position() const { return logic.mass_scroll_info.nPos; }
  void Set_Position(int position) {
    logic.mass_scroll_info.nPos = position;
    window.edit_text = std::to_string(position);
    window.calls.clear();
  }
};

TEST_F(Mass_Setting_Test, CreatesTheFourControlsAndTheScrollRecordAtTheMassRatio) {
  EXPECT_EQ(window.created, (Calls{"BUTTON " + std::string(texts::mass_set_button) + " 11 220,20 50x30 50000001",
                                   "STATIC " + std::string(texts::mass_current_label) + " 99 0,40 150x20 50000001",
                                   "EDIT 20 100 150,40 50x20 50800002", "SCROLLBAR  101 0,0 200x20 50000000"}));
  ASSERT_EQ(window.scrolls.size(), 1u);
  const Mass_Scroll_Info& info = window.scrolls[0];
  EXPECT_EQ((std::vector<long long>{info.cbSize, info.fMask, info.nMin, info.nMax, info.nPage, info.nPos}),
            (std::vector<long long>{28, 7, 1, 109, 10, 20}));
  EXPECT_EQ(logic.edit_armed, 1);
  EXPECT_STREQ(logic.mass_text, "20");
  EXPECT_EQ(window.calls, Calls{"scroll 20"});
}

// Every activation change shows the mass ratio in force, throwing away a value
// not applied; its own write of the text is not taken for typing.
TEST_F(Mass_Setting_Test, ActivationShowsTheMassRatioInForce) {
  window.calls.clear();
  logic.On_Activate();  // the first showing
  EXPECT_EQ(window.calls, (Calls{"scroll 20", "write 20"}));
  EXPECT_EQ(window.edit_text, "20");
  EXPECT_EQ(logic.edit_armed, 1);
  window.User_Sets_Text("55");
  EXPECT_EQ(Position(), 55);
  logic.On_Activate();  // the user clicks the main window
  EXPECT_EQ(Position(), 20);
  EXPECT_EQ(window.edit_text, "20");
  window.Click_Set_Button();
  EXPECT_EQ(model->mass_ratio, 20.0);
  model->mass_ratio = 37.9;
  logic.On_Activate();
  EXPECT_EQ(Position(), 37);
  EXPECT_EQ(window.edit_text, "37");
}

// From position 37: text within range moves the position and stays as typed;
// out of range it is clamped and the clamp is written back, once, whose
// nested notification sets the scroll bar again and stops; text that is no
// number is left as typed and changes nothing.
TEST_F(Mass_Setting_Test, TypedText) {
  enum Outcome { as_typed, corrected, ignored };
  struct Case {
    std::string typed;
    int position;
    Outcome outcome;
  };
  const std::string nines(400, '9');    // beyond int, within double
  const std::string digits(1023, '7');  // beyond double: +infinity
  const std::string longer(3000, '8');  // cut to 1023 bytes on reading
  const Case cases[] = {
      {"5", 5, as_typed}, {"55", 55, as_typed}, {"12.9", 12, as_typed}, {"1.5", 1, as_typed},
      {"99.99", 99, as_typed}, {"100.5", 100, as_typed}, {"100", 100, as_typed}, {"1", 1, as_typed},
      {"5." + digits, 5, as_typed},
      {"150", 100, corrected}, {"101", 100, corrected}, {"100000", 100, corrected},
      {"4294967297", 100, corrected}, {"2147483648", 100, corrected}, {nines, 100, corrected},
      {digits, 100, corrected}, {longer, 100, corrected},
      {"0", 1, corrected}, {"-3", 1, corrected}, {"-", 1, corrected}, {".", 1, corrected},
      {"0.99", 1, corrected}, {"-0.5", 1, corrected}, {"00", 1, corrected}, {"-" + nines, 1, corrected},
      {"-" + digits, 1, corrected}, {nines + "-", 1, corrected}, {"-0." + nines, 1, corrected},
      // Double-byte characters: full-width "１２" and "質量" in code page 932.
      {"", 37, ignored}, {"abc", 37, ignored}, {"12a", 37, ignored}, {" 5", 37, ignored}, {"5 ", 37, ignored},
      {"+5", 37, ignored}, {"1e3", 37, ignored}, {"\x82\x50\x82\x51", 37, ignored},
      {"\x8e\xbf\x97\xca", 37, ignored},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.substr(0, 12));
    Set_Position(37);
    window.User_Sets_Text(c.typed);
    const std::string p = std::to_string(c.position);
    EXPECT_EQ(Position(), c.position);
    EXPECT_EQ(window.edit_text, c.outcome == corrected ? p : c.typed);
    const Calls expected = c.outcome == as_typed    ? Calls{"scroll " + p}
                           : c.outcome == corrected ? Calls{"write " + p, "scroll " + p, "scroll " + p}
                                                    : Calls{};
    EXPECT_EQ(window.calls, expected);
  }
}

TEST_F(Mass_Setting_Test, OnlyArmedTextChangesCountAndAnythingElseRearms) {
  Set_Position(30);
  logic.edit_armed = 0;
  window.User_Sets_Text("77");
  EXPECT_EQ(Position(), 30);
  EXPECT_EQ(logic.edit_armed, 1);
  for (unsigned code : {0u, 0x100u, 0x200u, 0x400u, 0x301u}) {
    logic.edit_armed = 0;
    logic.On_Command(code, edit_id);
    EXPECT_EQ(logic.edit_armed, 1) << code;
  }
  logic.On_Command(0, 40001);  // a command of no control of ours
  EXPECT_EQ(Position(), 30);
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_TRUE(window.calls.empty());
  window.User_Sets_Text("78");
  EXPECT_EQ(Position(), 78);
}

// Every code from positions 1, 5, 50, 95 and 100; each then sets the scroll
// bar and writes the position into the edit box, unheard. SB_THUMBTRACK
// leaves the position, so a dragged thumb shows in the text only on release.
TEST_F(Mass_Setting_Test, ScrollCodesFromEachStartingPosition) {
  const int from[5] = {1, 5, 50, 95, 100};
  struct Case {
    unsigned code, thumb;
    int to[5];
  };
  const Case cases[] = {
      {line_left, 0, {1, 4, 49, 94, 99}},     {line_right, 0, {2, 6, 51, 96, 100}},
      {page_left, 0, {1, 1, 40, 85, 90}},     {page_right, 0, {11, 15, 60, 100, 100}},
      {thumb_position, 37, {37, 37, 37, 37, 37}}, {thumb_position, 1, {1, 1, 1, 1, 1}},
      {thumb_position, 100, {100, 100, 100, 100, 100}},
      // Kept within range whatever the message brings.
      {thumb_position, 0, {1, 1, 1, 1, 1}},       {thumb_position, 101, {100, 100, 100, 100, 100}},
      {thumb_position, 0x8000, {100, 100, 100, 100, 100}}, {thumb_position, 65535, {100, 100, 100, 100, 100}},
      {thumb_track, 77, {1, 5, 50, 95, 100}}, {to_left, 0, {1, 1, 1, 1, 1}},
      {to_right, 0, {100, 100, 100, 100, 100}}, {end_scroll, 0, {1, 5, 50, 95, 100}},
      {9, 60, {1, 5, 50, 95, 100}},          {0xFFFF, 60, {1, 5, 50, 95, 100}},
  };
  for (const Case& c : cases) {
    for (int k = 0; k < 5; ++k) {
      SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(from[k]));
      Set_Position(from[k]);
      logic.On_HScroll(c.code, c.thumb);
      const std::string to = std::to_string(c.to[k]);
      EXPECT_EQ(Position(), c.to[k]);
      EXPECT_EQ(window.calls, (Calls{"scroll " + to, "write " + to}));
      EXPECT_EQ(logic.edit_armed, 1);
    }
  }
}

// The button applies the position as the last change left it and closes.
TEST_F(Mass_Setting_Test, ButtonAppliesThePositionAndCloses) {
  struct Case {
    const char* name;
    void (*act)(Fake_Window&, Mass_Setting&);
    double applied;
  };
  const Case cases[] = {
      {"typed key by key", [](Fake_Window& w, Mass_Setting&) { w.User_Sets_Text("5"); w.User_Sets_Text("55"); }, 55},
      {"text deleted", [](Fake_Window& w, Mass_Setting&) { w.User_Sets_Text("43"); w.User_Sets_Text(""); }, 43},
      {"scrolled", [](Fake_Window&, Mass_Setting& l) { l.On_HScroll(to_right, 0); }, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Show();
    model->phase = 1;
    c.act(window, logic);
    window.calls.clear();
    window.Click_Set_Button();
    EXPECT_EQ(model->mass_ratio, c.applied);
    EXPECT_EQ(model->phase, 0);
    EXPECT_EQ(model->popup_open, 0);
    EXPECT_EQ(window.calls, (Calls{"close", "hide"}));
  }
}

TEST_F(Mass_Setting_Test, CloseBoxHidesAndChangesNothingElse) {
  Show();
  model->phase = 1;
  window.User_Sets_Text("70");
  window.calls.clear();
  logic.On_Close();
  EXPECT_EQ(window.calls, Calls{"hide"});
  EXPECT_EQ(model->popup_open, 0);
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_EQ(model->phase, 1);
  Show();  // the next showing starts again from the mass ratio in force
  EXPECT_EQ(Position(), 20);
  EXPECT_EQ(window.edit_text, "20");
}

TEST(Mass_Setting_Position, OfTheModelValueStaysInRange) {
  const std::pair<double, int> cases[] = {{20.0, 20}, {55.7, 55}, {1.0, 1},    {100.0, 100},
                                          {0.0, 1},   {-5.0, 1},  {1e300, 100}, {std::nan(""), 1}};
  for (const auto& c : cases) EXPECT_EQ(Mass_Setting::Position_Of(c.first), c.second) << c.first;
}

// Whatever arrives, the position stays a whole number within 1..100, every
// text written back is that number, our own writes never recurse more than
// once (the fake checks) and the button only ever applies 1..100.
TEST_F(Mass_Setting_Test, RandomTextsAndScrollsKeepThePositionInRange) {
  std::mt19937 rng(12345);
  const char alphabet[] = "0123456789-.";
  Show();
  for (int round = 0; round < 20000 && !HasFailure(); ++round) {
    window.calls.clear();
    window.scrolls.clear();
    const unsigned kind = rng() % 10;
    if (kind < 6) {
      std::string text;
      const std::size_t length = (rng() % 8 == 0) ? rng() % 1500 : rng() % 12;
      const bool numeric = rng() % 3 != 0;
      for (std::size_t i = 0; i < length; ++i) text += numeric ? alphabet[rng() % 12] : static_cast<char>(rng() % 256);
      window.User_Sets_Text(text);
      EXPECT_LE(std::count_if(window.calls.begin(), window.calls.end(),
                              [](const std::string& call) { return call.rfind("write", 0) == 0; }),
                1);
      if (window.edit_text != text) {
        EXPECT_EQ(window.edit_text, std::to_string(Position()));
      }
    } else if (kind < 9) {
      logic.On_HScroll(rng() % 10, rng() % 65536);
      EXPECT_EQ(window.edit_text, std::to_string(Position()));
    } else {
      window.Click_Set_Button();
      EXPECT_TRUE(model->mass_ratio >= 1.0 && model->mass_ratio <= 100.0) << model->mass_ratio;
      EXPECT_EQ(model->mass_ratio, static_cast<double>(Position()));
      Show();
    }
    ASSERT_TRUE(Position() >= 1 && Position() <= 100) << "round " << round;
    for (const Mass_Scroll_Info& info : window.scrolls) ASSERT_TRUE(info.nPos >= 1 && info.nPos <= 100) << info.nPos;
  }
}

}  // namespace
