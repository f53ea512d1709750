// core/cp936.h
// The one byte rule every code-page-936 scan shares: a byte from 0x81 to 0xFE
// leads a two-byte character, and the byte after it is its trail byte, which is
// never examined as a character of its own (a trail byte may be 0x5C, "\").
#pragma once

#include <cstddef>
#include <string_view>

namespace velquor::cp936 {

constexpr bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Length in bytes of the character that starts at `pos`: 2 for a two-byte
// character, 1 for a single byte and for a lead byte that ends the text.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// A lead byte in the last position, with no trail byte after it.
constexpr bool IsLoneLeadByte(std::string_view text, std::size_t pos) {
  return pos + 1 == text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]));
}

// Position of the last backslash that is a character of its own (not the
// trail byte of a two-byte character), or npos.
constexpr std::size_t LastBackslash(std::string_view text) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    if (text[pos] == '\\') found = pos;
  }
  return found;
}

// The longest prefix of `text` of at most `maxBytes` bytes that does not end
// inside a two-byte character (a lone lead byte at the cut is dropped too).
constexpr std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t len = CharLength(text, pos);
    if (IsLoneLeadByte(text, pos) || pos + len > maxBytes) break;
    pos += len;
  }
  return text.substr(0, pos);
}

}  // namespace velquor::cp936
