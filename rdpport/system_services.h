// rdpport/system_services.h
// The two system services of the port change: the modal message box and the
// forced restart. Win32 only.
#pragma once

#include "core/text.h"
#include "rdpport/port_change.h"

namespace velquor {

// The DialogResult for a MessageBoxA answer (IDOK and anything unknown: Ok).
DialogResult DialogResultFor(int answer);

// A task-modal message box without owner; an empty caption shows "信息：".
DialogResult ShowMessage(const Text& text, int style, const Text& caption = Text());

// Enables the shutdown privilege on the NT family, then asks Windows to
// restart (forced when `force`). False when the privilege or Windows refuses.
bool RestartComputer(bool force);

// The real services, for the program's own use of ChangePort.
PortServices Win32PortServices();

}  // namespace velquor
