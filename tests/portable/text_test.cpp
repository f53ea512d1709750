// The text and number rules, from tables.
#include "core/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "core/cp936.h"

namespace velquor {
namespace {

// Literals are compiled to code-page-936 bytes; these are the bytes GBK gives.
TEST(Cp936Literals, AreCompiledToGbkBytes) {
  EXPECT_EQ(Text("："), "\xA3\xBA");
  EXPECT_EQ(Text("【】"), "\xA1\xBE\xA1\xBF");
  EXPECT_EQ(Text("！"), "\xA3\xA1");
  EXPECT_EQ(Text("修改"), "\xD0\xDE\xB8\xC4");
  EXPECT_EQ(Text("　"), "\xA1\xA1");  // ideographic space
}

TEST(Concatenate, JoinsInOrderAndEmptyContributesNothing) {
  EXPECT_EQ(Concatenate("", "", ""), "");
  EXPECT_EQ(Concatenate("a"), "a");
  EXPECT_EQ(Concatenate("ab", "", Text("c"), std::string_view("de")), "abcde");
  EXPECT_EQ(Concatenate("端口号", "80", "无效").size(), 6u + 2u + 4u);
}

TEST(CompareText, ComparesUnsignedBytes) {
  struct Case { const char* a; const char* b; int expected; };
  const Case cases[] = {
      {"", "", 0},         {"a", "", 1},           {"", "a", -1},       {"abc", "abc", 0},
      {"ab", "abc", -1},   {"b", "abc", 1},        {"\x80", "\x7F", 1},  // 0x80 is above 0x7F unsigned
      {"\xFE", "a", 1},    {"修改", "修改", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CompareText(c.a, c.b), c.expected) << c.a << " vs " << c.b;
  EXPECT_EQ(CompareText(Text(), ""), 0);
}

TEST(TrimBothEnds, RemovesAsciiAndIdeographicBlanksOnly) {
  struct Case { std::string in; std::string out; };
  const Case cases[] = {
      {"", ""},
      {"   ", ""},
      {" \xA1\xA1 \xA1\xA1", ""},                        // only blanks of both kinds
      {"\xA1\xA1" "12 ", "12"},                          // ideographic space, 12, space
      {"\t80\t", "\t80\t"},                              // tabs are not blanks
      {"\r\n80\r\n", "\r\n80\r\n"},
      {" 8 0 ", "8 0"},                                  // inner blanks stay
      {"80\xA1\xA1\xA1\xA1  ", "80"},
      {"80\xA1", "80"},                                  // lone lead byte at the end dropped
      {"80 \xA1", "80 "},                                // ... without cutting the blank run before it
      {"  \xA1", ""},                                    // nothing but blanks and a lone lead
      {"\xB0\xA1", "\xB0\xA1"},                          // a two-byte character is kept whole
      {"\xA1\xA1\xA1", ""},                              // ideographic space then a lone lead
      {"\xB0\x20 ", "\xB0\x20"},                         // 0x20 as a trail byte is not a blank
      {"\xA3\xA1\xA1\xA1", "\xA3\xA1"},                  // the trail 0xA1 of "！" does not pair with the next 0xA1
      {"\xA3\xA1\xA1 ", "\xA3\xA1\xA1 "},                // 0xA1 0x20 is one character, not a blank
  };
  for (const Case& c : cases) EXPECT_EQ(TrimBothEnds(c.in), c.out) << "input: " << c.in;
}

TEST(TextToReal, ReadsWhatAtofReadsAfterFoldingFullWidthForms) {
  struct Case { std::string in; double out; };
  const Case cases[] = {
      {"", 0.0},
      {"abc", 0.0},
      {"80", 80.0},
      {"\xA3\xB8\xA3\xB0", 80.0},   // full-width 8 0
      {"12ab", 12.0},
      {"-7", -7.0},
      {"+7", 7.0},
      {"1e2", 100.0},
      {"1E+2", 100.0},
      {"25e-1", 2.5},
      {"1e", 1.0},                  // an exponent without digits is not read
      {"1e+", 1.0},
      {"80.9", 80.9},
      {".5", 0.5},
      {"5.", 5.0},
      {".", 0.0},
      {"-", 0.0},
      {"1.2.3", 1.2},
      {" \t\n\v\f\r42", 42.0},      // C white space before the number
      {"\xA1\xA1" "42", 42.0},      // ideographic space folds to a space
      {"\xA3\xAD" "5", -5.0},       // full-width minus
      {"\xA3\xAE" "5", 0.5},        // full-width full stop
      {"0x10", 0.0},                // no hexadecimal form
      {"inf", 0.0},
      {"nan", 0.0},
      {"- 5", 0.0},
      {"00080", 80.0},
      {"8\xB0\xA1" "0", 8.0},       // a two-byte character ends the number
      {"8\xA3", 8.0},               // lone lead byte at the end
      {"4294967295", 4294967295.0},
      {"1e-400", 0.0},              // underflow
      {"0.0000000000000000000001e22", 1.0},
      {"\xA1\xA1 \t\xA1\xA1" "12 3", 12.0},                 // blanks of both kinds, then a blank ends it
      {"\xA3\xB1\xA3\xB2\xA1\xA1\xA3\xB3", 12.0},           // full-width 1 2, ideographic space, 3
      {"\xA3\xB1\xA3\xC5\xA3\xB2", 100.0},                 // full-width 1 E 2
      {"\xD6\xD0" "12", 0.0},                               // a two-byte character before the digits
      {"\xA1\xAB" "5", 0.0},                                // folds to "~", not a number
  };
  for (const Case& c : cases) EXPECT_EQ(TextToReal(c.in), c.out) << "input: " << c.in;

  EXPECT_EQ(TextToReal("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("1e999999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToReal("0e999999"), 0.0);
  EXPECT_TRUE(std::signbit(TextToReal("-0")));
  // Correct rounding of long inputs: the digits of 0.1 to 60 places.
  EXPECT_EQ(TextToReal("0.100000000000000005551115123125782702118158340454101562500000"), 0.1);
  EXPECT_EQ(TextToReal(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(RealToInteger, CutsTowardZeroAndKeepsLow32Bits) {
  struct Case { double in; std::int32_t out; };
  const Case cases[] = {
      {80.9, 80},
      {-1.0, -1},
      {3.9, 3},
      {-3.9, -3},
      {0.0, 0},
      {4294967295.0, -1},                   // 0xFFFFFFFF
      {4294967296.0, 0},
      {4294967297.0, 1},
      {2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {9223372036854774784.0, -1024},       // largest double below 2^63: 0x7FFFFFFFFFFFFC00
      {9223372036854775808.0, 0},           // 2^63
      {-9223372036854775808.0, 0},
      {1e300, 0},
      {std::numeric_limits<double>::infinity(), 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RealToInteger(c.in), c.out) << "input: " << c.in;
}

TEST(IntegerToText, IsPercentD) {
  EXPECT_EQ(IntegerToText(0), "0");
  EXPECT_EQ(IntegerToText(-1), "-1");
  EXPECT_EQ(IntegerToText(3389), "3389");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

// Expected texts written out by hand from the C standard's "%.13g" rules.
TEST(RealToText, IsPercentPoint13gWithC99Exponents) {
  struct Case { double in; const char* out; };
  const Case cases[] = {
      {8.0, "8"},
      {7.81, "7.81"},
      {0.0, "0"},
      {-0.0, "-0"},
      {0.5, "0.5"},
      {-2.25, "-2.25"},
      {1.0 / 3.0, "0.3333333333333"},
      {2.0 / 3.0, "0.6666666666667"},
      {1234567890123.0, "1234567890123"},
      {12345678901234.0, "1.234567890123e+13"},
      {1e20, "1e+20"},
      {1e100, "1e+100"},
      {1e-5, "1e-05"},
      {0.0001, "0.0001"},
      {123456.789, "123456.789"},
      {9.99999999999995, "10"},
      {std::numeric_limits<double>::infinity(), "inf"},
      {-std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const Case& c : cases) EXPECT_EQ(RealToText(c.in), c.out) << "input: " << c.in;
}

#if !defined(_WIN32)
// Natively, glibc's printf is an independent oracle for "%.13g".
TEST(RealToText, MatchesGlibcPrintfOnRandomDoubles) {
  std::mt19937_64 random(12345);
  std::uniform_int_distribution<int> exponent(-320, 320);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.13g", value);
    ASSERT_EQ(RealToText(value), expected) << "value " << value;
  }
}
#endif

TEST(RoundReal, RoundsHalvesAwayFromZeroWithANudge) {
  struct Case { double in; int places; double out; };
  const Case cases[] = {
      {7.8125, 2, 7.81},
      {8.0, 2, 8.0},
      {0.125, 2, 0.13},
      {-0.025, 2, -0.03},
      {1.005, 2, 1.01},
      {2.5, 0, 3.0},
      {-2.5, 0, -3.0},
      {2.4999, 0, 2.0},
      {0.0, 2, 0.0},
      {7.875, 2, 7.88},
      {3.4990234375, 2, 3.5},
      {1250.0, -2, 1300.0},
      {1249.0, -2, 1200.0},
      {-1250.0, -2, -1300.0},
      {0.3333333, 3, 0.333},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundReal(c.in, c.places), c.out) << c.in << " to " << c.places;
  EXPECT_EQ(RealToText(RoundReal(7.8125, 2)), "7.81");
  EXPECT_EQ(RealToText(RoundReal(8.0, 2)), "8");
}

TEST(Cp936, CutAtCharBoundaryNeverSplitsATwoByteCharacter) {
  const std::string text = "ab\xB0\xA1" "c\xD0\xDE";
  EXPECT_EQ(cp936::CutAtCharBoundary(text, 0), "");
  EXPECT_EQ(cp936::CutAtCharBoundary(text, 2), "ab");
  EXPECT_EQ(cp936::CutAtCharBoundary(text, 3), "ab");
  EXPECT_EQ(cp936::CutAtCharBoundary(text, 4), "ab\xB0\xA1");
  EXPECT_EQ(cp936::CutAtCharBoundary(text, 6), "ab\xB0\xA1" "c");
  EXPECT_EQ(cp936::CutAtCharBoundary(text, 99), text);
  EXPECT_EQ(cp936::CutAtCharBoundary("ab\xB0", 99), "ab");  // lone lead byte dropped
}

}  // namespace
}  // namespace velquor
