// The conversion scan over a buffer in memory, beside memcpy of the same buffer.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>

#include "BenchTables.h"
#include "core/StreamScan.h"

namespace {

using kestrane::core::Direction;

constexpr std::size_t kBufferSize = 1 << 20;

// Text in which about the given share of the bytes belong to double-byte characters.
std::string MakeText(double doubleByteShare, std::uint8_t leadLow) {
  std::mt19937 random(7);
  std::bernoulli_distribution doubleByte(doubleByteShare / (2 - doubleByteShare));
  std::uniform_int_distribution<int> lead(leadLow, 0xF7);
  std::uniform_int_distribution<int> trail(0xA1, 0xFE);
  std::uniform_int_distribution<int> ascii(0x20, 0x7E);
  std::string text;
  while (text.size() < kBufferSize) {
    if (doubleByte(random)) {
      text += static_cast<char>(lead(random));
      text += static_cast<char>(trail(random));
    } else {
      text += static_cast<char>(ascii(random));
    }
  }
  text.resize(kBufferSize);
  return text;
}

const kestrane::bench::BenchTables& Tables() {
  static const kestrane::bench::BenchTables tables;
  return tables;
}

void Scan(benchmark::State& state, Direction direction, double doubleByteShare) {
  Tables();
  const auto text = MakeText(doubleByteShare, direction == Direction::GBtoBIG5 ? 0xB0 : 0xA4);
  std::string output(text.size(), '\0');
  const kestrane::core::StreamScan scan(direction);
  for (auto _ : state) {
    benchmark::DoNotOptimize(scan.Convert(text.data(), text.size(), output.data(), true));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void Memcpy(benchmark::State& state, double doubleByteShare) {
  const auto text = MakeText(doubleByteShare, 0xB0);
  std::string output(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(output.data(), text.data(), text.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK_CAPTURE(Scan, GBtoBIG5_Chinese, Direction::GBtoBIG5, 0.45);
BENCHMARK_CAPTURE(Scan, BIG5toGB_Chinese, Direction::BIG5toGB, 0.45);
BENCHMARK_CAPTURE(Memcpy, Chinese, 0.45);
BENCHMARK_CAPTURE(Scan, GBtoBIG5_Ascii, Direction::GBtoBIG5, 0.0);
BENCHMARK_CAPTURE(Scan, BIG5toGB_Ascii, Direction::BIG5toGB, 0.0);
BENCHMARK_CAPTURE(Memcpy, Ascii, 0.0);

}  // namespace
