// rdpport/registry.h
// Reading and writing one REG_DWORD value. Every call opens the key it needs
// and closes it again before returning.
#pragma once

#include <cstdint>
#include <string_view>

namespace velquor {

// The REG_DWORD at that place, or `fallback` when there is none: a missing
// key or value, a value of another type and a refused read all give it.
std::int32_t ReadRegistryNumber(int root, std::string_view path, std::int32_t fallback = 0);

// Stores RealToInteger(value) as a REG_DWORD, creating missing keys; true when
// the value was stored. A key created on the way stays even if the set fails.
bool WriteRegistryNumber(int root, std::string_view path, double value);

}  // namespace velquor
