#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// A window system in memory. Like Win32, writing the edit text sends the
// text-change notification back into the logic before the write returns, and
// the close request is handled before Send_Close returns.
class Fake_Window : public Mass_Setting_Platform {
 public:
  struct Created {
    std::string class_name;
    std::string text;
    int id, x, y, width, height;
    std::uint32_t style;
  };

  Mass_Setting* logic = nullptr;
  std::vector<Created> created;
  std::string edit_text;
  std::vector<Mass_Scroll_Info> scroll_calls;
  int text_writes = 0;
  int notifications = 0;  // text-change notifications delivered, ours and the user's
  int depth = 0;
  int deepest = 0;
  int hides = 0;
  int closes_sent = 0;
  bool visible = false;

  void Create_Control(const Control_Spec& c) override {
    created.push_back({c.class_name, c.text, c.id, c.x, c.y, c.width, c.height, c.style});
    if (c.id == edit_id) edit_text = c.text;  // creation sends no notification
  }
  void Set_Scroll_Info(const Mass_Scroll_Info& info) override { scroll_calls.push_back(info); }
  void Get_Edit_Text(char* text, int size) override {
    const std::size_t n = std::min(edit_text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(text, edit_text.data(), n);
    text[n] = '\0';
  }
  void Set_Edit_Text(const char* text) override {
    ++text_writes;
    edit_text = text;
    Notify_Change();
  }
  void Hide() override {
    ++hides;
    visible = false;
  }
  void Send_Close() override {
    ++closes_sent;
    logic->On_Close();
  }

  void Notify_Change() {
    ++notifications;
    ++depth;
    deepest = std::max(deepest, depth);
    logic->On_Command(edit_change, edit_id);
    --depth;
  }
  // The user replaces the whole text (typing, pasting or deleting).
  void User_Sets_Text(const std::string& text) {
    edit_text = text;
    Notify_Change();
  }
  // The user types one character at the end.
  void User_Types(char c) { User_Sets_Text(edit_text + c); }
  void Click_Set_Button() { logic->On_Command(0 /* BN_CLICKED */, set_button_id); }
  int Shown_Position() const { return scroll_calls.empty() ? -1 : scroll_calls.back().nPos; }
  void Forget_Calls() {
    scroll_calls.clear();
    text_writes = 0;
    notifications = 0;
    deepest = 0;
    hides = 0;
    closes_sent = 0;
  }
};

class Mass_Setting_Test : public ::testing::Test {
 protected:
  std::unique_ptr<Draw_Controler> model = std::make_unique<Draw_Controler>();
  Fake_Window window;
  std::unique_ptr<Mass_Setting> logic;

