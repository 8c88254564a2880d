#pragma once
#include <algorithm>
#include <cmath>

// The one double-to-int conversion of the program: truncates toward zero
// (12.9 -> 12, -0.7 -> 0, -12.9 -> -12). Values beyond the int range give the
// nearest bound and NaN gives 0, so unbounded heating or a far-off shape never
// turns into undefined behaviour.
inline int Truncate_To_Int(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(value, -2147483648.0, 2147483647.0));
}
