#pragma once
#include <cstdint>

#include "colour.h"

// The drawing calls the display-list painter needs, in the shape of the
// Win32 GDI calls it is drawn with: the GDI surface forwards them one to one,
// the tests record them.
class Draw_Surface {
 public:
  // A pen or a brush, or 0 when it could not be made. Opaque to the painter.
  using Object = std::uintptr_t;

  virtual ~Draw_Surface() = default;

  // A solid pen, one pixel wide.
  virtual Object Create_Pen(Colour colour) = 0;
  virtual Object Create_Solid_Brush(Colour colour) = 0;
  // The shared stock objects; never deleted.
  virtual Object Stock_White_Pen() = 0;
  virtual Object Stock_White_Brush() = 0;
  // Makes a pen or a brush current; answers the one of the same kind it replaces.
  virtual Object Select(Object object) = 0;
  virtual void Delete(Object object) = 0;

  // Outlined with the current pen, filled with the current brush. The two
  // corners may come in either order along each axis.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // Moves the current position; the old one is not asked for.
  virtual void Move_To(int x, int y) = 0;
  virtual void Line_To(int x, int y) = 0;

  // Passed on unchecked: 1 transparent, 2 opaque.
  virtual void Set_Bk_Mode(int mode) = 0;
  virtual void Set_Bk_Color(Colour colour) = 0;
  virtual void Set_Text_Color(Colour colour) = 0;
  // `length` bytes of code page 932 text, top-left corner at (x, y), in the
  // surface's current font.
  virtual void Text_Out(int x, int y, const char* bytes, int length) = 0;
  // How wide those bytes come out in the current font, in pixels.
  virtual int Text_Width(const char* bytes, int length) = 0;
};
