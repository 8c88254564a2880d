#pragma once

// What the About dialog does with a message: the close box and the command
// IDOK end it with 1; any other command (IDCANCEL, sent for the Escape key,
// among them) is taken and ignored, so only OK and the close box close it;
// everything else is left to the dialog manager.

namespace about {

// Message numbers and command ids as the platform defines them.
inline constexpr unsigned close_message = 0x0010;    // WM_CLOSE
inline constexpr unsigned command_message = 0x0111;  // WM_COMMAND
inline constexpr unsigned ok_id = 1;                 // IDOK

struct Decision {
  bool handled;     // the dialog procedure's result: TRUE / FALSE
  bool end_dialog;  // end the dialog with `result`
  int result;
};

// `command_id` is LOWORD(wParam) of a command; it is ignored for other messages.
Decision Decide(unsigned message, unsigned command_id);

}  // namespace about
