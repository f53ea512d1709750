// Scripted registry, message box and restart for the port-change procedure.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "rdpport/port_change.h"

namespace velquor::fakes {

struct FakePortServices {
  struct Message {
    Text text;
    int style;
    Text caption;
  };
  struct Write {
    int root;
    Text path;
    double value;
  };

  std::map<Text, std::uint32_t> registry;  // path -> stored REG_DWORD
  std::set<Text> refusedPaths;             // writes to these paths fail
  std::vector<Write> writes;               // every write attempted, in order
  std::vector<Message> messages;
  DialogResult answer = DialogResult::No;  // the answer to every message box
  std::vector<bool> restarts;              // the force flag of each restart request
  bool restartSucceeds = true;

  PortServices Services() {
    return PortServices{
        .ReadRegistryNumber =
            [this](int, const Text& path) {
              const auto found = registry.find(path);
              return found == registry.end() ? 0 : static_cast<std::int32_t>(found->second);
            },
        .WriteRegistryNumber =
            [this](int root, const Text& path, double value) {
              writes.push_back({root, path, value});
              if (refusedPaths.count(path) != 0) return false;
              registry[path] = static_cast<std::uint32_t>(RealToInteger(value));
              return true;
            },
        .ShowMessage =
            [this](const Text& text, int style, const Text& caption) {
              messages.push_back({text, style, caption});
              return answer;
            },
        .RestartComputer =
            [this](bool force) {
              restarts.push_back(force);
              return restartSucceeds;
            },
    };
  }
};

}  // namespace velquor::fakes
