#pragma once
#include <memory>

// Bounded history of samples: the most recent `capacity` values, oldest at
// index 0. A full trace shifts everything down one place per push, so readers
// can walk data[first..last] without wrap-around.
class Trace {
 public:
  int capacity;
  std::unique_ptr<double[]> data;
  int last = -1;
  int first = 0;

  // A capacity below 1 is taken as 1. Ends the process with exit status 1 if
  // the samples cannot be allocated.
  explicit Trace(int capacity);

  void Push(double value);
  // Sample k, or 0.0 above the newest sample.
  double Get(int k) const { return k > last ? 0.0 : data[k]; }
  void Clear() { last = first - 1; }
};
