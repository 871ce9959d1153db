#include "BenchText.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace kestrane::bench {
namespace {

std::string Repeated(const std::string& sample, std::size_t size) {
  if (sample.empty()) throw std::runtime_error("the benchmark corpus file is empty");
  std::string text;
  text.reserve(size);
  while (text.size() < size) text.append(sample, 0, size - text.size());
  return text;
}

std::string ReadCorpus(const char* folder, core::Direction direction) {
  const char* name = direction == core::Direction::GBtoBIG5 ? "corpus-gb.txt" : "corpus-big5.txt";
  const std::string path = std::string(folder) + "/" + name;
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Lengths of runs, most short and some long, averaging about mean.
std::size_t RunLength(std::mt19937& random, double mean) {
  std::geometric_distribution<std::size_t> length(1 / mean);
  return 1 + length(random);
}

// Frequent characters come up far more often than rare ones, as in real text.
std::size_t SkewedPick(std::mt19937& random, std::size_t count) {
  std::exponential_distribution<double> rank(6.0 / static_cast<double>(count));
  return static_cast<std::size_t>(rank(random)) % count;
}

// A common double-byte character: GB rows B0..D7 (first-level hanzi) or BIG5 rows A4..C6
// (frequent hanzi) with either kind of trail byte.
void AppendCharacter(std::mt19937& random, core::Direction direction, std::string& text) {
  const bool gb = direction == core::Direction::GBtoBIG5;
  const std::size_t rows = gb ? 40 : 35;
  const std::size_t columns = gb ? 94 : 157;
  const std::size_t pick = SkewedPick(random, rows * columns);
  const auto column = static_cast<unsigned>(pick % columns);
  const auto lead = static_cast<unsigned>((gb ? 0xB0 : 0xA4) + pick / columns);
  const unsigned trail = gb ? 0xA1 + column : (column < 63 ? 0x40 + column : 0xA1 + column - 63);
  text += static_cast<char>(lead);
  text += static_cast<char>(trail);
}

void AppendAsciiRun(std::mt19937& random, std::size_t length, std::string& text) {
  static constexpr char kLetters[] = "etaoinshrdlucmfwypvbgkjqxz";
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  std::uniform_int_distribution<int> separator(0, 15);
  for (std::size_t i = 0; i < length; ++i) {
    const int kind = separator(random);
    text += kind == 0 ? '\n' : kind < 3 ? ' ' : kind == 3 ? '.' : kLetters[letter(random)];
  }
}

}  // namespace

std::string ChineseText(core::Direction direction, std::size_t size) {
  if (const char* folder = std::getenv("KESTRANE_BENCH_CORPUS")) {
    return Repeated(ReadCorpus(folder, direction), size);
  }
  std::mt19937 random(7);
  std::string text;
  text.reserve(size + 256);
  while (text.size() < size) {
    for (std::size_t n = RunLength(random, 9); n > 0; --n) {
      AppendCharacter(random, direction, text);
    }
    AppendAsciiRun(random, RunLength(random, 22), text);
  }
  text.resize(size);
  return text;
}

std::string AsciiText(std::size_t size) {
  std::mt19937 random(11);
  std::string text;
  text.reserve(size);
  AppendAsciiRun(random, size, text);
  return text;
}

}  // namespace kestrane::bench
