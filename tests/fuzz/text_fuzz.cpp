// Arbitrary bytes through the text rules: no crash, no out-of-bounds read, and
// the properties every caller relies on.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/cp936.h"
#include "core/text.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    __builtin_printf("property broken: %s\n", what);
    std::abort();
  }
}

bool IsBlank(std::string_view character) { return character == " " || character == "\xA1\xA1"; }

// The first and the last character of a text, stepping over two-byte ones.
std::string_view FirstCharacter(std::string_view t) {
  return t.empty() ? t : t.substr(0, velquor::cp936::CharLength(t, 0));
}
std::string_view LastCharacter(std::string_view t) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < t.size(); pos += velquor::cp936::CharLength(t, pos)) last = pos;
  return t.substr(last);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velquor;
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const Text trimmed = TrimBothEnds(input);
  Check(trimmed.size() <= input.size(), "trim never grows a text");
  Check(input.find(trimmed) != std::string_view::npos, "trim gives a piece of its input");
  Check(!IsBlank(FirstCharacter(trimmed)), "trim leaves no blank at the start");
  // A text that ends in a lone lead byte keeps the blanks before that byte.
  const bool endsWithLoneLead = cp936::CutAtCharBoundary(input, input.size()).size() != input.size();
  if (!endsWithLoneLead) Check(!IsBlank(LastCharacter(trimmed)), "trim leaves no blank at the end");
  Check(cp936::CutAtCharBoundary(trimmed, trimmed.size()).size() == trimmed.size(), "trim leaves no lone lead byte");

  const double value = TextToReal(input);
  Check(!std::isnan(value), "a text never converts to NaN");
  Check(TextToReal(trimmed) == value, "trimming never changes the number a text spells");
  const std::int32_t port = RealToInteger(value);
  (void)port;
  (void)RealToText(value);
  (void)RealToText(RoundReal(value, 2));
  (void)IntegerToText(port);

  const std::size_t half = size / 2;
  const std::string_view a = input.substr(0, half);
  const std::string_view b = input.substr(half);
  Check(CompareText(a, b) == -CompareText(b, a), "comparison is antisymmetric");
  Check(CompareText(a, a) == 0, "a text equals itself");
  const Text joined = Concatenate(a, b);
  Check(joined.size() == a.size() + b.size() && joined == input, "joining the halves gives the input");
  return 0;
}
