// sysinfo/system_info_panel.cpp
#include "sysinfo/system_info_panel.h"

#include "sysinfo/memory_line.h"

namespace velquor {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr Control kBox = Control::编辑框_系统信息;

// Reads the whole text back, joins the line to it and writes the whole text
// again, so the box holds exactly the joined lines whatever the caret did.
void AppendLine(const WindowOps& window, std::string_view label, std::string_view value) {
  const Text before = window.GetBoxText(kBox);
  window.SetBoxText(kBox, Concatenate(before, label, value, kLineEnd));
}

}  // namespace

void ShowSystemInfo(const WindowOps& window, const SystemInfoServices& services) {
  SystemInfo info;
  services.QuerySystemInfo(info);
  // The first line replaces whatever the box held.
  window.SetBoxText(kBox, Concatenate("操作系统：", info.osName, kLineEnd));
  // The order of the lines is not the order of the record's members.
  AppendLine(window, "编译版本：", IntegerToText(info.buildNumber));
  AppendLine(window, "补丁版本：", info.servicePack);
  AppendLine(window, "本地语言：", info.languageName);
  AppendLine(window, "系统目录：", info.systemDirectory);
  AppendLine(window, "当前用户：", info.userName);
  AppendLine(window, "物理内存：", Concatenate(GiBText(services.QueryMemoryTotal()), " G"));
}

}  // namespace velquor
