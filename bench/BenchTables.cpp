#include "BenchTables.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

#include "core/CodeIndex.h"
#include "core/TableFile.h"
#include "core/Tables.h"

namespace kestrane::bench {
namespace {

void WriteEntries(std::ofstream& out, const char* prefix, std::int32_t count) {
  for (std::int32_t k = 0; k < count; ++k) {
    // Any code will do for timing; keep it a double-byte one.
    const auto code = static_cast<core::Code>(0xA140 + k % 0x3E00);
    out << prefix << '[' << k << "]=" << core::CodeToHex(code) << "\r\n";
  }
}

}  // namespace

BenchTables::BenchTables()
    : folder_(std::filesystem::temp_directory_path() /
              ("kestrane-bench-" + std::to_string(std::random_device()()))) {
  std::filesystem::create_directories(folder_);
  {
    std::ofstream table(folder_ / "Language", std::ios::binary);
    table << "[BIG5]\r\n";
    WriteEntries(table, "BIG5Order", core::kBIG5IndexSpaceToFE);
    table << "[GB]\r\n";
    WriteEntries(table, "GBOrder", core::kGBIndexSpace);
  }
  const auto registry = folder_ / "host.reg";
  std::ofstream(registry) << "Windows Registry Editor Version 5.00\r\n\r\n"
                          << "[HKEY_LOCAL_MACHINE\\Software\\Tresk\\Veltrim]\r\n"
                          << "\"ClientPath\"=\"" << folder_.string() << "\"\r\n";
  setenv("KESTRANE_REGISTRY", registry.c_str(), 1);
  if (!core::LoadLanguage()) throw std::runtime_error("the benchmark tables did not load");
}

BenchTables::~BenchTables() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

}  // namespace kestrane::bench
