#include "convert.h"

// U+FF10..FF19, U+FF0E and U+FF0D; U+2212 MINUS SIGN, a look-alike, has no
// pair of its own.
std::string Convert_CharToDouble::Halfwidth(const char* text) const {
  std::string ascii;
  for (const char* p = text; *p != '\0'; ++p) {
    const int pair = static_cast<unsigned char>(p[0]) << 8 | static_cast<unsigned char>(p[1]);
    char narrow = *p;
    if (pair >= 0x824F && pair <= 0x8258) narrow = static_cast<char>('0' + (pair - 0x824F));
    if (pair == 0x8144) narrow = '.';
    if (pair == 0x817C) narrow = '-';
    if (narrow != *p) ++p;
    ascii += narrow;
  }
  return ascii;
}

bool Convert_CharToDouble::Check_Text(const char* text) const {
  if (text[0] == '\0') return false;
  for (const char* p = text; *p != '\0'; ++p) {
    const char c = *p;
    if ((c < '0' || c > '9') && c != '.' && c != '-') return false;
  }
  return true;
}

double Convert_CharToDouble::To_Double(const char* text) const {
  double value = 0.0;
  double sign = 1.0;
  int k = 0;  // 0 while reading the integer part, else the next fraction digit's place
  int i = 0;
  while (text[i] != '\0') {
    if (text[i] == '.') {
      k = 1;
      ++i;
    }
    if (text[i] == '-') {
      sign = -1.0;
      ++i;
    }
    if (text[i] == '\0') break;
    const int d = static_cast<signed char>(text[i]) - '0';
    if (k == 0) {
      value = value * 10.0 + d;
    } else {
      value = value + d / Power(10.0, k);
      ++k;
    }
    ++i;
  }
  return sign * value;
}

double Convert_CharToDouble::Power(double x, int n) const {
  double result = x;
  for (int i = 2; i <= n; ++i) result *= x;
  return result;
}
