#include <gtest/gtest.h>

#include "about_logic.h"

namespace {

// Only OK and the close box end the dialog (with 1); every other command,
// IDCANCEL (2, sent for Escape) among them, is taken and ignored; all other
// messages are left to the dialog manager.
TEST(About_Logic, Decisions) {
  struct Case {
    unsigned message, id;
    bool handled, ends;
  };
  const Case cases[] = {
      {0x0010, 0, true, true},   {0x0010, 2, true, true},    {0x0111, 1, true, true},       // WM_CLOSE, IDOK
      {0x0111, 0, true, false},  {0x0111, 2, true, false},   {0x0111, 3, true, false},      // WM_COMMAND
      {0x0111, 11, true, false}, {0x0111, 40005, true, false}, {0x0111, 0xFFFF, true, false},
      {0x0110, 1, false, false}, {0x000F, 1, false, false},  {0x0002, 1, false, false},     // WM_INITDIALOG, ...
      {0x0112, 1, false, false}, {0x0100, 1, false, false},  {0x0000, 1, false, false},
  };
  for (const Case& c : cases) {
    const about::Decision d = about::Decide(c.message, c.id);
    EXPECT_EQ(d.handled, c.handled) << c.message << " " << c.id;
    EXPECT_EQ(d.end_dialog, c.ends) << c.message << " " << c.id;
    EXPECT_TRUE(!c.ends || d.result == 1) << d.result;
  }
}

}  // namespace
