#include "view.h"

#include <algorithm>

namespace {

// The box's side in world units; its bottom-left corner is the world's origin.
constexpr double box_side = 400.0;
constexpr double maximised_scale = 1.74;

}  // namespace

int At_Dpi(int pixels, int dpi) { return pixels * dpi / base_dpi; }

void Set_View(Draw_Parameter& view, int dpi, const Client_Area& client) {
  const double pixels_per_unit = static_cast<double>(dpi) / base_dpi;
  view.origin_x = 200.0 * pixels_per_unit;
  if (!client.maximised) {
    view.origin_y = 410.0 * pixels_per_unit;
    view.scale_x = pixels_per_unit;
    view.scale_y = pixels_per_unit;
    return;
  }
  double scale = maximised_scale * pixels_per_unit;
  const double top = 700.0 * pixels_per_unit - box_side * scale;
  scale = std::min(scale, (client.width - view.origin_x) / box_side);
  // Each label lies below the box and right of its left edge.
  for (int k = 1; k <= view.text_count; ++k) {
    scale = std::min(scale, (client.height - top - client.label_height) / (box_side - view.text_y[k]));
    scale = std::min(scale, (client.width - view.origin_x - client.label_width[k]) / view.text_x[k]);
  }
  view.origin_y = top + box_side * scale;
  view.scale_x = scale;
  view.scale_y = scale;
}
