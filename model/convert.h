#pragma once
#include <string>

// Test and conversion of the mass-ratio text typed by the user. Pure
// functions of their arguments; they read no further than the NUL.
class Convert_CharToDouble {
 public:
  // The text with what a Japanese keyboard types for the digits, '.' and '-'
  // (fullwidth, code page 932 pairs) made ASCII, and every other byte as it
  // is. A pair is matched wherever it starts: where it starts inside another
  // character, that character's first byte is left, and no number holds it.
  std::string Halfwidth(const char* text) const;
  // Non-empty and made only of '0'..'9', '.' and '-'.
  bool Check_Text(const char* text) const;
  // The value of the text: a '.' (re)starts the fraction at one tenth, a '-'
  // anywhere makes the result negative. Far too long text gives +-infinity.
  double To_Double(const char* text) const;
  // x to the n for n >= 1; x itself for any n below 2.
  double Power(double x, int n) const;
};
