// GBtoBIG5 through the automation object (variant in, narrowing, scan, widening, variant out)
// beside the core's ConvertGBtoBIG5 on the same bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>

#include "BenchTables.h"
#include "core/Tables.h"
#include "platform/CodePage.h"
#include "server/OwnedValues.h"
#include "server/TClass1.h"

namespace {

using kestrane::server::OwnedVariant;

// GB text of the size in state.range(0) in which about state.range(1) percent of the bytes
// belong to double-byte characters.
std::string GBText(const benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  const double share = static_cast<double>(state.range(1)) / 100;
  std::mt19937 random(7);
  std::bernoulli_distribution doubleByte(share / (2 - share));
  std::uniform_int_distribution<int> lead(0xB0, 0xF7);
  std::uniform_int_distribution<int> trail(0xA1, 0xFE);
  std::uniform_int_distribution<int> ascii(0x20, 0x7E);
  std::string text;
  while (text.size() + 1 < size) {
    if (doubleByte(random)) {
      text += static_cast<char>(lead(random));
      text += static_cast<char>(trail(random));
    } else {
      text += static_cast<char>(ascii(random));
    }
  }
  text.resize(size, 'x');
  return text;
}

// The tables of a full-size table file, and a Chinese system code page taken from the locale.
void Prepare() {
  static const kestrane::bench::BenchTables tables;
  unsetenv("KESTRANE_ACP");
  setenv("LC_ALL", "zh_CN.GBK", 1);
}

void ObjectGBtoBIG5(benchmark::State& state) {
  Prepare();
  const std::string bytes = GBText(state);
  OwnedVariant input;
  kestrane::server::MakeText(input.get(), kestrane::platform::ToUtf16(936, bytes));
  kestrane::server::TClass1 object;
  for (auto _ : state) {
    OwnedVariant output;
    if (object.GBtoBIG5(input.get(), output.get()) != kestrane::server::S_OK) {
      state.SkipWithError("GBtoBIG5 failed");
      break;
    }
    benchmark::DoNotOptimize(output->bstrVal);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

void DirectConvertGBtoBIG5(benchmark::State& state) {
  Prepare();
  const std::string bytes = GBText(state);
  for (auto _ : state) {
    benchmark::DoNotOptimize(kestrane::core::ConvertGBtoBIG5(bytes));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Sizes in bytes and shares of double-byte characters: Chinese text, and plain ASCII text whose
// output stays valid in the system code page.
void Texts(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"bytes", "doubleBytePercent"});
  benchmark->Args({100, 45})->Args({1 << 20, 45})->Args({100, 0})->Args({1 << 20, 0});
}

BENCHMARK(ObjectGBtoBIG5)->Apply(Texts);
BENCHMARK(DirectConvertGBtoBIG5)->Apply(Texts);

}  // namespace

BENCHMARK_MAIN();
