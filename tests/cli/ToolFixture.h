// A client folder with a small table file of its own, and the tool run against it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KestraneProcess.h"
#include "core/CodeIndex.h"
#include "support/TempDir.h"

namespace kestrane::test {

// GB 国 (B9 FA) and BIG5 國 (B0 EA), GB 啊 (B0 A1) and BIG5 啊 (A4 A4): each maps to the other.
inline constexpr std::string_view kGBGuo = "\xB9\xFA";
inline constexpr std::string_view kBIG5Guo = "\xB0\xEA";
inline constexpr std::string_view kGBA = "\xB0\xA1";
inline constexpr std::string_view kBIG5A = "\xA4\xA4";

// The tables of the small table file: each ends just after the last character above, and
// every other slot holds the fullwidth question mark of the target encoding.
std::vector<core::Code> SmallBIG5Table();
std::vector<core::Code> SmallGBTable();

class ToolFixture : public testing::Test {
 protected:
  ToolFixture();

  // Runs the tool with "--client-dir" naming the client folder before the arguments.
  ToolResult Run(std::vector<std::string> args, std::string input = {}) const;

  std::string ReadLanguage() const;

  TempDir client_;
};

}  // namespace kestrane::test
