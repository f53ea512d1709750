// Time per byte of the text rules and of the whole port change over texts
// from 1 KiB to 16 MiB, with the complexity fit: a user may paste any amount
// into the new-port box, and every rule must stay linear.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "core/text.h"
#include "rdpport/port_change.h"
#include "rdpport/registry_path.h"
#include "tests/fakes/fake_port_services.h"
#include "tests/fakes/fake_window.h"

namespace velquor {
namespace {

// A pasted text of `size` bytes: ideographic and ASCII blanks around a port,
// then two-byte characters, then blanks again, so every scan walks all of it
// and steps over two-byte characters on the way.
Text PastedText(std::size_t size) {
  Text text;
  text.reserve(size);
  while (text.size() + 2 <= size / 4) text += "\xA1\xA1";
  text += "3390";
  while (text.size() + 2 <= size * 3 / 4) text += "\xD6\xD0";
  while (text.size() + 1 <= size) text += ' ';
  return text;
}

void Finish(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
  state.SetComplexityN(state.range(0));
}

void BM_OnePass(benchmark::State& state) {  // the yardstick: one read of every byte
  const Text text = PastedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(std::count(text.begin(), text.end(), ' '));
  Finish(state);
}

void BM_TrimBothEnds(benchmark::State& state) {
  const Text text = PastedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(TrimBothEnds(text));
  Finish(state);
}

void BM_TextToReal(benchmark::State& state) {
  const Text text = PastedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(TextToReal(text));
  Finish(state);
}

void BM_TextToRealDigits(benchmark::State& state) {  // a long number: the conversion itself
  const Text text(static_cast<std::size_t>(state.range(0)), '7');
  for (auto _ : state) benchmark::DoNotOptimize(TextToReal(text));
  Finish(state);
}

void BM_CompareText(benchmark::State& state) {
  const Text a = PastedText(static_cast<std::size_t>(state.range(0)));
  const Text b = a;
  for (auto _ : state) benchmark::DoNotOptimize(CompareText(a, b));
  Finish(state);
}

void BM_Concatenate(benchmark::State& state) {
  const Text a = PastedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Concatenate("端口号", a, "无效"));
  Finish(state);
}

void BM_SplitRegistryPath(benchmark::State& state) {
  Text path = PastedText(static_cast<std::size_t>(state.range(0)));
  path += "\\PortNumber";
  for (auto _ : state) benchmark::DoNotOptimize(SplitRegistryPath(path));
  Finish(state);
}

// The whole press of the button: four reads of the box, trims, conversions,
// both writes and the question, over fakes.
void BM_ChangePort(benchmark::State& state) {
  const Text text = PastedText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    fakes::FakeWindow window;
    fakes::FakePortServices services;
    window.boxes[Control::编辑框_修改后端口] = text;
    ChangePort(window.Ops(), services.Services());
    benchmark::DoNotOptimize(services.registry);
  }
  Finish(state);
}

#define VELQUOR_SIZES RangeMultiplier(8)->Range(1 << 10, 16 << 20)->Complexity(benchmark::oN)
BENCHMARK(BM_OnePass)->VELQUOR_SIZES;
BENCHMARK(BM_TrimBothEnds)->VELQUOR_SIZES;
BENCHMARK(BM_TextToReal)->VELQUOR_SIZES;
BENCHMARK(BM_TextToRealDigits)->VELQUOR_SIZES;
BENCHMARK(BM_CompareText)->VELQUOR_SIZES;
BENCHMARK(BM_Concatenate)->VELQUOR_SIZES;
BENCHMARK(BM_SplitRegistryPath)->VELQUOR_SIZES;
BENCHMARK(BM_ChangePort)->VELQUOR_SIZES;

}  // namespace
}  // namespace velquor

BENCHMARK_MAIN();
