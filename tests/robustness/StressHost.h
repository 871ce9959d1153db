// The host of a stress run: a client folder with the run's table file, named by the host key,
// and the system ANSI code page 936, on the native platform; safe to call from many threads.
// Any message counts as a failure of the run, since none of its calls should show one.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ForwardingPlatform.h"
#include "support/TempDir.h"

namespace kestrane::test {

class StressHost : public platform::ForwardingPlatform {
 public:
  explicit StressHost(const std::string& languageText);
  ~StressHost() override;

  std::uint64_t messages() const { return messages_.load(); }

  std::optional<std::vector<std::string>> ReadLocalMachineStrings(
      const std::string& keyPath, const std::vector<std::string>& valueNames) override;
  unsigned AnsiCodePage() override { return 936; }
  void ShowMessage(std::string_view text) override;

 private:
  TempDir dir_;
  std::atomic<std::uint64_t> messages_{0};
  platform::ScopedPlatform installed_;
};

}  // namespace kestrane::test
