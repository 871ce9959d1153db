// Both conversion scans, whole and in pieces, against the scan as the product defines it, on
// tables whose sizes and codes come from the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/StreamScan.h"
#include "core/TableState.h"
#include "core/Tables.h"
#include "support/ReferenceScan.h"

namespace kestrane::fuzz {
namespace {

using core::Code;
using core::Direction;

// Sizes up to one past the index space, so that every pair may fall inside or outside.
std::vector<Code> DerivedTable(FuzzedDataProvider& input, std::int32_t indexSpace) {
  const auto count = input.ConsumeIntegralInRange<std::int32_t>(0, indexSpace + 1);
  const auto seed = input.ConsumeIntegral<std::uint16_t>();
  const auto step = input.ConsumeIntegral<std::uint16_t>();
  std::vector<Code> table(static_cast<std::size_t>(count));
  for (std::size_t k = 0; k < table.size(); ++k) {
    table[k] = static_cast<Code>(seed + k * step);
  }
  return table;
}

// Publishing builds the lookups of all 65536 pairs; most inputs keep the tables of the one
// before, whose lookups are reused.
void Publish(std::vector<Code> big5, std::vector<Code> gb) {
  auto lock = core::detail::LockForUpdate();
  const auto& current = core::detail::CurrentSnapshot()->tables;
  if (current.big5 == big5 && current.gb == gb) return;
  core::detail::PublishTables({std::move(big5), std::move(gb)});
}

// The conversion of text fed to a stream scan in pieces of pieceSize bytes.
std::string ConvertInPieces(Direction direction, const std::string& text, std::size_t pieceSize) {
  const core::StreamScan scan(direction);
  std::string output;
  std::string pending;
  std::size_t position = 0;
  bool last = false;
  while (!last) {
    pending += text.substr(position, pieceSize);
    position += pieceSize;
    last = position >= text.size();
    std::string converted(pending.size(), '\0');
    const auto consumed = scan.Convert(pending.data(), pending.size(), converted.data(), last);
    Require(consumed <= pending.size(), "a stream scan consumes no more than it is given");
    output.append(converted, 0, consumed);
    pending.erase(0, consumed);
  }
  Require(pending.empty(), "the last piece is consumed whole");
  return output;
}

}  // namespace
}  // namespace kestrane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestrane;
  FuzzedDataProvider input(data, size);
  auto big5 = fuzz::DerivedTable(input, core::kBIG5IndexSpace);
  auto gb = fuzz::DerivedTable(input, core::kGBIndexSpace);
  const auto pieceSize = input.ConsumeIntegralInRange<std::size_t>(1, 64);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const auto expectedBIG5 = test::ReferenceScan(text, gb, static_cast<std::int32_t>(gb.size()),
                                                core::IsGBChar, core::GBIndex);
  const auto expectedGB = test::ReferenceScan(text, big5, static_cast<std::int32_t>(big5.size()),
                                              core::IsBIG5Char, core::BIG5Index);
  fuzz::Publish(std::move(big5), std::move(gb));

  fuzz::Require(core::ConvertGBtoBIG5(text) == expectedBIG5, "GB to BIG5 scans as defined");
  fuzz::Require(core::ConvertBIG5toGB(text) == expectedGB, "BIG5 to GB scans as defined");
  fuzz::Require(fuzz::ConvertInPieces(core::Direction::GBtoBIG5, text, pieceSize) == expectedBIG5,
                "GB to BIG5 in pieces equals the whole");
  fuzz::Require(fuzz::ConvertInPieces(core::Direction::BIG5toGB, text, pieceSize) == expectedGB,
                "BIG5 to GB in pieces equals the whole");
  return 0;
}
