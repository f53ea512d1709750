// sysinfo/system_info_panel.h
// The seven labelled lines of the system-information box.
#pragma once

#include "core/window_ops.h"
#include "sysinfo/system_info.h"

namespace velquor {

// Queries the environment once and writes the seven lines into
// 编辑框_系统信息, each ending in CR LF, replacing what the box held.
void ShowSystemInfo(const WindowOps& window, const SystemInfoServices& services);

}  // namespace velquor
