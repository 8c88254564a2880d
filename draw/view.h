#pragma once
#include "draw_parameter.h"

// The main window's view of the box, shared by both windows: the Mass
// Setting window brings it up to date when it closes.

// Pixels are laid out for 96 per inch and scaled to the window's DPI.
constexpr int base_dpi = 96;

// A length of `pixels` at 96 DPI, at `dpi`.
int At_Dpi(int pixels, int dpi);

// What the view is fitted to, in pixels at the window's DPI: the main
// window's client area and the labels' extents in their font.
struct Client_Area {
  bool maximised = false;
  int width = 0;
  int height = 0;
  // Indexed as the view's labels.
  int label_width[Draw_Parameter::text_capacity] = {};
  int label_height = 0;
};

// The view of the box: 1 pixel per unit in the normal window, 1.74 maximised,
// at 96 DPI; in proportion at any other. Maximised, the box keeps its place
// and its top, and where the box and the labels would pass the client area's
// edge, it takes the largest scale at which they fit.
void Set_View(Draw_Parameter& view, int dpi, const Client_Area& client);