  void SetUp() override {
    logic = std::make_unique<Mass_Setting>(*model, window);
    window.logic = logic.get();
    logic->On_Create();
  }
  // The main window's "質量比変更" command.
  void Show() {
    window.visible = true;
    model->popup_open = 1;
    logic->On_Activate();
    window.Forget_Calls();
  }
  int Position() const { return logic->mass_scroll_info.nPos; }
  void Set_Position(int position) {
    logic->mass_scroll_info.nPos = position;
    window.edit_text = std::to_string(position);
    window.Forget_Calls();
  }
};

TEST_F(Mass_Setting_Test, CreatesTheFourControlsInOrder) {
  ASSERT_EQ(window.created.size(), 4u);
  const auto& b = window.created[0];
  EXPECT_EQ(b.class_name, "BUTTON");
  EXPECT_EQ(b.text, texts::mass_set_button);
  EXPECT_EQ(b.id, 11);
  EXPECT_EQ(b.x, 220);
  EXPECT_EQ(b.y, 20);
  EXPECT_EQ(b.width, 50);
  EXPECT_EQ(b.height, 30);
  EXPECT_EQ(b.style, 0x50000001u);
  const auto& s = window.created[1];
  EXPECT_EQ(s.class_name, "STATIC");
  EXPECT_EQ(s.text, texts::mass_current_label);
  EXPECT_EQ(s.id, 99);
  EXPECT_EQ(s.x, 0);
  EXPECT_EQ(s.y, 40);
  EXPECT_EQ(s.width, 150);
  EXPECT_EQ(s.height, 20);
  EXPECT_EQ(s.style, 0x50000001u);
  const auto& e = window.created[2];
  EXPECT_EQ(e.class_name, "EDIT");
  EXPECT_EQ(e.text, "20");
  EXPECT_EQ(e.id, 100);
  EXPECT_EQ(e.x, 150);
  EXPECT_EQ(e.y, 40);
  EXPECT_EQ(e.width, 50);
  EXPECT_EQ(e.height, 20);
  EXPECT_EQ(e.style, 0x50800002u);
  const auto& r = window.created[3];
  EXPECT_EQ(r.class_name, "SCROLLBAR");
  EXPECT_EQ(r.text, "");
  EXPECT_EQ(r.id, 101);
  EXPECT_EQ(r.x, 0);
  EXPECT_EQ(r.y, 0);
  EXPECT_EQ(r.width, 200);
  EXPECT_EQ(r.height, 20);
  EXPECT_EQ(r.style, 0x50000000u);
}

TEST_F(Mass_Setting_Test, CreationSetsTheScrollRecordToTheMassRatio) {
  ASSERT_EQ(window.scroll_calls.size(), 1u);
  const Mass_Scroll_Info& info = window.scroll_calls[0];
  EXPECT_EQ(info.cbSize, 28u);
  EXPECT_EQ(info.fMask, 7u);
  EXPECT_EQ(info.nMin, 1);
  EXPECT_EQ(info.nMax, 109);
  EXPECT_EQ(info.nPage, 10u);
  EXPECT_EQ(info.nPos, 20);
  EXPECT_EQ(logic->edit_armed, 1);
  EXPECT_STREQ(logic->mass_text, "20");
  EXPECT_EQ(window.text_writes, 0);
}

TEST_F(Mass_Setting_Test, FirstShowingShowsTwenty) {
  window.Forget_Calls();
  logic->On_Activate();
  EXPECT_EQ(window.edit_text, "20");
  EXPECT_EQ(window.Shown_Position(), 20);
  EXPECT_EQ(Position(), 20);
  // Our own write is not taken for typing, and re-arms the flag afterwards.
  EXPECT_EQ(window.text_writes, 1);
  EXPECT_EQ(window.notifications, 1);
  EXPECT_EQ(window.scroll_calls.size(), 1u);
  EXPECT_EQ(logic->edit_armed, 1);
}

TEST_F(Mass_Setting_Test, TypingMovesThePositionAtEachKeystroke) {
  Show();
  window.User_Sets_Text("");
  window.User_Types('5');
  EXPECT_EQ(Position(), 5);
  EXPECT_EQ(window.Shown_Position(), 5);
  window.User_Types('5');
  EXPECT_EQ(Position(), 55);
  EXPECT_EQ(window.Shown_Position(), 55);
  EXPECT_EQ(window.edit_text, "55");
  EXPECT_EQ(window.text_writes, 0);
  window.Click_Set_Button();
  EXPECT_EQ(model->mass_ratio, 55.0);
}

TEST_F(Mass_Setting_Test, TooLargeIsClampedAndWrittenBack) {
  Show();
  window.User_Sets_Text("150");
  EXPECT_EQ(Position(), 100);
  EXPECT_EQ(window.edit_text, "100");
  EXPECT_EQ(window.Shown_Position(), 100);
  // One corrective write, whose notification runs once more and stops.
  EXPECT_EQ(window.text_writes, 1);
  EXPECT_EQ(window.notifications, 2);
  EXPECT_EQ(window.deepest, 2);
  EXPECT_EQ(window.scroll_calls.size(), 2u);
}

TEST_F(Mass_Setting_Test, TooSmallIsClampedToOneAndWrittenBack) {
  for (const char* typed : {"0", "-3", "-", ".", "0.99", "-0.5", "00"}) {
    SCOPED_TRACE(typed);
    Show();
    window.User_Sets_Text(typed);
    EXPECT_EQ(Position(), 1);
    EXPECT_EQ(window.edit_text, "1");
    EXPECT_EQ(window.Shown_Position(), 1);
    EXPECT_EQ(window.text_writes, 1);
    EXPECT_EQ(window.notifications, 2);
    EXPECT_EQ(window.deepest, 2);
  }
}

TEST_F(Mass_Setting_Test, FractionsAreTruncatedAndLeftAsTyped) {
  struct Case {
    const char* typed;
    int position;
  };
  for (const Case c : {Case{"12.9", 12}, Case{"1.5", 1}, Case{"99.99", 99}, Case{"100.5", 100},
                       Case{"100", 100}, Case{"1", 1}}) {
    SCOPED_TRACE(c.typed);
    Show();
    window.User_Sets_Text(c.typed);
    EXPECT_EQ(Position(), c.position);
    EXPECT_EQ(window.Shown_Position(), c.position);
    EXPECT_EQ(window.edit_text, c.typed);
    EXPECT_EQ(window.text_writes, 0);
  }
}

TEST_F(Mass_Setting_Test, JustAboveTheTopIsClamped) {
  for (const char* typed : {"101", "100000", "4294967297", "2147483648"}) {
    SCOPED_TRACE(typed);
    Show();
    window.User_Sets_Text(typed);
    EXPECT_EQ(Position(), 100);
    EXPECT_EQ(window.edit_text, "100");
    EXPECT_EQ(window.text_writes, 1);
  }
}

TEST_F(Mass_Setting_Test, TextThatIsNoNumberLeavesThePosition) {
  // Double-byte characters: full-width "１２" and "質量" in code page 932.
  for (const char* typed : {"", "abc", "12a", " 5", "5 ", "+5", "1e3", "\x82\x50\x82\x51", "\x8e\xbf\x97\xca"}) {
    SCOPED_TRACE(typed);
    Set_Position(37);
    window.User_Sets_Text(typed);
    EXPECT_EQ(Position(), 37);
    EXPECT_EQ(window.edit_text, typed);
    EXPECT_TRUE(window.scroll_calls.empty());
    EXPECT_EQ(window.text_writes, 0);
  }
}

TEST_F(Mass_Setting_Test, NumbersBeyondIntAndDoubleRangeAreClamped) {
  const std::string nines(400, '9');       // beyond int, within double
  const std::string digits(1023, '7');     // beyond double: +infinity
  const std::string longer(3000, '8');     // cut to 1023 bytes on reading
  struct Case {
    std::string typed;
    int position;
  };
  for (const Case& c : {Case{nines, 100}, Case{digits, 100}, Case{longer, 100}, Case{"-" + nines, 1},
                        Case{"-" + digits, 1}, Case{nines + "-", 1}, Case{"-0." + nines, 1},
                        Case{"5." + digits, 5}}) {
    SCOPED_TRACE(c.typed.substr(0, 12));
    Show();
    window.User_Sets_Text(c.typed);
    EXPECT_EQ(Position(), c.position);
    EXPECT_EQ(window.Shown_Position(), c.position);
    if (c.position == 5) {
      EXPECT_EQ(window.text_writes, 0);
    } else {
      EXPECT_EQ(window.edit_text, std::to_string(c.position));
      EXPECT_EQ(window.text_writes, 1);
      EXPECT_EQ(window.deepest, 2);
    }
  }
}

TEST_F(Mass_Setting_Test, ChangeWhileDisarmedIsIgnoredAndRearms) {
  Set_Position(30);
  logic->edit_armed = 0;
  window.User_Sets_Text("77");
  EXPECT_EQ(Position(), 30);
  EXPECT_TRUE(window.scroll_calls.empty());
  EXPECT_EQ(logic->edit_armed, 1);
  window.User_Sets_Text("78");
  EXPECT_EQ(Position(), 78);
}

TEST_F(Mass_Setting_Test, OtherNotificationsRearmAndChangeNothing) {
  Set_Position(30);
  for (unsigned code : {0u, 0x100u, 0x200u, 0x400u, 0x301u}) {
    logic->edit_armed = 0;
    logic->On_Command(code, edit_id);
    EXPECT_EQ(logic->edit_armed, 1);
  }
  logic->On_Command(0, 40001);  // a command of no control of ours
  EXPECT_EQ(Position(), 30);
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_TRUE(window.scroll_calls.empty());
  EXPECT_EQ(window.closes_sent, 0);
}

TEST_F(Mass_Setting_Test, ActivationThrowsAwayAnUnappliedValue) {
  Show();
  window.User_Sets_Text("55");
  EXPECT_EQ(Position(), 55);
  logic->On_Activate();  // the user clicks the main window
  EXPECT_EQ(Position(), 20);
  EXPECT_EQ(window.edit_text, "20");
  EXPECT_EQ(window.Shown_Position(), 20);
  window.Click_Set_Button();
  EXPECT_EQ(model->mass_ratio, 20.0);
}

TEST_F(Mass_Setting_Test, ActivationShowsTheMassRatioInForce) {
  model->mass_ratio = 37.9;
  logic->On_Activate();
  EXPECT_EQ(Position(), 37);
  EXPECT_EQ(window.edit_text, "37");
}

TEST_F(Mass_Setting_Test, ScrollCodesFromEachStartingPosition) {
  struct Case {
    unsigned code;
    unsigned thumb;
    int from;
    int to;
  };
  const std::vector<Case> cases = {
      // SB_LINELEFT
      {0, 0, 1, 1}, {0, 0, 5, 4}, {0, 0, 50, 49}, {0, 0, 95, 94}, {0, 0, 100, 99},
      // SB_LINERIGHT
      {1, 0, 1, 2}, {1, 0, 5, 6}, {1, 0, 50, 51}, {1, 0, 95, 96}, {1, 0, 100, 100},
      // SB_PAGELEFT
      {2, 0, 1, 1}, {2, 0, 5, 1}, {2, 0, 50, 40}, {2, 0, 95, 85}, {2, 0, 100, 90},
      // SB_PAGERIGHT
      {3, 0, 1, 11}, {3, 0, 5, 15}, {3, 0, 50, 60}, {3, 0, 95, 100}, {3, 0, 100, 100},
      // SB_THUMBPOSITION takes the thumb's position, kept within range
      {4, 37, 1, 37}, {4, 1, 5, 1}, {4, 100, 50, 100}, {4, 0, 95, 1}, {4, 101, 100, 100},
      {4, 109, 5, 100}, {4, 65535, 50, 100}, {4, 0x8000, 50, 100},
      // SB_THUMBTRACK leaves it
      {5, 77, 1, 1}, {5, 77, 5, 5}, {5, 77, 50, 50}, {5, 77, 95, 95}, {5, 77, 100, 100},
      // SB_LEFT, SB_RIGHT
      {6, 0, 1, 1}, {6, 0, 5, 1}, {6, 0, 50, 1}, {6, 0, 95, 1}, {6, 0, 100, 1},
      {7, 0, 1, 100}, {7, 0, 5, 100}, {7, 0, 50, 100}, {7, 0, 95, 100}, {7, 0, 100, 100},
      // SB_ENDSCROLL and codes the table does not know
      {8, 0, 1, 1}, {8, 0, 5, 5}, {8, 0, 50, 50}, {8, 0, 95, 95}, {8, 0, 100, 100},
      {9, 60, 50, 50}, {0xFFFF, 60, 95, 95},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(c.from));
    Set_Position(c.from);
    logic->On_HScroll(c.code, c.thumb);
    EXPECT_EQ(Position(), c.to);
    // Every code writes the scroll bar and the edit box, the latter unheard.
    ASSERT_EQ(window.scroll_calls.size(), 1u);
    EXPECT_EQ(window.scroll_calls[0].nPos, c.to);
    EXPECT_EQ(window.edit_text, std::to_string(c.to));
    EXPECT_EQ(window.text_writes, 1);
    EXPECT_EQ(window.notifications, 1);
    EXPECT_EQ(logic->edit_armed, 1);
  }
}

