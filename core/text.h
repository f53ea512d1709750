// core/text.h
// The text and number rules that every value shown, read from a box or written
// to the registry passes through. Pure functions, identical on every platform.
//
// A Text is a std::string of code-page-936 bytes; the empty string stands for
// both "empty" and "no text".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velquor {

using Text = std::string;

// The bytes of every argument, in order.
template <typename... Parts>
Text Concatenate(const Parts&... parts) {
  Text out;
  out.reserve((std::string_view(parts).size() + ... + 0));
  (out.append(std::string_view(parts)), ...);
  return out;
}

// -1, 0 or 1, comparing unsigned bytes up to the first difference or the end.
int CompareText(std::string_view a, std::string_view b);

// `t` without the ASCII and ideographic spaces at either end; a lone lead byte
// at the very end is dropped.
Text TrimBothEnds(std::string_view t);

// The number `t` spells, read as atof reads it after full-width ASCII forms are
// folded to ASCII; 0 when there is none.
double TextToReal(std::string_view t);

// `r` cut toward zero, low 32 bits kept; 0 for NaN and for |r| >= 2^63.
std::int32_t RealToInteger(double r);

// "%d".
Text IntegerToText(std::int32_t i);

// "%.13g", with the C99 exponent form (at least two digits) on every platform.
Text RealToText(double r);

// `r` rounded to `places` decimal places, halves away from zero, with a 1e-12
// nudge so that values just below a half (1.005) still round up.
double RoundReal(double r, int places);

}  // namespace velquor
