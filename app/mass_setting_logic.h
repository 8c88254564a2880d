#pragma once
#include <cstddef>
#include <cstdint>

class Draw_Controler;

// What the Mass Setting window decides: the mass ratio chosen by text or
// scroll bar, the clamps to 1..100 and the order in which the edit box, the
// scroll bar and the model are updated. The window system is reached only
// through Mass_Setting_Platform, so the same logic runs under Win32 and
// against the fake window of the unit tests.

namespace mass_setting {

// Control ids; each is the command its control sends.
inline constexpr int set_button_id = 11;
inline constexpr int label_id = 99;
inline constexpr int edit_id = 100;
inline constexpr int scroll_bar_id = 101;

// The edit box's text-change notification code (HIWORD of WM_COMMAND's wParam).
inline constexpr unsigned edit_change = 0x300;

// Scroll codes of the scroll bar's notification (LOWORD of WM_HSCROLL's wParam).
inline constexpr unsigned line_left = 0;
inline constexpr unsigned line_right = 1;
inline constexpr unsigned page_left = 2;
inline constexpr unsigned page_right = 3;
inline constexpr unsigned thumb_position = 4;
inline constexpr unsigned thumb_track = 5;
inline constexpr unsigned to_left = 6;
inline constexpr unsigned to_right = 7;
inline constexpr unsigned end_scroll = 8;

// The valid mass ratios: nMin up to the highest position the thumb can take
// with a page of 10 on a range ending at 109.
inline constexpr int lowest_position = 1;
inline constexpr int highest_position = 100;

// Size of the text buffer; the edit text read into it is cut to one less.
inline constexpr std::size_t text_size = 1024;

}  // namespace mass_setting

// The scroll-bar record, laid out member for member as the platform's
// SCROLLINFO (28 bytes): range, page and position are set, nTrackPos unused.
struct Mass_Scroll_Info {
  std::uint32_t cbSize = 28;
  std::uint32_t fMask = 7;  // range | page | position
  std::int32_t nMin = 1;
  std::int32_t nMax = 109;
  std::uint32_t nPage = 10;
  std::int32_t nPos = mass_setting::lowest_position;
  std::int32_t nTrackPos = 0;
};

// One child control to create: window class, text, id, client position and
// size, and window style bits.
struct Control_Spec {
  const char* class_name;
  const char* text;
  int id;
  int x;
  int y;
  int width;
  int height;
  std::uint32_t style;
};

// The window-system operations the Mass Setting window needs. As with Win32,
// Set_Edit_Text delivers the edit box's text-change notification back into
// Mass_Setting::On_Command before it returns, and Send_Close delivers the
// close request into Mass_Setting::On_Close before it returns.
class Mass_Setting_Platform {
 public:
  virtual ~Mass_Setting_Platform() = default;
  virtual void Create_Control(const Control_Spec& control) = 0;
  virtual void Set_Scroll_Info(const Mass_Scroll_Info& info) = 0;
  // Copies the edit text into `text`, NUL-terminated, cut to size - 1 bytes.
  virtual void Get_Edit_Text(char* text, int size) = 0;
  virtual void Set_Edit_Text(const char* text) = 0;
  virtual void Hide() = 0;
  virtual void Send_Close() = 0;
};

class Mass_Setting {
 public:
  Mass_Setting(Draw_Controler& model, Mass_Setting_Platform& platform);
  Mass_Setting(const Mass_Setting&) = delete;
  Mass_Setting& operator=(const Mass_Setting&) = delete;

  // The four controls in creation order; the edit box shows `edit_text`.
  static void Control_Table(const char* edit_text, Control_Spec (&controls)[4]);

  // The window's messages.
  void On_Create();
  void On_Activate();
  void On_Close();
  void On_Command(unsigned notification, unsigned id);
  void On_HScroll(unsigned code, unsigned thumb);

  // The position showing a mass ratio: truncated toward zero, kept in 1..100.
  static int Position_Of(double mass_ratio);

  Mass_Scroll_Info mass_scroll_info;
  char mass_text[mass_setting::text_size] = {};
  // 1: the edit box's text changes are acted on; 0 only around the window's
  // own writes of the edit text.
  std::uint8_t edit_armed = 0;

 private:
  void Edit_Changed();
  // Writes nPos into the edit box with its notification acted on.
  void Write_Correction();
  // Writes nPos into the edit box with its notification ignored.
  void Show_Position();

  Draw_Controler& model_;
  Mass_Setting_Platform& platform_;
};
