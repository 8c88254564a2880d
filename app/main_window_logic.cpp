#include "main_window_logic.h"

#include "texts.h"

namespace main_layout {

const Button_Layout buttons[button_count] = {
    {command::start, 20, texts::button_start, true, false},
    {command::stop, 60, texts::button_stop, false, false},
    {command::target_on, 100, texts::button_target_on, true, false},
    {command::target_off, 140, texts::button_target_off, false, false},
    {command::trace_start, 180, texts::button_trace_start, true, false},
    {command::trace_stop, 220, texts::button_trace_stop, false, false},
    {command::particles_20, 260, texts::button_particles_20, true, false},
    {command::particles_200, 300, texts::button_particles_200, true, false},
    {command::heat_up, 340, texts::button_heat_up, true, true},
    {command::cool_down, 380, texts::button_cool_down, true, true},
    {command::boundary, 420, texts::button_periodic, true, false},
    {command::exit, 460, texts::button_exit, true, true},
};

}  // namespace main_layout

namespace {

constexpr double origin_x = 200.0;
constexpr double origin_y_normal = 410.0;
constexpr double origin_y_maximised = 700.0;
constexpr double scale_normal = 1.0;
constexpr double scale_maximised = 1.74;

}  // namespace

Main_Window_Logic::Main_Window_Logic(Draw_Controler& model_, Main_Window_Platform& platform_)
    : model(model_), platform(platform_) {}

bool Main_Window_Logic::Inert() const { return model.popup_open == 1; }

bool Main_Window_Logic::On_Create() {
  if (Inert()) return false;
  destroyed = false;
  model.origin_x = origin_x;
  model.origin_y = origin_y_normal;
  model.scale_x = scale_normal;
  model.scale_y = scale_normal;
  // Phase 0 after construction: this lays the model out, with the target
  // still present, and moves it to phase 1.
  model.Advance();
  platform.Keep_Menu();
  platform.Create_Drawing_Region(main_layout::drawing_area);
  for (const Button_Layout& button : main_layout::buttons) {
    if (!button.created_by_entry) platform.Create_Button(button);
  }
  platform.Create_Mass_Setting_Window();
  // The program starts with the target absent.
  model.target_on = 0;
  model.ellipse_count = model.particle_count;
  return true;
}

bool Main_Window_Logic::On_Size(bool maximised) {
  if (Inert()) return false;
  // The class redraws the whole window after a change of size.
  const double scale = maximised ? scale_maximised : scale_normal;
  model.scale_x = scale;
  model.scale_y = scale;
  model.origin_y = maximised ? origin_y_maximised : origin_y_normal;
  return true;
}

bool Main_Window_Logic::On_Paint() {
  if (Inert()) return false;
  platform.Paint_Model();
  return true;
}

bool Main_Window_Logic::On_Timer() {
  if (Inert()) return false;
  // The paint this asks for comes after the tick, so it shows the new state.
  platform.Invalidate_Drawing_Area();
  model.Advance();
  if (model.run_done != model.run_ready) platform.Kill_Timer();
  return true;
}

bool Main_Window_Logic::On_Destroy() {
  // Handled whatever the Mass Setting window does, so closing always ends
  // the program.
  platform.Delete_Drawing_Region();
  destroyed = true;
  platform.Post_Quit(0);
  return true;
}

bool Main_Window_Logic::On_Command(int id) {
  if (Inert()) return false;
  Command(id);
  // The window and its region are gone once the exit button has closed it.
  if (id != command::menu_mass_ratio && !destroyed) platform.Invalidate_Drawing_Area();
  return true;
}

void Main_Window_Logic::Reinitialise() {
  model.phase = 0;
  model.Advance();
}

void Main_Window_Logic::Command(int id) {
  switch (id) {
    case command::start:
      // Takes a step (or the pending layout) at once; the timer only starts
      // once the model has completed a time step.
      model.Advance();
      if (model.run_done == model.run_ready) platform.Set_Timer();
      platform.Enable_Button(command::start, false);
      platform.Enable_Button(command::stop, true);
      break;
    case command::stop:
      platform.Kill_Timer();
      platform.Enable_Button(command::start, true);
      platform.Enable_Button(command::stop, false);
      break;
    case command::heat_up:
      model.Heat_Up();
      break;
    case command::cool_down:
      model.Cool_Down();
      break;
    case command::particles_20:
    case command::menu_particles_20:
      model.particle_count = 20;
      Reinitialise();
      break;
    case command::particles_200:
    case command::menu_particles_200:
      model.particle_count = 200;
      Reinitialise();
      break;
    case command::exit:
      platform.Send_Close();
      break;
    case command::target_on:
      model.target_on = 1;
      model.ellipse_count = model.particle_count + 1;
      platform.Enable_Button(command::target_off, true);
      platform.Enable_Button(command::target_on, false);
      break;
    case command::target_off:
      model.target_on = 0;
      model.ellipse_count = model.particle_count;
      platform.Enable_Button(command::target_on, true);
      platform.Enable_Button(command::target_off, false);
      break;
    case command::trace_start:
      model.trace_on = 1;
      // The particle count and the settings must not change under a path.
      platform.Enable_Button(command::trace_stop, true);
      platform.Enable_Button(command::trace_start, false);
      platform.Enable_Button(command::particles_20, false);
      platform.Enable_Button(command::particles_200, false);
      platform.Set_Settings_Menu_Greyed(true);
      break;
    case command::trace_stop:
      model.trace_on = 0;
      model.trace_x->Clear();
      model.trace_y->Clear();
      platform.Enable_Button(command::trace_start, true);
      platform.Enable_Button(command::trace_stop, false);
      platform.Enable_Button(command::particles_20, true);
      platform.Enable_Button(command::particles_200, true);
      platform.Set_Settings_Menu_Greyed(false);
      break;
    case command::boundary:
      // The button names the mode a click switches to.
      if (model.periodic == 0) {
        model.periodic = 1;
        platform.Set_Button_Text(command::boundary, texts::button_reflecting);
      } else {
        model.periodic = 0;
        platform.Set_Button_Text(command::boundary, texts::button_periodic);
      }
      break;
    case command::menu_mass_ratio:
      if (model.popup_open == 0) {
        platform.Show_Mass_Setting_Window();
        model.popup_open = 1;
      }
      break;
    case command::menu_temperature_20:
      model.Reset_Velocities();
      break;
    case command::menu_about:
      platform.Run_About_Dialog();
      break;
    case command::menu_mass_ratio_20:
      // No tick here: the model lays itself out afresh at its next one.
      model.mass_ratio = 20.0;
      model.phase = 0;
      break;
    default:
      break;
  }
}
