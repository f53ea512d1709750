// ui/label_win32.h
// The self-painted label: a plain child window that fills itself with the
// button face colour and draws its one line of text right-aligned and centred
// vertically. It takes no focus and does nothing when clicked.
#pragma once

#include <windows.h>

namespace velquor {

inline constexpr const char* kLabelClass = "VelquorLabel";

bool RegisterLabelClass(HINSTANCE instance);

}  // namespace velquor
