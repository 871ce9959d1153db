#include "StressWorkload.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "core/CodeIndex.h"
#include "support/CoreFixture.h"

namespace kestrane::test {
namespace {

using core::Code;

constexpr int kSavers = 2;
constexpr int kSlots = 4;  // characters per saver
constexpr int kCharacters = kSavers * kSlots;
constexpr int kConvertersPerDirection = 2;
constexpr int kReloaders = 1;
constexpr int kThreads = kSavers + 2 * kConvertersPerDirection + kReloaders;

// Round r is the code of the r-th GB2312 hanzi from B0A1 on (rows B0..D6): a character in
// both GBK and BIG5, so that results also pass through code page 936 unchanged.
constexpr int kCodesPerRow = 94;
constexpr int kRounds = 39 * kCodesPerRow;

Code RoundCode(int round) {
  return static_cast<Code>((0xB0 + round / kCodesPerRow) << 8 | (0xA1 + round % kCodesPerRow));
}

std::optional<int> RoundOf(unsigned char lead, unsigned char trail) {
  const int round = (lead - 0xB0) * kCodesPerRow + (trail - 0xA1);
  if (trail < 0xA1 || round < 0 || round >= kRounds || RoundCode(round) != (lead << 8 | trail)) {
    return std::nullopt;
  }
  return round;
}

// Character k of the run: hiragana A4A1.. in BIG5 (index 534 + k), full-width signs A3A1.. in
// GB (index 188 + k); both are valid GBK text as well.
std::string BIG5Char(int k) {
  return {'\xA4', static_cast<char>(0xA1 + k)};
}
std::string GBChar(int k) {
  return {'\xA3', static_cast<char>(0xA1 + k)};
}

std::string HexDigits(Code code) {
  char text[5];
  std::snprintf(text, sizeof text, "%04X", code);
  return text;
}

// The text of all characters, each after an ASCII byte that must come through unchanged.
std::string AllCharacters(std::string (*character)(int)) {
  std::string text;
  for (int k = 0; k < kCharacters; ++k) text += "x" + character(k);
  return text;
}

// The number of saves of one saver that a state shows, or nothing for a mixed state.
std::optional<int> SavesShown(const std::array<int, kSlots>& rounds) {
  const int base = rounds[kSlots - 1];
  int ahead = 0;
  while (ahead < kSlots && rounds[static_cast<std::size_t>(ahead)] == base + 1) ++ahead;
  for (int j = ahead; j < kSlots; ++j) {
    if (rounds[static_cast<std::size_t>(j)] != base) return std::nullopt;
  }
  return base * kSlots + ahead;
}

// The saves per saver that a converted text shows, or nothing when it shows no single state.
std::optional<std::array<int, kSavers>> StateShown(const std::string& converted) {
  if (converted.size() != static_cast<std::size_t>(3 * kCharacters)) return std::nullopt;
  std::array<int, kSavers> saves{};
  for (int saver = 0; saver < kSavers; ++saver) {
    std::array<int, kSlots> rounds{};
    for (int j = 0; j < kSlots; ++j) {
      const auto at = static_cast<std::size_t>(3 * (saver * kSlots + j));
      if (converted[at] != 'x') return std::nullopt;
      const auto round = RoundOf(static_cast<unsigned char>(converted[at + 1]),
                                 static_cast<unsigned char>(converted[at + 2]));
      if (!round) return std::nullopt;
      rounds[static_cast<std::size_t>(j)] = *round;
    }
    const auto shown = SavesShown(rounds);
    if (!shown) return std::nullopt;
    saves[static_cast<std::size_t>(saver)] = *shown;
  }
  return saves;
}

class Run {
 public:
  explicit Run(StressTarget& target) : target_(target) {}

  StressReport Go(std::chrono::milliseconds duration) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> threads;
    for (int saver = 0; saver < kSavers; ++saver) threads.emplace_back([=, this] { Save(saver); });
    for (int k = 0; k < kConvertersPerDirection; ++k) {
      threads.emplace_back([this] { Convert(&StressTarget::GBtoBIG5, GBChar); });
      threads.emplace_back([this] { Convert(&StressTarget::BIG5toGB, BIG5Char); });
    }
    for (int k = 0; k < kReloaders; ++k) threads.emplace_back([this] { Reload(); });
    while (!stop_ && std::chrono::steady_clock::now() - start < duration) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      stop_ = saversDone_ == kSavers;
    }
    stop_ = true;
    for (auto& thread : threads) thread.join();
    StressReport report;
    report.threads = kThreads;
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    report.lost = MappingsLost();
    report.conversions = tally_.conversions;
    report.reloads = tally_.reloads;
    report.saves = tally_.saves;
    report.mixed = tally_.mixed;
    report.stale = tally_.stale;
    report.failedCalls = tally_.failedCalls;
    return report;
  }

