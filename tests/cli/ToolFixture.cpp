#include "ToolFixture.h"

#include "support/CoreFixture.h"

namespace kestrane::test {
namespace {

constexpr core::Code kGBQuestionMark = 0xA3BF;
constexpr core::Code kBIG5QuestionMark = 0xA148;

core::Code CodeOf(std::string_view pair) {
  return static_cast<core::Code>(static_cast<std::uint8_t>(pair[0]) << 8 |
                                 static_cast<std::uint8_t>(pair[1]));
}

// A table that maps the characters at the given indexes and ends after the last of them.
std::vector<core::Code> TableOf(const std::vector<std::pair<std::int32_t, core::Code>>& entries,
                                core::Code filler) {
  std::int32_t last = 0;
  for (const auto& entry : entries) last = std::max(last, entry.first);
  std::vector<core::Code> table(static_cast<std::size_t>(last) + 1, filler);
  for (const auto& [index, code] : entries) table[static_cast<std::size_t>(index)] = code;
  return table;
}

}  // namespace

std::vector<core::Code> SmallBIG5Table() {
  return TableOf(
      {{core::BIG5Index(kBIG5Guo), CodeOf(kGBGuo)}, {core::BIG5Index(kBIG5A), CodeOf(kGBA)}},
      kGBQuestionMark);
}

std::vector<core::Code> SmallGBTable() {
  return TableOf({{core::GBIndex(kGBGuo), CodeOf(kBIG5Guo)}, {core::GBIndex(kGBA), CodeOf(kBIG5A)}},
                 kBIG5QuestionMark);
}

ToolFixture::ToolFixture() {
  client_.Write("Language", LanguageText(SmallBIG5Table(), SmallGBTable()));
}

ToolResult ToolFixture::Run(std::vector<std::string> args, std::string input) const {
  args.insert(args.begin(), {"--client-dir", client_.path().string()});
  return RunKestrane({std::move(args), std::move(input), {}});
}

std::string ToolFixture::ReadLanguage() const {
  return ReadBytes(client_ / "Language");
}

}  // namespace kestrane::test
