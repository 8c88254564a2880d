#pragma once
#include "draw_controler.h"
#include "ids.h"
#include "view.h"

// What the main window decides: which command changes which model field,
// which controls are usable afterwards, when the timer runs and when the
// drawing area is redrawn. The window procedure turns messages into these
// calls; the window system is reached only through Main_Window_Platform.

// The keys that move the focus among the buttons or press one.
enum class Key { tab, shift_tab, enter, other };

class Main_Window_Platform {
 public:
  virtual ~Main_Window_Platform() = default;
  virtual void Enable(int id, bool enabled) = 0;
  // The id of the button with the keyboard focus; 0 when none has it.
  virtual int Focused_Button() = 0;
  // Moves the focus to the next enabled button after the button `from` (0:
  // the window itself), or before it, going round the column.
  virtual void Focus_Next(int from, bool backward) = 0;
  // Gives the focus to the window itself, where it shows on no button.
  virtual void Focus_Window() = 0;
  virtual void Focus_Button(int id) = 0;
  // Shows the focus, which the system hides from a user of the mouse until
  // a key moves it.
  virtual void Show_Focus() = 0;
  virtual void Set_Text(int id, const char* text) = 0;
  // The 100 ms animation timer; starting it again restarts its period.
  virtual void Start_Timer() = 0;
  virtual void Stop_Timer() = 0;
  // Invalidates the drawing area, to be erased and painted.
  virtual void Redraw() = 0;
  virtual void Grey_Settings_Menu(bool greyed) = 0;
  // Shows the Mass Setting window restored and in front; false when there is
  // none to show.
  virtual bool Show_Mass_Setting() = 0;
  // Modal: returns when the About dialog ends.
  virtual void Show_About() = 0;
  // Closes the main window, which ends the program.
  virtual void Close() = 0;
};

class Main_Window {
 public:
  Main_Window(Draw_Controler& model, Main_Window_Platform& platform);

  // The window exists, at `dpi`: the view, the model's first layout, the
  // target absent.
  void Created(int dpi);
  void Resized(const Client_Area& client);
  // The window has moved to a monitor of another scale.
  void Dpi_Changed(int dpi, const Client_Area& client);
  int Dpi() const { return dpi; }
  void Tick();
  void Command(int id);
  // A mouse button went down anywhere on the window: client area, frame,
  // menu bar or a button.
  void Clicked();
  // While the Mass Setting window shows, the main window is inert: it leaves
  // every message but its own destruction to the default handling.
  bool Inert() const { return model.popup_open == 1; }
  // A key pressed in the window; false when it is left to the window system.
  bool Key_Pressed(Key key);
  // The window loses activation: the button with the focus is remembered.
  void Deactivated();
  // The window is activated again, after the default handling: the focus
  // goes back to the button that had it, as a dialog's does.
  void Activated();

 private:
  void Start();
  void Stop();
  void Particles(int count);
  void Show_Target(bool on);
  void Switch_Tracing(bool on);
  void Switch_Boundary();
  void Open_Mass_Setting();
  void Show_About();
  // Makes `on` usable and `off` not; the focus on `off` goes to `on`, which
  // undoes it.
  void Swap(int on, int off);
  // A button disabled hands the focus on to `heir`, or else down the column.
  void Enable(int id, bool enabled, int heir = 0);

  Draw_Controler& model;
  Main_Window_Platform& platform;
  int dpi = base_dpi;
  // Whether a key has moved the focus or pressed a button; until then the
  // window puts the focus on no button itself.
  bool keyboard_used = false;
  // The button that had the focus when the window last lost activation; 0:
  // the window itself.
  int remembered_focus = 0;
};
