// ui/resources/resource_ids.h
// Names of the program file's resources as the code asks for them.
#pragma once

namespace velquor {

inline constexpr const char* kDefaultIconName = "DEFAULT_ICON";

}  // namespace velquor
