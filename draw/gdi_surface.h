#pragma once
#include <windows.h>

#include "draw_surface.h"

// The drawing surface of a Win32 device context: each operation is the GDI
// call of the same name.
class Gdi_Surface final : public Draw_Surface {
 public:
  explicit Gdi_Surface(HDC dc) : dc_(dc) {}

  Object Create_Pen(Colour colour) override;
  Object Create_Solid_Brush(Colour colour) override;
  Object Stock_White_Pen() override;
  Object Stock_White_Brush() override;
  Object Select(Object object) override;
  void Delete(Object object) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Move_To(int x, int y) override;
  void Line_To(int x, int y) override;
  void Set_Bk_Mode(int mode) override;
  void Set_Bk_Color(Colour colour) override;
  void Set_Text_Color(Colour colour) override;
  void Text_Out(int x, int y, const char* bytes, int length) override;

 private:
  HDC dc_;
};
