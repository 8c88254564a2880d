#pragma once
#include "colour.h"

// Retained display list in world units, plus the world-to-window mapping.
// Shapes are numbered from 1; entry 0 of every table is never drawn.
class Draw_Parameter {
 public:
  static constexpr int shape_capacity = 400;  // drawable entries 1..399
  static constexpr int text_capacity = 10;    // drawable labels 1..9
  static constexpr int text_bytes = 255;

  Colour ellipse_brush[shape_capacity] = {};
  Colour ellipse_pen[shape_capacity] = {};
  double ellipse_left[shape_capacity] = {};
  double ellipse_top[shape_capacity] = {};
  double ellipse_right[shape_capacity] = {};
  double ellipse_bottom[shape_capacity] = {};

  Colour rect_brush[shape_capacity] = {};
  Colour rect_pen[shape_capacity] = {};
  double rect_left[shape_capacity] = {};
  double rect_top[shape_capacity] = {};
  double rect_right[shape_capacity] = {};
  double rect_bottom[shape_capacity] = {};

  Colour line_pen[shape_capacity] = {};
  double line_x1[shape_capacity] = {};
  double line_y1[shape_capacity] = {};
  double line_x2[shape_capacity] = {};
  double line_y2[shape_capacity] = {};

  double text_x[text_capacity] = {};
  double text_y[text_capacity] = {};
  int text_bk_mode[text_capacity] = {};  // 1 transparent, 2 opaque
  Colour text_bk_color[text_capacity] = {};
  Colour text_color[text_capacity] = {};
  char text_string[text_capacity][text_bytes] = {};

  int ellipse_count = 0;
  int rect_count = 0;
  int line_count = 0;
  int text_count = 0;

  int phase = 0;

  double origin_x = 10.0;
  double origin_y = 400.0;
  double scale_x = 1.0;
  double scale_y = 1.0;

  virtual ~Draw_Parameter() = default;

  // One animation tick; the plain display list only counts.
  virtual void Advance() { ++phase; }

  // World to window pixels, truncated toward zero; world y grows upwards.
  int Map_X(double x) const;
  int Map_Y(double y) const;
};
