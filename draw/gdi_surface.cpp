#include "gdi_surface.h"

#include "display_list_painter.h"
#include "draw_paint.h"

namespace {

HGDIOBJ To_Gdi(Draw_Surface::Object object) { return reinterpret_cast<HGDIOBJ>(object); }

Draw_Surface::Object From_Gdi(HGDIOBJ object) { return reinterpret_cast<Draw_Surface::Object>(object); }

// Colour and COLORREF share the layout 0x00BBGGRR.
COLORREF To_Colorref(Colour colour) { return static_cast<COLORREF>(colour); }

}  // namespace

Draw_Surface::Object Gdi_Surface::Create_Pen(Colour colour) {
  return From_Gdi(CreatePen(PS_SOLID, 1, To_Colorref(colour)));
}

Draw_Surface::Object Gdi_Surface::Create_Solid_Brush(Colour colour) {
  return From_Gdi(CreateSolidBrush(To_Colorref(colour)));
}

Draw_Surface::Object Gdi_Surface::Stock_White_Pen() { return From_Gdi(GetStockObject(WHITE_PEN)); }

Draw_Surface::Object Gdi_Surface::Stock_White_Brush() { return From_Gdi(GetStockObject(WHITE_BRUSH)); }

Draw_Surface::Object Gdi_Surface::Select(Object object) { return From_Gdi(SelectObject(dc_, To_Gdi(object))); }

void Gdi_Surface::Delete(Object object) { DeleteObject(To_Gdi(object)); }

void Gdi_Surface::Rectangle(int left, int top, int right, int bottom) {
  ::Rectangle(dc_, left, top, right, bottom);
}

void Gdi_Surface::Ellipse(int left, int top, int right, int bottom) { ::Ellipse(dc_, left, top, right, bottom); }

void Gdi_Surface::Move_To(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Gdi_Surface::Line_To(int x, int y) { LineTo(dc_, x, y); }

void Gdi_Surface::Set_Bk_Mode(int mode) { SetBkMode(dc_, mode); }

void Gdi_Surface::Set_Bk_Color(Colour colour) { SetBkColor(dc_, To_Colorref(colour)); }

void Gdi_Surface::Set_Text_Color(Colour colour) { SetTextColor(dc_, To_Colorref(colour)); }

void Gdi_Surface::Text_Out(int x, int y, const char* bytes, int length) { TextOutA(dc_, x, y, bytes, length); }

void Draw_Paint(HWND window, Draw_Parameter& list) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  Gdi_Surface surface(dc);
  Paint_Display_List(list, surface);
  EndPaint(window, &paint);
}
