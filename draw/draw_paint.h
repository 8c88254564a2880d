#pragma once
#include <windows.h>

#include "draw_parameter.h"

// The WM_PAINT handler's drawing: opens the paint cycle of `window`
// (BeginPaint), draws the whole display list of `list` and closes the cycle
// (EndPaint). Call it once per WM_PAINT. Counts over their bounds are
// brought down and stored back into `list`. The labels are drawn in
// `labels_font`, or in the device context's own where it is null.
void Draw_Paint(HWND window, Draw_Parameter& list, HFONT labels_font = nullptr);