 private:
  void Save(int saver) {
    for (int save = 0; !stop_ && save < (kRounds - 1) * kSlots; ++save) {
      const int k = saver * kSlots + save % kSlots;
      const auto code = HexDigits(RoundCode(save / kSlots + 1));
      ++tally_.saves;
      if (target_.SaveOrder(BIG5Char(k), code, GBChar(k), code)) {
        completed_[static_cast<std::size_t>(saver)] = save + 1;
      } else {
        ++tally_.failedCalls;
      }
    }
    ++saversDone_;
  }

  void Convert(std::string (StressTarget::*convert)(const std::string&),
               std::string (*character)(int)) {
    const std::string text = AllCharacters(character);
    std::array<int, kSavers> seen{};
    while (!stop_) {
      std::array<int, kSavers> completedBefore{};
      for (std::size_t saver = 0; saver < kSavers; ++saver)
        completedBefore[saver] = completed_[saver];
      const auto state = StateShown((target_.*convert)(text));
      ++tally_.conversions;
      if (!state) {
        ++tally_.mixed;
        continue;
      }
      for (std::size_t saver = 0; saver < kSavers; ++saver) {
        if ((*state)[saver] < completedBefore[saver] || (*state)[saver] < seen[saver]) {
          ++tally_.stale;
        }
        seen[saver] = (*state)[saver];
      }
    }
  }

  void Reload() {
    while (!stop_) {
      ++tally_.reloads;
      if (!target_.ReLoad()) ++tally_.failedCalls;
    }
  }

  // After the run the file alone must give back every completed save: the mappings, of both
  // directions, that it does not.
  std::uint64_t MappingsLost() {
    if (!target_.ReLoad()) ++tally_.failedCalls;
    std::uint64_t lost = 0;
    for (const auto& converted :
         {target_.GBtoBIG5(AllCharacters(GBChar)), target_.BIG5toGB(AllCharacters(BIG5Char))}) {
      for (int k = 0; k < kCharacters; ++k) {
        const auto at = static_cast<std::size_t>(3 * k + 1);
        const auto expected = core::CodeToChar(RoundCode(SavedRound(k)));
        if (converted.size() < at + 2 || converted.substr(at, 2) != expected) ++lost;
      }
    }
    return lost;
  }

  // The round of character k after the saves its saver completed.
  int SavedRound(int k) const {
    const int saves = completed_[static_cast<std::size_t>(k / kSlots)];
    return saves / kSlots + (k % kSlots < saves % kSlots ? 1 : 0);
  }

  StressTarget& target_;
  std::atomic<bool> stop_{false};
  std::atomic<int> saversDone_{0};
  std::array<std::atomic<int>, kSavers> completed_{};
  // Counted by all threads at once.
  struct Tally {
    std::atomic<std::uint64_t> conversions{0};
    std::atomic<std::uint64_t> reloads{0};
    std::atomic<std::uint64_t> saves{0};
    std::atomic<std::uint64_t> mixed{0};
    std::atomic<std::uint64_t> stale{0};
    std::atomic<std::uint64_t> failedCalls{0};
  } tally_;
};

}  // namespace

std::string StressLanguageText() {
  std::vector<Code> big5(534 + kCharacters, 0x2020);
  std::vector<Code> gb(188 + kCharacters, 0x2020);
  for (int k = 0; k < kCharacters; ++k) {
    big5[static_cast<std::size_t>(534 + k)] = RoundCode(0);
    gb[static_cast<std::size_t>(188 + k)] = RoundCode(0);
  }
  return LanguageText(big5, gb);
}

StressReport RunStress(StressTarget& target, std::chrono::milliseconds duration) {
  return Run(target).Go(duration);
}

std::chrono::milliseconds StressDuration(std::chrono::milliseconds byDefault) {
  const char* seconds = std::getenv("KESTRANE_STRESS_SECONDS");
  if (seconds == nullptr) return byDefault;
  return std::chrono::milliseconds(static_cast<long>(std::strtod(seconds, nullptr) * 1000));
}

std::string Describe(const StressReport& report) {
  char text[256];
  std::snprintf(text, sizeof text,
                "%d threads, %.1f s: %llu conversions, %llu reloads, %llu saves; mixed %llu, "
                "stale %llu, failed calls %llu, lost %llu",
                report.threads, report.seconds, static_cast<unsigned long long>(report.conversions),
                static_cast<unsigned long long>(report.reloads),
                static_cast<unsigned long long>(report.saves),
                static_cast<unsigned long long>(report.mixed),
                static_cast<unsigned long long>(report.stale),
                static_cast<unsigned long long>(report.failedCalls),
                static_cast<unsigned long long>(report.lost));
  return text;
}

}  // namespace kestrane::test
