#include "format_text.h"

#include <cstdio>

void Format_Int(char* dest, std::size_t size, const char* pattern, int value) {
  std::snprintf(dest, size, pattern, value);
}
