#pragma once

#include "view.h"

class Draw_Controler;

// What the Mass Setting window decides: the mass ratio chosen by text or
// scroll bar, held to 1..100, and the order in which the edit box, the scroll
// bar and the model are updated. The window procedure turns messages into
// these calls; the window system is reached only through Mass_Setting_Platform.

// What the scroll bar reports.
enum class Scroll { line_left, line_right, page_left, page_right, thumb_position, thumb_track, to_left, to_right, other };

class Mass_Setting_Platform {
 public:
  virtual ~Mass_Setting_Platform() = default;
  // The scroll bar: positions 1..100 (range 1..109 with a page of 10).
  virtual void Set_Scroll_Position(int position) = 0;
  // Like the real edit box, reports the change back as Text_Changed(text)
  // before it returns.
  virtual void Set_Edit_Text(const char* text) = 0;
  // Gives the edit box the focus with its whole text selected, for the user
  // to type over.
  virtual void Select_Edit_Text() = 0;
  // The system's warning sound.
  virtual void Warn() = 0;
  virtual void Hide() = 0;
  // Asks the window to close; that comes back as Close() before it returns.
  virtual void Send_Close() = 0;
  virtual Client_Area Main_Window_Client() = 0;
  virtual int Main_Window_Dpi() = 0;
  virtual void Redraw_Main_Window() = 0;
};

class Mass_Setting {
 public:
  static constexpr int lowest = 1;
  static constexpr int highest = 100;
  static constexpr int page = 10;

  Mass_Setting(Draw_Controler& model, Mass_Setting_Platform& platform);

  // On creation and on every activation change: the mass ratio in force, in
  // both controls. A value typed or scrolled but not applied is dropped.
  void Show_Mass_Ratio();
  // Activated or deactivated: the mass ratio in force; activated, the edit
  // box takes the focus, as a dialog's does, ready to be typed over.
  void Activated(bool active);
  // The edit box's text changed.
  void Text_Changed(const char* text);
  void Scrolled(Scroll code, int thumb);
  // The 設定 button. Text that is no number applies nothing: the window stays
  // open, shows the mass ratio in force again and warns.
  void Apply();
  void Close();

  // The mass ratio the button applies.
  int position = lowest;

 private:
  void Write_Position();
  // Whether the edit box shows a number; until then 設定 applies nothing.
  bool number_shown = true;

  Draw_Controler& model;
  Mass_Setting_Platform& platform;
};
