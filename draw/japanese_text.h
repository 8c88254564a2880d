#pragma once
#include <windows.h>

// Where the program's Japanese texts meet the window system. The program
// keeps them as code page 932 bytes; the window system takes them as UTF-16,
// converted from 932 explicitly, so they read right whatever the system's own
// code page is.

// `length` bytes of code page 932 text, or up to the NUL when it is -1, as
// UTF-16. Every text of the program fits: a label holds at most 254 bytes.
// Text that does not fit comes out empty.
class Wide_Text {
 public:
  explicit Wide_Text(const char* bytes, int length = -1);
  operator const wchar_t*() const { return text; }

  int length = 0;
  wchar_t text[256] = {};
};

// What the window system holds, as code page 932 bytes into `bytes` of
// `size`, always NUL-terminated. A character that 932 lacks becomes '?', never
// a look-alike: '²' is not read as '2', nor a fullwidth '５' as '5'.
void To_932(const wchar_t* text, char* bytes, int size);

// Pixels per inch of the screen as the system started: the DPI its stock
// fonts are made for.
int System_Dpi();

// Pixels per inch of the window's monitor; the screen's where Windows is too
// old to tell.
int Window_Dpi(HWND window);

// Whether the system's own fonts lack Japanese glyphs: its code page is not
// 932.
bool Needs_Japanese_Font();

// The font of a window's controls and labels at the window's DPI: the system
// font's size, scaled from the screen's DPI, in a face with Japanese glyphs
// where the system's own lacks them. Null where the system font serves as it
// is: code page 932 at the screen's DPI. Deleted when made afresh for another
// DPI, and with its window.
class Ui_Font {
 public:
  Ui_Font() = default;
  Ui_Font(const Ui_Font&) = delete;
  Ui_Font& operator=(const Ui_Font&) = delete;
  ~Ui_Font();

  void Make(int dpi);
  operator HFONT() const { return font; }
  // Gives `control` this font, or the system font where it is null.
  void Use(HWND control) const;

 private:
  HFONT font = nullptr;
};
