#include <gtest/gtest.h>

#include "about_logic.h"

namespace {

constexpr unsigned wm_close = 0x0010;
constexpr unsigned wm_command = 0x0111;

TEST(About_Logic, CloseBoxAndOkEndTheDialogWithOne) {
  for (const about::Decision d : {about::Decide(wm_close, 0), about::Decide(wm_close, 2), about::Decide(wm_command, 1)}) {
    EXPECT_TRUE(d.handled);
    EXPECT_TRUE(d.end_dialog);
    EXPECT_EQ(d.result, 1);
  }
}

TEST(About_Logic, OtherCommandsAreHandledAndDoNothing) {
  // IDCANCEL (2) is what the dialog manager sends for Escape.
  for (unsigned id : {0u, 2u, 3u, 11u, 40005u, 0xFFFFu}) {
    SCOPED_TRACE(id);
    const about::Decision d = about::Decide(wm_command, id);
    EXPECT_TRUE(d.handled);
    EXPECT_FALSE(d.end_dialog);
  }
}

TEST(About_Logic, EverythingElseIsLeftToTheDialogManager) {
  // WM_INITDIALOG, WM_PAINT, WM_DESTROY, WM_SYSCOMMAND, WM_KEYDOWN, WM_NULL
  for (unsigned message : {0x0110u, 0x000Fu, 0x0002u, 0x0112u, 0x0100u, 0x0000u}) {
    SCOPED_TRACE(message);
    const about::Decision d = about::Decide(message, 1);
    EXPECT_FALSE(d.handled);
    EXPECT_FALSE(d.end_dialog);
  }
}

}  // namespace
