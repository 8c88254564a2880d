#include "format_text.h"

#include <cstdio>

void Format_Int(char* dest, std::size_t size, const char* pattern, int value) {
  if (size == 0) return;
  if (std::snprintf(dest, size, pattern, value) < 0) dest[0] = '\0';
}
