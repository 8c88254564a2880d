#pragma once
#include "draw_parameter.h"
#include "draw_surface.h"

// Draws the whole display list onto the surface: rectangles, ellipses, line
// segments, then labels, each kind from entry 1 up to its count. Counts over
// the table bounds (399 shapes, 9 labels) are brought down and stored back
// into `list`; that is all it changes there. Every pen and brush it makes is
// deleted before it returns, and the stock white pen and brush are left
// selected.
void Paint_Display_List(Draw_Parameter& list, Draw_Surface& surface);

