#include "draw_parameter.h"

#include "to_int.h"

int Draw_Parameter::Map_X(double x) const { return Truncate_To_Int(x * scale_x + origin_x); }

int Draw_Parameter::Map_Y(double y) const { return Truncate_To_Int(origin_y - y * scale_y); }
