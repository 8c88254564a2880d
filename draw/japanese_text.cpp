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
