#include "trace.h"

#include <algorithm>
#include <cstdlib>
#include <new>

Trace::Trace(int capacity_) : capacity(std::max(capacity_, 1)), data(new (std::nothrow) double[capacity]) {
  if (data == nullptr) std::exit(1);
}

void Trace::Push(double value) {
  if (last < capacity - 1) {
    data[++last] = value;
    return;
  }
  // Full: the oldest sample drops out at index 0.
  std::copy(data.get() + 1, data.get() + capacity, data.get());
  data[capacity - 1] = value;
}
