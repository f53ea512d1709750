// The whole port change over fakes, with arbitrary box text. The first byte
// scripts the services (which write is refused, the answer to the question);
// the rest is the box's text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rdpport/port_change.h"
#include "tests/fakes/fake_port_services.h"
#include "tests/fakes/fake_window.h"

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    __builtin_printf("property broken: %s\n", what);
    std::abort();
  }
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velquor;
  if (size == 0) return 0;
  const std::uint8_t script = data[0];
  const Text box(reinterpret_cast<const char*>(data + 1), size - 1);

  fakes::FakeWindow window;
  fakes::FakePortServices services;
  window.boxes[Control::编辑框_修改后端口] = box;
  if (script & 1) services.refusedPaths.insert(kWinStationsPortPath);
  if (script & 2) services.refusedPaths.insert(kTdsPortPath);
  services.answer = (script & 4) ? DialogResult::Yes : DialogResult::No;
  ChangePort(window.Ops(), services.Services());

  Check(window.misuse.empty(), "nothing runs after EndProgram");
  Check(window.boxes[Control::编辑框_修改后端口] == box, "the box is never changed");
  if (box.empty()) {
    Check(services.writes.empty() && services.messages.empty(), "an empty box writes and shows nothing");
    return 0;
  }
  const Text trimmed = TrimBothEnds(box);
  const double value = TextToReal(trimmed);
  const bool valid = value >= 1.0 && value < 65536.0;
  for (const auto& write : services.writes) {
    const std::int32_t port = RealToInteger(write.value);
    Check(port >= 1 && port <= 65535, "only ports from 1 to 65535 are ever written");
    Check(write.root == 4, "both values are under HKEY_LOCAL_MACHINE");
  }
  Check(services.messages.size() == 1, "every press with text shows exactly one message");
  const auto& message = services.messages[0];
  if (!valid) {
    Check(services.writes.empty(), "a refused port writes nothing");
    Check(message.text == Concatenate("端口号", trimmed, "无效，请输入1到65535之间的端口号！"), "refusal text");
    Check(!window.exitCode, "a refused port keeps the window");
    return 0;
  }
  Check(!services.writes.empty() && services.writes[0].path == kWinStationsPortPath, "WinStations is written first");
  if (script & 1) {
    Check(services.writes.size() == 1, "after a refused first write nothing else is written");
    Check(EndsWith(message.text, Concatenate(trimmed, "失败！！")), "first failure quotes the trimmed text");
    Check(!window.exitCode, "a refused write keeps the window");
  } else if (script & 2) {
    Check(services.writes.size() == 2 && services.writes[1].path == kTdsPortPath, "Tds is written second");
    Check(EndsWith(message.text, Concatenate(trimmed, "失败！！")), "second failure quotes the trimmed text");
    Check(!window.exitCode, "a refused write keeps the window");
  } else {
    Check(message.style == 36 && window.exitCode == 0, "success asks and ends with 0");
    Check(services.restarts.size() == ((script & 4) ? 1u : 0u), "restart only on Yes");
  }
  return 0;
}
