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

int System_Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Looked up at run time: Windows 10 has it, and the program still starts on
// older Windows without it.
int Window_Dpi(HWND window) {
  using Get_Dpi_For_Window = UINT(WINAPI*)(HWND);
  static const auto get_dpi = reinterpret_cast<Get_Dpi_For_Window>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  const int dpi = get_dpi != nullptr ? static_cast<int>(get_dpi(window)) : 0;
  return dpi > 0 ? dpi : System_Dpi();
}

bool Needs_Japanese_Font() { return GetACP() != shift_jis; }

Ui_Font::~Ui_Font() {
  if (font != nullptr) DeleteObject(font);
}

namespace {

// In Japanese, the font mapper picks a face that has the Japanese character
// set, which every Windows since Vista carries, and keeps its own proportions
// (the system font's average width would squeeze it); normal weight, as the
// Japanese system font has.
HFONT Font_For(int dpi) {
  const int system_dpi = System_Dpi();
  if (!Needs_Japanese_Font() && dpi == system_dpi) return nullptr;
  LOGFONTW shape = {};
  GetObjectW(GetStockObject(SYSTEM_FONT), sizeof shape, &shape);
  shape.lfHeight = MulDiv(shape.lfHeight, dpi, system_dpi);
  shape.lfWidth = MulDiv(shape.lfWidth, dpi, system_dpi);
  if (Needs_Japanese_Font()) {
    shape.lfWidth = 0;
    shape.lfWeight = FW_NORMAL;
    shape.lfCharSet = SHIFTJIS_CHARSET;
    shape.lfFaceName[0] = L'\0';
  }
  return CreateFontIndirectW(&shape);
}

}  // namespace

void Ui_Font::Make(int dpi) {
  const HFONT old = font;
  font = Font_For(dpi);
  if (old != nullptr) DeleteObject(old);
}

void Ui_Font::Use(HWND control) const { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }
