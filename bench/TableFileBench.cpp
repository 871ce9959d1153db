// Loading and saving a full-size table file (about 37,000 entry lines), flush included.
#include <benchmark/benchmark.h>

#include "BenchTables.h"
#include "core/MappingEdit.h"
#include "core/TableFile.h"

namespace {

void LoadFullTable(benchmark::State& state) {
  const kestrane::bench::BenchTables tables;
  for (auto _ : state) benchmark::DoNotOptimize(kestrane::core::LoadLanguage());
}

void SaveOneMapping(benchmark::State& state) {
  const kestrane::bench::BenchTables tables;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kestrane::core::SaveCodeOrder("\xA4\xA4", "A4A4", "\xB0\xA1", "B0A1"));
  }
}

BENCHMARK(LoadFullTable)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOneMapping)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