TEST_F(Mass_Setting_Test, ThumbDragShowsInTheTextOnlyOnRelease) {
  Set_Position(20);
  logic->On_HScroll(thumb_track, 60);
  EXPECT_EQ(window.edit_text, "20");
  logic->On_HScroll(thumb_position, 60);
  EXPECT_EQ(window.edit_text, "60");
  EXPECT_EQ(Position(), 60);
}

TEST_F(Mass_Setting_Test, ButtonAppliesThePositionAndCloses) {
  Show();
  model->phase = 1;
  window.User_Sets_Text("55");
  window.Click_Set_Button();
  EXPECT_EQ(model->mass_ratio, 55.0);
  EXPECT_EQ(model->phase, 0);
  EXPECT_EQ(model->popup_open, 0);
  EXPECT_EQ(window.closes_sent, 1);
  EXPECT_EQ(window.hides, 1);
  EXPECT_FALSE(window.visible);
}

TEST_F(Mass_Setting_Test, ButtonAfterDeletingTheTextAppliesTheLastPosition) {
  Show();
  window.User_Sets_Text("43");
  window.User_Sets_Text("");
  window.Click_Set_Button();
  EXPECT_EQ(model->mass_ratio, 43.0);
  EXPECT_EQ(window.edit_text, "");
}

