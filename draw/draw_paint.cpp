#include "draw_paint.h"

#include "display_list_painter.h"
#include "japanese_text.h"

namespace {

// The drawing surface of a Win32 device context: each operation is the GDI
// call of the same name; text goes out as UTF-16. Colour and COLORREF share
// the layout 0x00BBGGRR.
class Gdi_Surface final : public Draw_Surface {
 public:
  explicit Gdi_Surface(HDC dc) : dc_(dc) {}

  Object Create_Pen(Colour colour) override { return From_Gdi(CreatePen(PS_SOLID, 1, colour)); }
  Object Create_Solid_Brush(Colour colour) override { return From_Gdi(CreateSolidBrush(colour)); }
  Object Stock_White_Pen() override { return From_Gdi(GetStockObject(WHITE_PEN)); }
  Object Stock_White_Brush() override { return From_Gdi(GetStockObject(WHITE_BRUSH)); }
  Object Select(Object object) override { return From_Gdi(SelectObject(dc_, To_Gdi(object))); }
  void Delete(Object object) override { DeleteObject(To_Gdi(object)); }
  void Rectangle(int left, int top, int right, int bottom) override { ::Rectangle(dc_, left, top, right, bottom); }
  void Ellipse(int left, int top, int right, int bottom) override { ::Ellipse(dc_, left, top, right, bottom); }
  void Move_To(int x, int y) override { MoveToEx(dc_, x, y, nullptr); }
  void Line_To(int x, int y) override { LineTo(dc_, x, y); }
  void Set_Bk_Mode(int mode) override { SetBkMode(dc_, mode); }
  void Set_Bk_Color(Colour colour) override { SetBkColor(dc_, colour); }
  void Set_Text_Color(Colour colour) override { SetTextColor(dc_, colour); }
  void Text_Out(int x, int y, const char* bytes, int length) override {
    const Wide_Text text(bytes, length);
    TextOutW(dc_, x, y, text, text.length);
  }
  int Text_Width(const char* bytes, int length) override {
    const Wide_Text text(bytes, length);
    SIZE extent = {};
    GetTextExtentPoint32W(dc_, text, text.length, &extent);
    return extent.cx;
  }

 private:
  static HGDIOBJ To_Gdi(Object object) { return reinterpret_cast<HGDIOBJ>(object); }
  static Object From_Gdi(HGDIOBJ object) { return reinterpret_cast<Object>(object); }

  HDC dc_;
};

}  // namespace

void Draw_Display_List(HDC dc, Draw_Parameter& list, HFONT labels_font) {
  const HGDIOBJ own_font = labels_font ? SelectObject(dc, labels_font) : nullptr;
  Gdi_Surface surface(dc);
  Paint_Display_List(list, surface);
  if (own_font) SelectObject(dc, own_font);
}

// The frame is drawn whole off-screen and put on the window in one copy, so
// no one ever sees it erased or half drawn. Where no bitmap can be had, it is
// drawn straight onto the window.
void Draw_Paint(HWND window, Draw_Parameter& list, HFONT labels_font) {
  PAINTSTRUCT paint;
  // Without a device context there is nothing to draw on; the paint cycle is
  // still closed.
  if (HDC dc = BeginPaint(window, &paint)) {
    RECT client;
    GetClientRect(window, &client);
    const HDC frame = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HDC target = frame != nullptr && bitmap != nullptr ? frame : dc;
    const HGDIOBJ own_bitmap = target == frame ? SelectObject(frame, bitmap) : nullptr;
    FillRect(target, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Draw_Display_List(target, list, labels_font);
    if (target == frame) {
      BitBlt(dc, 0, 0, client.right, client.bottom, frame, 0, 0, SRCCOPY);
      SelectObject(frame, own_bitmap);
    }
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (frame != nullptr) DeleteDC(frame);
  }
  EndPaint(window, &paint);
}
