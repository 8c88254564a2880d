#include "display_list_painter.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "to_int.h"

namespace {

constexpr int last_shape = Draw_Parameter::shape_capacity - 1;  // 399
constexpr int last_label = Draw_Parameter::text_capacity - 1;   // 9

void Clamp(int& count, int last) {
  if (count > last) count = last;
}

// Each rectangle gets its own brush and pen; the pair of the previous
// rectangle is deleted once the new pair has replaced it.
void Paint_Rectangles(Draw_Parameter& list, Draw_Surface& surface) {
  Clamp(list.rect_count, last_shape);
  if (list.rect_count < 1) return;
  Draw_Surface::Object previous_brush = 0;
  Draw_Surface::Object previous_pen = 0;
  for (int i = 1; i <= list.rect_count; ++i) {
    const Draw_Surface::Object brush = surface.Create_Solid_Brush(list.rect_brush[i]);
    const Draw_Surface::Object pen = surface.Create_Pen(list.rect_pen[i]);
    // The objects the first pair replaces belong to the surface.
    surface.Select(brush);
    if (i > 1) surface.Delete(previous_brush);
    surface.Select(pen);
    if (i > 1) surface.Delete(previous_pen);
    surface.Rectangle(list.Map_X(list.rect_left[i]), list.Map_Y(list.rect_top[i]),
                      list.Map_X(list.rect_right[i]), list.Map_Y(list.rect_bottom[i]));
    previous_brush = brush;
    previous_pen = pen;
  }
  surface.Select(surface.Stock_White_Brush());
  surface.Select(surface.Stock_White_Pen());
  surface.Delete(previous_brush);
  surface.Delete(previous_pen);
}

// The pen and brush of entry 1 are made and selected first, even with no
// ellipse to draw; every later selection deletes what it replaces.
void Paint_Ellipses(Draw_Parameter& list, Draw_Surface& surface) {
  surface.Select(surface.Create_Pen(list.ellipse_pen[1]));
  surface.Select(surface.Create_Solid_Brush(list.ellipse_brush[1]));
  Clamp(list.ellipse_count, last_shape);
  for (int i = 1; i <= list.ellipse_count; ++i) {
    surface.Delete(surface.Select(surface.Create_Pen(list.ellipse_pen[i])));
    surface.Delete(surface.Select(surface.Create_Solid_Brush(list.ellipse_brush[i])));
    surface.Ellipse(list.Map_X(list.ellipse_left[i]), list.Map_Y(list.ellipse_top[i]),
                    list.Map_X(list.ellipse_right[i]), list.Map_Y(list.ellipse_bottom[i]));
  }
  surface.Delete(surface.Select(surface.Stock_White_Brush()));
  surface.Delete(surface.Select(surface.Stock_White_Pen()));
}

void Paint_Segments(Draw_Parameter& list, Draw_Surface& surface) {
  surface.Select(surface.Create_Pen(list.line_pen[1]));
  Clamp(list.line_count, last_shape);
  for (int i = 1; i <= list.line_count; ++i) {
    surface.Delete(surface.Select(surface.Create_Pen(list.line_pen[i])));
    surface.Move_To(list.Map_X(list.line_x1[i]), list.Map_Y(list.line_y1[i]));
    surface.Line_To(list.Map_X(list.line_x2[i]), list.Map_Y(list.line_y2[i]));
  }
  surface.Delete(surface.Select(surface.Stock_White_Pen()));
}

// Bytes of label i up to its NUL, never reading past the label's own bytes.
int Label_Length(const Draw_Parameter& list, int i) {
  const char* text = list.text_string[i];
  const void* end = std::memchr(text, '\0', Draw_Parameter::text_bytes);
  return end ? static_cast<int>(static_cast<const char*>(end) - text) : Draw_Parameter::text_bytes;
}

// A full-width space (code page 932): what keeps two labels on a line apart.
constexpr char label_gap[] = "\x81\x40";

// Labels are drawn in the surface's current font and alignment. A label that
// would run into the one before it on the same line, as the temperature's
// grows with heating, starts a full-width space after it instead; one with
// room stays at its anchor.
void Paint_Labels(Draw_Parameter& list, Draw_Surface& surface) {
  Clamp(list.text_count, last_label);
  int line_y = INT_MIN;
  int line_end = INT_MIN;
  for (int i = 1; i <= list.text_count; ++i) {
    surface.Set_Bk_Mode(list.text_bk_mode[i]);
    surface.Set_Bk_Color(list.text_bk_color[i]);
    surface.Set_Text_Color(list.text_color[i]);
    const int y = list.Map_Y(list.text_y[i]);
    if (y != line_y) line_end = INT_MIN;
    const int x = std::max(list.Map_X(list.text_x[i]), line_end);
    const int length = Label_Length(list, i);
    surface.Text_Out(x, y, list.text_string[i], length);
    line_y = y;
    const double end = static_cast<double>(x) + surface.Text_Width(list.text_string[i], length);
    line_end = Truncate_To_Int(end + surface.Text_Width(label_gap, 2));
  }
}

}  // namespace

void Paint_Display_List(Draw_Parameter& list, Draw_Surface& surface) {
  Paint_Rectangles(list, surface);
  Paint_Ellipses(list, surface);
  Paint_Segments(list, surface);
  Paint_Labels(list, surface);
}
