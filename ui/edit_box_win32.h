// ui/edit_box_win32.h
// The behaviour added to the two single-line boxes: the line of text centred
// vertically, and for the new-port box the typed-character filter.
#pragma once

#include <windows.h>

namespace velquor {

// Subclasses `edit`, which must have been created without WS_BORDER: an EDIT
// control would draw that border inside its client area, around the centred
// line, so the box draws the one-pixel border itself. Its editing area becomes one "W" high, centred in the
// area inside its border; the strips above and below become non-client area,
// painted in the box's background colour, where a click places no caret. With
// `filterTyping`, typed characters other than control codes, "-" and digits
// are dropped; pasted text is not touched.
void AttachSingleLineBox(HWND edit, bool filterTyping);

// Height of "W" in the box's current font.
int LineHeightOf(HWND edit);

}  // namespace velquor
