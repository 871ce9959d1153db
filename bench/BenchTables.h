// A full-size table file in a temporary client folder, found through a registry file, so the
// benchmarks load tables the way the product does.
#pragma once

#include <filesystem>

namespace kestrane::bench {

class BenchTables {
 public:
  // Writes tables that map every slot, points KESTRANE_REGISTRY at them and loads them.
  BenchTables();
  ~BenchTables();
  BenchTables(const BenchTables&) = delete;
  BenchTables& operator=(const BenchTables&) = delete;

  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
};

}  // namespace kestrane::bench
