#include "trace.h"

#include <cstdlib>
#include <new>

Trace::Trace(int capacity_) : capacity(capacity_ < 1 ? 1 : capacity_), data(nullptr), last(-1), first(0) {
  data = new (std::nothrow) double[capacity];
  if (data == nullptr) std::exit(1);
  first = 0;
  last = first - 1;
}

Trace::~Trace() { delete[] data; }

void Trace::Push(double value) {
  if (last < capacity - 1) {
    ++last;
    data[last] = value;
    return;
  }
  for (int i = 1; i <= capacity - 1; ++i) data[i - 1] = data[i];
  data[capacity - 1] = value;
}

double Trace::Get(int k) const {
  if (k > last) return 0.0;
  return data[k];
}

void Trace::Clear() { last = first - 1; }
