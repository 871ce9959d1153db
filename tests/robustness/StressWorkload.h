// A stress run: threads converting in both directions while others reload the tables and save
// mappings, all at once, with every result checked.
//
// Each saver owns a few characters and saves their mappings round by round, one character per
// save, each round with the next code. So every state the tables pass through has, per saver,
// the form "the first p characters at round r + 1, the rest at round r": a conversion of all
// the characters shows which state it saw. A result of no such form mixes states; one older
// than a save that had completed when the conversion began has lost that save.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace kestrane::test {

// The operations a run calls, directly on the core or through the automation object.
class StressTarget {
 public:
  virtual ~StressTarget() = default;
  virtual std::string GBtoBIG5(const std::string& gb) = 0;
  virtual std::string BIG5toGB(const std::string& big5) = 0;
  virtual bool ReLoad() = 0;
  // Codes as four hexadecimal digits.
  virtual bool SaveOrder(const std::string& big5Char, const std::string& big5Code,
                         const std::string& gbChar, const std::string& gbCode) = 0;
};

struct StressReport {
  int threads = 0;
  double seconds = 0;
  std::uint64_t conversions = 0;
  std::uint64_t reloads = 0;
  std::uint64_t saves = 0;
  std::uint64_t mixed = 0;        // conversions that saw no state the tables passed through
  std::uint64_t stale = 0;        // conversions that missed a save completed before they began
  std::uint64_t failedCalls = 0;  // reloads and saves that did not succeed
  std::uint64_t lost = 0;         // saved mappings missing from the file after the run
};

// The table file a run starts from: every character of the run at round 0.
std::string StressLanguageText();

// Runs the threads for about the given time (or until the savers run out of codes), then
// reloads the file alone and checks that it holds every save.
StressReport RunStress(StressTarget& target, std::chrono::milliseconds duration);

// The run time: KESTRANE_STRESS_SECONDS when set, else the given default.
std::chrono::milliseconds StressDuration(std::chrono::milliseconds byDefault);

// One line of figures for the test log.
std::string Describe(const StressReport& report);

}  // namespace kestrane::test
