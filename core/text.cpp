// core/text.cpp
#include "core/text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/cp936.h"

namespace velquor {
namespace {

constexpr unsigned char kIdeographicSpaceLead = 0xA1;
constexpr unsigned char kIdeographicSpaceTrail = 0xA1;
constexpr unsigned char kFullWidthAsciiLead = 0xA3;

unsigned char ByteAt(std::string_view t, std::size_t pos) { return static_cast<unsigned char>(t[pos]); }

bool IsBlankAt(std::string_view t, std::size_t pos, std::size_t len) {
  if (len == 1) return t[pos] == ' ';
  return ByteAt(t, pos) == kIdeographicSpaceLead && ByteAt(t, pos + 1) == kIdeographicSpaceTrail;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Whether a character can stand in the decimal form that atof reads.
bool CanBePartOfNumber(char c) { return IsDigit(c) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E'; }

// The folded form of the character at `pos` (of `len` bytes): full-width
// ASCII forms and a few punctuation marks become their ASCII counterparts (so
// that pasted "８０" reads as 80); 0 for a two-byte character that stays as it
// is, which can never be part of a number.
char FoldedCharacter(std::string_view t, std::size_t pos, std::size_t len) {
  if (len == 1) return t[pos];
  const unsigned char lead = ByteAt(t, pos);
  const unsigned char trail = ByteAt(t, pos + 1);
  if (lead == kFullWidthAsciiLead && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail & 0x7F);
  if (lead == 0xA1 && trail == 0xA1) return ' ';
  if (lead == 0xA1 && trail == 0xAB) return '~';
  if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) return '*';
  return 0;
}

// The part of the folded text that atof can read: the leading white space,
// which atof skips, is left out, and the part stops at the first character
// that cannot belong to a number, where atof stops too (a lone lead byte at
// the end is such a character). A view into `t` when that part is plain
// ASCII, else into `folded`; so a long pasted text costs one scan and no copy
// of its size.
std::string_view NumberPartAfterFolding(std::string_view t, std::string& folded) {
  std::size_t pos = 0;
  while (pos < t.size()) {
    const std::size_t len = cp936::CharLength(t, pos);
    if (!IsCSpace(FoldedCharacter(t, pos, len))) break;
    pos += len;
  }
  const std::size_t start = pos;
  bool plain = true;
  while (pos < t.size()) {
    const std::size_t len = cp936::CharLength(t, pos);
    if (!CanBePartOfNumber(FoldedCharacter(t, pos, len))) break;
    plain = plain && len == 1;
    pos += len;
  }
  if (plain) return t.substr(start, pos - start);
  for (std::size_t at = start; at < pos; at += cp936::CharLength(t, at)) {
    folded.push_back(FoldedCharacter(t, at, cp936::CharLength(t, at)));
  }
  return folded;
}

// Parses the C locale's decimal floating form that atof accepts, without the
// hexadecimal, "inf" and "nan" forms: [ws][sign]digits[.digits][e[sign]digits].
double ParseDecimal(std::string_view s) {
  std::size_t pos = 0;
  while (pos < s.size() && IsCSpace(s[pos])) ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  const std::size_t numberStart = pos;

  std::size_t digits = 0;
  // Decimal exponent of the first non-zero digit, relative to the point, so an
  // out-of-range result can be told apart as overflow or underflow.
  long long leadingPower = 0;
  bool seenNonZero = false;
  long long intDigits = 0;
  while (pos < s.size() && IsDigit(s[pos])) {
    if (s[pos] != '0' && !seenNonZero) seenNonZero = true;
    if (seenNonZero) ++intDigits;
    ++digits;
    ++pos;
  }
  long long zerosAfterPoint = 0;
  if (pos < s.size() && s[pos] == '.') {
    ++pos;
    while (pos < s.size() && IsDigit(s[pos])) {
      if (!seenNonZero) {
        if (s[pos] != '0')
          seenNonZero = true;
        else
          ++zerosAfterPoint;
      }
      ++digits;
      ++pos;
    }
  }
  if (digits == 0) return 0.0;
  leadingPower = intDigits > 0 ? intDigits : -zerosAfterPoint;

  std::size_t numberEnd = pos;
  if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
    std::size_t expPos = pos + 1;
    bool expNegative = false;
    if (expPos < s.size() && (s[expPos] == '+' || s[expPos] == '-')) expNegative = s[expPos++] == '-';
    if (expPos < s.size() && IsDigit(s[expPos])) {
      long long exponent = 0;
      while (expPos < s.size() && IsDigit(s[expPos])) {
        // Saturate: far beyond any double's range the exact value is moot.
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (s[expPos] - '0');
        ++expPos;
      }
      leadingPower += expNegative ? -exponent : exponent;
      numberEnd = expPos;
    }
  }

  if (!seenNonZero) return negative ? -0.0 : 0.0;
  double value = 0.0;
  const char* first = s.data() + numberStart;
  const char* last = s.data() + numberEnd;
  const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = leadingPower > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (ec != std::errc() || ptr != last) {
    value = 0.0;  // cannot happen for the form accepted above
  }
  return negative ? -value : value;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char>::compare compares as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

Text TrimBothEnds(std::string_view t) {
  std::size_t pos = 0;
  while (pos < t.size() && !cp936::IsLoneLeadByte(t, pos)) {
    const std::size_t len = cp936::CharLength(t, pos);
    if (!IsBlankAt(t, pos, len)) break;
    pos += len;
  }
  const std::size_t start = pos;
  std::size_t end = t.size();
  std::size_t runStart = std::string_view::npos;
  while (pos < t.size()) {
    if (cp936::IsLoneLeadByte(t, pos)) {
      end = pos;
      runStart = std::string_view::npos;
      break;
    }
    const std::size_t len = cp936::CharLength(t, pos);
    if (IsBlankAt(t, pos, len)) {
      if (runStart == std::string_view::npos) runStart = pos;
    } else {
      runStart = std::string_view::npos;
    }
    pos += len;
  }
  if (runStart != std::string_view::npos) end = runStart;
  return Text(t.substr(start, end - start));
}

double TextToReal(std::string_view t) {
  std::string folded;
  return ParseDecimal(NumberPartAfterFolding(t, folded));
}

std::int32_t RealToInteger(double r) {
  constexpr double kTwoPow63 = 9223372036854775808.0;
  if (std::isnan(r) || std::fabs(r) >= kTwoPow63) return 0;
  const auto wide = static_cast<std::int64_t>(r);  // cuts toward zero
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

Text IntegerToText(std::int32_t i) {
  char buf[16];
  const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, i);
  (void)ec;
  return Text(buf, ptr);
}

Text RealToText(double r) {
  // std::to_chars with a precision is specified as printf's "%.*g" in the C
  // locale, and unlike msvcrt's printf it writes two-digit exponents.
  char buf[64];
  const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::general, 13);
  (void)ec;
  return Text(buf, ptr);
}

double RoundReal(double r, int places) {
  if (r == 0.0) return r;
  const bool negative = r < 0.0;
  const double m = std::fabs(r);
  constexpr double kNudge = 1e-12;
  const auto roundHalfUp = [](double s) {
    double whole = 0.0;
    const double fraction = std::modf(s + kNudge, &whole);
    return fraction >= 0.5 ? whole + 1.0 : whole;
  };
  const auto powerOfTen = [](int n) {
    double e = 1.0;
    for (int i = 0; i < n; ++i) e *= 10.0;
    return e;
  };
  double result = 0.0;
  if (places > 0) {
    const double e = powerOfTen(places);
    result = roundHalfUp(m * e) / e;
  } else if (places < 0) {
    const double e = powerOfTen(-places);
    result = roundHalfUp(m / e) * e;
  } else {
    result = roundHalfUp(m);
  }
  return negative ? -result : result;
}

}  // namespace velquor
