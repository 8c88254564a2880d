#pragma once
#include <windows.h>

#include "draw_parameter.h"

// Draws the whole display list of `list` onto `dc` as it stands. Counts over
// their bounds are brought down and stored back into `list`. The labels are
// drawn in `labels_font`, or in the device context's own where it is null.
void Draw_Display_List(HDC dc, Draw_Parameter& list, HFONT labels_font = nullptr);

// The WM_PAINT handler's drawing: opens the paint cycle of `window`
// (BeginPaint), puts the display list drawn on white over the whole client
// area and closes the cycle (EndPaint). Call it once per WM_PAINT.
void Draw_Paint(HWND window, Draw_Parameter& list, HFONT labels_font = nullptr);