TEST_F(Mass_Setting_Test, ButtonAppliesAScrolledPosition) {
  Show();
  logic->On_HScroll(to_right, 0);
  window.Click_Set_Button();
  EXPECT_EQ(model->mass_ratio, 100.0);
}

TEST_F(Mass_Setting_Test, CloseBoxHidesAndChangesNothingElse) {
  Show();
  model->phase = 1;
  window.User_Sets_Text("70");
  logic->On_Close();
  EXPECT_EQ(model->popup_open, 0);
  EXPECT_EQ(window.hides, 1);
  EXPECT_FALSE(window.visible);
  EXPECT_EQ(model->mass_ratio, 20.0);
  EXPECT_EQ(model->phase, 1);
  // The next showing starts again from the mass ratio in force.
  Show();
  EXPECT_EQ(Position(), 20);
  EXPECT_EQ(window.edit_text, "20");
}

TEST_F(Mass_Setting_Test, PositionOfTheModelValueStaysInRange) {
  EXPECT_EQ(Mass_Setting::Position_Of(20.0), 20);
  EXPECT_EQ(Mass_Setting::Position_Of(55.7), 55);
  EXPECT_EQ(Mass_Setting::Position_Of(1.0), 1);
  EXPECT_EQ(Mass_Setting::Position_Of(100.0), 100);
  EXPECT_EQ(Mass_Setting::Position_Of(0.0), 1);
  EXPECT_EQ(Mass_Setting::Position_Of(-5.0), 1);
  EXPECT_EQ(Mass_Setting::Position_Of(1e300), 100);
  EXPECT_EQ(Mass_Setting::Position_Of(std::nan("")), 1);
}

