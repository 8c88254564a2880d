#include "japanese_text.h"

namespace {

constexpr UINT shift_jis = 932;

}  // namespace

Wide_Text::Wide_Text(const char* bytes, int length_) {
  const int capacity = static_cast<int>(sizeof text / sizeof text[0]) - 1;
  length = MultiByteToWideChar(shift_jis, 0, bytes, length_, text, capacity);
  // Up to the NUL, the count includes it.
  if (length_ < 0 && length > 0) --length;
  text[length] = L'\0';
}

void To_932(const wchar_t* text, char* bytes, int size) {
  if (WideCharToMultiByte(shift_jis, WC_NO_BEST_FIT_CHARS, text, -1, bytes, size, "?", nullptr) == 0) bytes[0] = '\0';
}

// The system font's height in Japanese: the font mapper picks a face that has
// the Japanese character set, which every Windows since Vista carries, and
// keeps its own proportions (the system font's average width would squeeze
// it). Normal weight, as the Japanese system font has.
HFONT Japanese_Font() {
  static const HFONT font = [] {
    if (GetACP() == shift_jis) return HFONT{};
    LOGFONTW shape = {};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof shape, &shape);
    shape.lfWidth = 0;
    shape.lfWeight = FW_NORMAL;
    shape.lfCharSet = SHIFTJIS_CHARSET;
    shape.lfFaceName[0] = L'\0';
    return CreateFontIndirectW(&shape);
  }();
  return font;
}

void Use_Japanese_Font(HWND control) {
  if (HFONT font = Japanese_Font()) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}
