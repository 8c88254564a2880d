#include "trace.h"

#include <algorithm>
#include <cstdlib>
#include <new>

Trace::Trace(int capacity_) : capacity(std::max(capacity_, 1)) {
  try {
    data.resize(capacity);
  } catch (const std::bad_alloc&) {
    std::exit(1);
  }
}

void Trace::Push(double value) {
  if (last < capacity - 1) {
    data[++last] = value;
    return;
  }
  // Full: the oldest sample drops out at index 0.
  std::copy(data.begin() + 1, data.end(), data.begin());
  data[capacity - 1] = value;
}
