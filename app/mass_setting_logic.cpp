#include "mass_setting_logic.h"

#include <cmath>

#include "../draw/to_int.h"
#include "draw_controler.h"
#include "format_text.h"
#include "texts.h"

using namespace mass_setting;

namespace {

// Control styles: WS_CHILD | WS_VISIBLE plus the kind's own bits.
constexpr std::uint32_t default_push_button_style = 0x50000001;  // BS_DEFPUSHBUTTON
constexpr std::uint32_t centred_static_style = 0x50000001;       // SS_CENTER
constexpr std::uint32_t right_edit_style = 0x50800002;           // WS_BORDER | ES_RIGHT
constexpr std::uint32_t horizontal_scroll_style = 0x50000000;    // SBS_HORZ

// Puts a typed value where truncation can neither trap nor wrap: anything at
// or above 101 counts as 101 and anything below 0 as 0 (NaN too), which keeps
// the over- and under-range decisions exactly those of the truncated value.
double Bound_Typed_Value(double value) {
  if (std::isnan(value)) return 0.0;
  if (value > highest_position + 1.0) return highest_position + 1.0;
  if (value < 0.0) return 0.0;
  return value;
}

int Clamp_Position(int position) {
  if (position < lowest_position) return lowest_position;
  if (position > highest_position) return highest_position;
  return position;
}

}  // namespace

Mass_Setting::Mass_Setting(Draw_Controler& model, Mass_Setting_Platform& platform)
    : model_(model), platform_(platform) {}

void Mass_Setting::Control_Table(const char* edit_text, Control_Spec (&controls)[4]) {
  controls[0] = {"BUTTON", texts::mass_set_button, set_button_id, 220, 20, 50, 30, default_push_button_style};
  controls[1] = {"STATIC", texts::mass_current_label, label_id, 0, 40, 150, 20, centred_static_style};
  controls[2] = {"EDIT", edit_text, edit_id, 150, 40, 50, 20, right_edit_style};
  controls[3] = {"SCROLLBAR", "", scroll_bar_id, 0, 0, 200, 20, horizontal_scroll_style};
}

int Mass_Setting::Position_Of(double mass_ratio) {
  double value = mass_ratio;
  if (std::isnan(value) || value < lowest_position) value = lowest_position;
  if (value > highest_position) value = highest_position;
  return Truncate_To_Int(value);
}

void Mass_Setting::On_Create() {
  edit_armed = 1;
  Control_Spec controls[4];
  const int position = Position_Of(model_.mass_ratio);
  Format_Int(mass_text, sizeof mass_text, "%d", position);
  Control_Table(mass_text, controls);
  platform_.Create_Control(controls[0]);
  platform_.Create_Control(controls[1]);
  platform_.Create_Control(controls[2]);
  platform_.Create_Control(controls[3]);
  mass_scroll_info = Mass_Scroll_Info{};
  mass_scroll_info.nPos = position;
  platform_.Set_Scroll_Info(mass_scroll_info);
}

void Mass_Setting::On_Activate() {
  // Every activation change drops an unapplied value and shows the one in force.
  mass_scroll_info.nPos = Position_Of(model_.mass_ratio);
  platform_.Set_Scroll_Info(mass_scroll_info);
  Show_Position();
}

void Mass_Setting::On_Close() {
  model_.popup_open = 0;
  platform_.Hide();
}

void Mass_Setting::On_Command(unsigned notification, unsigned id) {
  if (notification == edit_change && edit_armed == 1) {
    Edit_Changed();
  } else {
    // Our own write of the edit text is over (or something else happened):
    // the next text change is the user's again.
    edit_armed = 1;
  }
  if (id == static_cast<unsigned>(set_button_id)) {
    // The value applied is the position as the last change left it; the
    // model lays itself out afresh with it at its next tick.
    model_.mass_ratio = static_cast<double>(mass_scroll_info.nPos);
    model_.phase = 0;
    platform_.Send_Close();
  }
}

void Mass_Setting::Edit_Changed() {
  platform_.Get_Edit_Text(mass_text, static_cast<int>(sizeof mass_text));
  mass_text[sizeof mass_text - 1] = '\0';
  // Text that is not a number stays as typed and changes nothing.
  if (!model_.Check_Text(mass_text)) return;
  mass_scroll_info.nPos = Truncate_To_Int(Bound_Typed_Value(model_.To_Double(mass_text)));
  // The corrections are written with the notification still acted on: the
  // nested pass reads a number within range and changes nothing further.
  if (mass_scroll_info.nPos > highest_position) {
    mass_scroll_info.nPos = highest_position;
    Write_Correction();
  }
  if (mass_scroll_info.nPos < lowest_position) {
    mass_scroll_info.nPos = lowest_position;
    Write_Correction();
  }
  platform_.Set_Scroll_Info(mass_scroll_info);
}

void Mass_Setting::Write_Correction() {
  Format_Int(mass_text, sizeof mass_text, "%d", mass_scroll_info.nPos);
  platform_.Set_Edit_Text(mass_text);
}

void Mass_Setting::Show_Position() {
  Format_Int(mass_text, sizeof mass_text, "%d", mass_scroll_info.nPos);
  edit_armed = 0;
  platform_.Set_Edit_Text(mass_text);
  edit_armed = 1;
}

void Mass_Setting::On_HScroll(unsigned code, unsigned thumb) {
  int& position = mass_scroll_info.nPos;
  const int page = static_cast<int>(mass_scroll_info.nPage);
  switch (code) {
    case line_left:
      if (position > lowest_position) --position;
      break;
    case line_right:
      if (position < highest_position) ++position;
      break;
    case page_left:
      position = position - page < lowest_position ? lowest_position : position - page;
      break;
    case page_right:
      position = position + page > highest_position ? highest_position : position + page;
      break;
    case thumb_position:
      // A real scroll bar reports only reachable positions, but anyone may
      // send this message: keep whatever arrives within range.
      position = Clamp_Position(static_cast<int>(thumb & 0xFFFFu));
      break;
    case to_left:
      position = lowest_position;
      break;
    case to_right:
      position = highest_position;
      break;
    default:  // thumb_track, end_scroll and the rest leave the position
      break;
  }
  platform_.Set_Scroll_Info(mass_scroll_info);
  Show_Position();
}
