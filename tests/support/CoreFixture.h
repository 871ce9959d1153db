// A test fixture for the core: a client folder of its own, recorded messages, and tables that
// start never loaded and are released again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CodeIndex.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"

namespace kestrane::test {

// The table file text for the tables, as the product writes it.
std::string LanguageText(const std::vector<core::Code>& big5, const std::vector<core::Code>& gb);

class CoreFixture : public testing::Test {
 protected:
  CoreFixture();
  ~CoreFixture() override;

  // Writes "Language" into the client folder.
  void WriteLanguage(const std::string& text) const;
  void WriteTables(const std::vector<core::Code>& big5, const std::vector<core::Code>& gb) const;
  std::string ReadLanguage() const;

  TempDir dir_;
  RecordingPlatform platform_;
};

}  // namespace kestrane::test
