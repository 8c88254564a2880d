#include "main_window_logic.h"

#include "texts.h"

Main_Window::Main_Window(Draw_Controler& model_, Main_Window_Platform& platform_)
    : model(model_), platform(platform_) {}

void Main_Window::Created(int dpi_) {
  dpi = dpi_;
  Set_View(model, dpi, {});
  // Phase 0 after construction: this lays the model out, with the target
  // still present, and moves it to phase 1.
  model.Advance();
  model.target_on = 0;
  model.ellipse_count = model.particle_count;
  keyboard_used = false;
  remembered_focus = 0;
}

// The window class repaints the whole window after a change of size.
void Main_Window::Resized(const Client_Area& client) { Set_View(model, dpi, client); }

void Main_Window::Dpi_Changed(int dpi_, const Client_Area& client) {
  dpi = dpi_;
  Set_View(model, dpi, client);
  platform.Redraw();
}

// The paint this asks for comes after the step, so it shows the new state.
void Main_Window::Tick() {
  platform.Redraw();
  model.Advance();
  if (model.run_done != model.run_ready) platform.Stop_Timer();
}

void Main_Window::Command(int id) {
  switch (id) {
    case command::start: Start(); break;
    case command::stop: Stop(); break;
    case command::heat_up: model.Heat_Up(); break;
    case command::cool_down: model.Cool_Down(); break;
    case command::particles_20:
    case command::menu_particles_20: Particles(20); break;
    case command::particles_200:
    case command::menu_particles_200: Particles(200); break;
    case command::target_on: Show_Target(true); break;
    case command::target_off: Show_Target(false); break;
    case command::trace_start: Switch_Tracing(true); break;
    case command::trace_stop: Switch_Tracing(false); break;
    case command::boundary: Switch_Boundary(); break;
    case command::menu_temperature_20: model.Reset_Velocities(); break;
    case command::menu_about: Show_About(); break;
    case command::menu_mass_ratio_20:
      // No tick here: the model lays itself out afresh at its next one.
      model.Change_Mass_Ratio(20.0);
      break;
    case command::menu_mass_ratio:
      // The window that opens lies over the drawing area; nothing to redraw.
      Open_Mass_Setting();
      return;
    case command::exit:
      // The window is gone: nothing is left to redraw.
      platform.Close();
      return;
    default: break;
  }
  platform.Redraw();
}

// Sets the particles moving at once: a step now, after the pending layout
// if one was due, and the timer for the rest. A layout alone moves nothing,
// and on a model that never stepped the tick would stop the timer again.
void Main_Window::Start() {
  const bool layout_due = model.phase == 0;
  model.Advance();
  if (layout_due) model.Advance();
  platform.Start_Timer();
  Swap(command::stop, command::start);
}

void Main_Window::Stop() {
  platform.Stop_Timer();
  Swap(command::start, command::stop);
}

void Main_Window::Particles(int count) {
  model.particle_count = count;
  model.phase = 0;
  model.Advance();
}

void Main_Window::Show_Target(bool on) {
  model.target_on = on ? 1 : 0;
  model.ellipse_count = model.particle_count + (on ? 1 : 0);
  Swap(on ? command::target_off : command::target_on, on ? command::target_on : command::target_off);
}

// While a path is traced the particle count and the settings stay as they
// are; stopping forgets the path.
void Main_Window::Switch_Tracing(bool on) {
  model.trace_on = on ? 1 : 0;
  if (!on) model.Forget_Path();
  Swap(on ? command::trace_stop : command::trace_start, on ? command::trace_start : command::trace_stop);
  Enable(command::particles_20, !on);
  Enable(command::particles_200, !on);
  platform.Grey_Settings_Menu(on);
}

// The button names the mode a click switches to.
void Main_Window::Switch_Boundary() {
  model.periodic = model.periodic == 0 ? 1 : 0;
  platform.Set_Text(command::boundary, model.periodic == 1 ? texts::button_reflecting : texts::button_periodic);
}

// As an owner brings back its modal window: the Mass Setting window may have
// been minimised or lost behind others, and nothing else answers meanwhile.
void Main_Window::Clicked() {
  if (Inert()) platform.Show_Mass_Setting();
}

// The dialog's owner, disabled while it shows, loses the focus before it
// loses activation: the focus is given back here.
void Main_Window::Show_About() {
  const int focused = platform.Focused_Button();
  platform.Show_About();
  if (focused != 0) platform.Focus_Button(focused);
}

void Main_Window::Open_Mass_Setting() {
  if (model.popup_open == 0 && platform.Show_Mass_Setting()) model.popup_open = 1;
}

void Main_Window::Swap(int on, int off) {
  Enable(on, true);
  Enable(off, false, on);
}

// A disabled button cannot keep the focus, and the focus is never dropped:
// it goes to the heir or on down the column once the keyboard is in use, and
// before that to the window, so that a click leaves no focus showing on
// another button.
void Main_Window::Enable(int id, bool enabled, int heir) {
  if (!enabled && platform.Focused_Button() == id) {
    if (!keyboard_used) {
      platform.Focus_Window();
    } else if (heir != 0) {
      platform.Focus_Button(heir);
    } else {
      platform.Focus_Next(id, false);
    }
  }
  platform.Enable(id, enabled);
}

// Tab and Shift+Tab move the focus down and up the column, and Enter presses
// the focused button. Escape, and Enter with no button focused, do nothing;
// Space the focused button takes itself. An inert window takes no key.
bool Main_Window::Key_Pressed(Key key) {
  if (Inert() || key == Key::other) return false;
  const int focused = platform.Focused_Button();
  if (key == Key::enter && focused == 0) return false;
  keyboard_used = true;
  if (key == Key::enter) {
    Command(focused);
  } else {
    platform.Focus_Next(focused, key == Key::shift_tab);
  }
  platform.Show_Focus();
  return true;
}

void Main_Window::Deactivated() { remembered_focus = platform.Focused_Button(); }

void Main_Window::Activated() {
  if (remembered_focus != 0) platform.Focus_Button(remembered_focus);
}
