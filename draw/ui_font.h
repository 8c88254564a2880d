#pragma once
#include <windows.h>

// The fonts of the windows' controls and labels.

// Whether the system's own fonts lack Japanese glyphs: its code page is not
// 932.
bool Needs_Japanese_Font();

// The font of a window's controls and labels at the window's DPI: the system
// font's height, scaled from the screen's DPI, in a TrueType face with
// Japanese glyphs and its own proportions. Null where the system font serves
// as it is: code page 932 on a screen at 96 DPI, at that DPI. Deleted when
// made afresh for another DPI, and with its window.
class Ui_Font {
 public:
  Ui_Font() = default;
  Ui_Font(const Ui_Font&) = delete;
  Ui_Font& operator=(const Ui_Font&) = delete;
  ~Ui_Font();

  // Makes the font for `dpi` and gives it to every child of `window`; only
  // then is the old one deleted, so no control ever holds a deleted font.
  void Make(int dpi, HWND window);
  operator HFONT() const { return font; }
  // Gives `control` this font, or the system font where it is null.
  void Use(HWND control) const;

 private:
  HFONT font = nullptr;
};
