#pragma once
#include <cstdint>

// The model's own pseudo-random generator, with the interface of rand/srand
// but the same sequence on every platform: linear congruential on 32 bits,
// each draw yielding 0..32767.
class Random_Source {
 public:
  // Sets the state and throws the first draw away.
  void Seed(std::uint32_t seed) {
    state = seed;
    Next();
  }

  int Next() {
    state = state * 22695477u + 1u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }

  // One draw reduced modulo `modulus`; a modulus below 1 yields 0 instead of
  // dividing by zero.
  int Next_Below(int modulus) {
    int draw = Next();
    return modulus > 0 ? draw % modulus : 0;
  }

 private:
  std::uint32_t state = 1;
};
