#include "convert.h"

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
