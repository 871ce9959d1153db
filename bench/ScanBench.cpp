// The conversion scan over a buffer in memory, each kernel this machine can run, beside
// memcpy of a buffer of the same size. The buffers are far larger than the caches, so both
// run at memory speed. bench/scan-ratios.py runs this and prints the ratios to memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include "BenchTables.h"
#include "BenchText.h"
#include "core/PairLookup.h"
#include "core/TableState.h"

namespace {

using kestrane::core::Direction;
using kestrane::core::ScanKernel;

constexpr std::size_t kBufferSize = std::size_t{32} << 20;

const char* KernelName(ScanKernel kernel) {
  switch (kernel) {
    case ScanKernel::Portable:
      return "Portable";
    case ScanKernel::Sse2:
      return "Sse2";
    case ScanKernel::Avx2:
      return "Avx2";
  }
  return "?";
}

void SetBytes(benchmark::State& state, std::size_t size) {
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}

void Scan(benchmark::State& state, ScanKernel kernel, Direction direction,
          const std::string& text) {
  static const kestrane::bench::BenchTables tables;
  const auto snapshot = kestrane::core::detail::CurrentSnapshot();
  const auto& lookup = direction == Direction::GBtoBIG5 ? *snapshot->gbToBIG5 : *snapshot->big5ToGB;
  std::string output(text.size(), '\0');
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        lookup.ScanWith(kernel, text.data(), text.size(), output.data(), true));
    benchmark::ClobberMemory();
  }
  SetBytes(state, text.size());
}

void Memcpy(benchmark::State& state, const std::string& text) {
  std::string output(text.size(), '\0');
  for (auto _ : state) {
    std::memcpy(output.data(), text.data(), text.size());
    benchmark::ClobberMemory();
  }
  SetBytes(state, text.size());
}

// Registered before main runs, once the kernels of this processor are known.
const bool kRegistered = [] {
  static const std::string gbText = kestrane::bench::ChineseText(Direction::GBtoBIG5, kBufferSize);
  static const std::string big5Text =
      kestrane::bench::ChineseText(Direction::BIG5toGB, kBufferSize);
  static const std::string asciiText = kestrane::bench::AsciiText(kBufferSize);
  benchmark::RegisterBenchmark("Memcpy/Chinese", Memcpy, gbText);
  benchmark::RegisterBenchmark("Memcpy/Ascii", Memcpy, asciiText);
  for (const auto kernel : kestrane::core::PairLookup::AvailableKernels()) {
    const std::string name = std::string("Scan/") + KernelName(kernel);
    benchmark::RegisterBenchmark((name + "/GBtoBIG5/Chinese").c_str(), Scan, kernel,
                                 Direction::GBtoBIG5, gbText);
    benchmark::RegisterBenchmark((name + "/BIG5toGB/Chinese").c_str(), Scan, kernel,
                                 Direction::BIG5toGB, big5Text);
    benchmark::RegisterBenchmark((name + "/GBtoBIG5/Ascii").c_str(), Scan, kernel,
                                 Direction::GBtoBIG5, asciiText);
    benchmark::RegisterBenchmark((name + "/BIG5toGB/Ascii").c_str(), Scan, kernel,
                                 Direction::BIG5toGB, asciiText);
  }
  return true;
}();

}  // namespace
