#include "mass_setting_logic.h"

#include <algorithm>
#include <string>

#include "draw_controler.h"
#include "format_text.h"
#include "to_int.h"

Mass_Setting::Mass_Setting(Draw_Controler& model_, Mass_Setting_Platform& platform_)
    : model(model_), platform(platform_) {}

void Mass_Setting::Show_Mass_Ratio() {
  position = std::clamp(Truncate_To_Int(model.mass_ratio), lowest, highest);
  platform.Set_Scroll_Position(position);
  Write_Position();
}

void Mass_Setting::Activated(bool active) {
  Show_Mass_Ratio();
  if (active) platform.Select_Edit_Text();
}

void Mass_Setting::Text_Changed(const char* typed) {
  // Text that is no number, or only the start of one ("-", "."), stays as
  // typed and changes nothing: a number has a digit.
  const std::string text = model.Halfwidth(typed);
  number_shown = model.Check_Text(text.c_str()) && text.find_first_of("0123456789") != std::string::npos;
  if (!number_shown) return;
  // However far out of range, a number gives 1 or 100 and the text is
  // corrected; the correction comes back here and changes nothing further.
  position = Truncate_To_Int(model.To_Double(text.c_str()));
  if (position > highest) {
    position = highest;
    Write_Position();
  }
  if (position < lowest) {
    position = lowest;
    Write_Position();
  }
  platform.Set_Scroll_Position(position);
}

void Mass_Setting::Scrolled(Scroll code, int thumb) {
  switch (code) {
    case Scroll::line_left: position = std::max(position - 1, lowest); break;
    case Scroll::line_right: position = std::min(position + 1, highest); break;
    case Scroll::page_left: position = std::max(position - page, lowest); break;
    case Scroll::page_right: position = std::min(position + page, highest); break;
    case Scroll::thumb_position: position = std::clamp(thumb, lowest, highest); break;
    case Scroll::to_left: position = lowest; break;
    case Scroll::to_right: position = highest; break;
    default: break;  // a dragged thumb shows its place only when released
  }
  platform.Set_Scroll_Position(position);
  Write_Position();
}

// The value applied is the position as the last change left it; the model
// lays itself out afresh with it at its next tick.
void Mass_Setting::Apply() {
  if (!number_shown) {
    Activated(true);
    platform.Warn();
    return;
  }
  model.Change_Mass_Ratio(position);
  platform.Send_Close();
}

// The window is only hidden. The main window, inert while it showed, may have
// been resized meanwhile: its view and picture are brought up to date.
void Mass_Setting::Close() {
  model.popup_open = 0;
  platform.Hide();
  Set_View(model, platform.Main_Window_Dpi(), platform.Main_Window_Client());
  platform.Redraw_Main_Window();
}

void Mass_Setting::Write_Position() {
  char text[16];
  Format_Int(text, sizeof text, "%d", position);
  platform.Set_Edit_Text(text);
  number_shown = true;
}
