#pragma once

// Bounded history of samples: the most recent `capacity` values, oldest at
// index 0. A full trace shifts everything down one place per push, so readers
// can walk data[first..last] without wrap-around.
class Trace {
 public:
  int capacity;
  double* data;
  int last;
  int first;

  // Ends the process with exit status 1 if the samples cannot be allocated.
  explicit Trace(int capacity);
  ~Trace();
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

  void Push(double value);
  // Sample k, or 0.0 above the newest sample.
  double Get(int k) const;
  void Clear();
};