// Whatever arrives, the position stays a whole number within 1..100, every
// text written back is that number, our own writes never recurse more than
// once and the button only ever applies 1..100.
TEST_F(Mass_Setting_Test, RandomTextsAndScrollsKeepThePositionInRange) {
  std::mt19937 rng(12345);
  const char alphabet[] = "0123456789-.";
  Show();
  for (int round = 0; round < 20000; ++round) {
    window.Forget_Calls();
    const unsigned kind = rng() % 10;
    if (kind < 6) {
      std::string text;
      const std::size_t length = (rng() % 8 == 0) ? rng() % 1500 : rng() % 12;
      const bool numeric = rng() % 3 != 0;
      for (std::size_t i = 0; i < length; ++i) {
        text += numeric ? alphabet[rng() % 12] : static_cast<char>(rng() % 256);
      }
      window.User_Sets_Text(text);
      EXPECT_LE(window.text_writes, 1);
      if (window.text_writes == 1) {
        EXPECT_EQ(window.edit_text, std::to_string(Position()));
        EXPECT_EQ(window.deepest, 2);
      }
    } else if (kind < 9) {
      const unsigned code = rng() % 10;
      const unsigned thumb = rng() % 65536;
      logic->On_HScroll(code, thumb);
      EXPECT_EQ(window.edit_text, std::to_string(Position()));
    } else {
      window.Click_Set_Button();
      EXPECT_GE(model->mass_ratio, 1.0);
      EXPECT_LE(model->mass_ratio, 100.0);
      EXPECT_EQ(model->mass_ratio, static_cast<double>(Position()));
      Show();
    }
    EXPECT_LE(window.deepest, 2);
    ASSERT_GE(Position(), 1) << "round " << round;
    ASSERT_LE(Position(), 100) << "round " << round;
    for (const Mass_Scroll_Info& info : window.scroll_calls) {
      ASSERT_GE(info.nPos, 1);
      ASSERT_LE(info.nPos, 100);
    }
  }
}

}  // namespace
