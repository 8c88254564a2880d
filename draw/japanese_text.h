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
