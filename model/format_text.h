#pragma once
#include <cstddef>

// Formats `pattern` with one %d, as wsprintfA does, into `dest` of `size`
// bytes; the result is always NUL-terminated and cut to fit.
void Format_Int(char* dest, std::size_t size, const char* pattern, int value);
