#include "ui_font.h"

#include "dpi.h"
#include "view.h"

namespace {

constexpr UINT shift_jis = 932;

// The font mapper picks a TrueType face that has the Japanese character set,
// which every Windows since Vista carries, and keeps its own proportions: the
// system font's average width would squeeze it, and on code page 932 the
// raster system font widens only in whole steps. Normal weight, as the
// Japanese system font has.
HFONT Font_For(int dpi) {
  const int system_dpi = System_Dpi();
  if (!Needs_Japanese_Font() && dpi == system_dpi && dpi == base_dpi) return nullptr;
  LOGFONTW shape = {};
  GetObjectW(GetStockObject(SYSTEM_FONT), sizeof shape, &shape);
  shape.lfHeight = MulDiv(shape.lfHeight, dpi, system_dpi);
  shape.lfWidth = 0;
  shape.lfWeight = FW_NORMAL;
  shape.lfCharSet = SHIFTJIS_CHARSET;
  shape.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  shape.lfFaceName[0] = L'\0';
  return CreateFontIndirectW(&shape);
}

}  // namespace

bool Needs_Japanese_Font() { return GetACP() != shift_jis; }

Ui_Font::~Ui_Font() {
  if (font != nullptr) DeleteObject(font);
}

void Ui_Font::Make(int dpi, HWND window) {
  const HFONT old = font;
  font = Font_For(dpi);
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) Use(child);
  if (old != nullptr) DeleteObject(old);
}

void Ui_Font::Use(HWND control) const { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
