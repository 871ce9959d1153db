// Client paths as a registry may hold them: very long, relative, or ending in a double-byte
// character whose trail byte is the backslash byte. The table file is found where the path
// leads, or reported missing; nothing crashes and the tables stay as they were.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "NativeHostFixture.h"
#include "core/Messages.h"
#include "core/TableFile.h"
#include "core/Tables.h"
#include "support/CaseName.h"

namespace kestrane::core {
namespace {

struct ClientPathCase {
  const char* name;
  const char* codePage;
  // The ClientPath value (UTF-8), given the fixture's folder; and the folder, relative to the
  // fixture's one, that holds the table file, or nothing.
  std::string (*clientPath)(const std::string& root);
  std::string folder;
};

void PrintTo(const ClientPathCase& pathCase, std::ostream* out) {
  *out << pathCase.name;
}

// 60 nested folders: over 1000 bytes of path.
std::string DeepFolder(char separator) {
  std::string folder = "deep";
  for (int level = 0; level < 60; ++level) {
    folder += separator + std::string("folder-of-level-") + std::to_string(level);
  }
  return folder;
}

class ClientPathTest : public test::NativeHostFixture,
                       public testing::WithParamInterface<ClientPathCase> {};

TEST_P(ClientPathTest, FindsTheTableFileWhereThePathLeads) {
  const test::ScopedEnv codePage("KESTRANE_ACP", GetParam().codePage);
  WriteTables("client", {0x1111}, {0x2222});
  ASSERT_TRUE(LoadLanguage());
  if (!GetParam().folder.empty()) WriteTables(GetParam().folder, {0x3333}, {0x4444});
  WriteHostKey(GetParam().clientPath(dir_.path().string()));

  const bool found = LoadLanguage();
  EXPECT_EQ(found, !GetParam().folder.empty());
  if (found) {
    EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x3333});
    EXPECT_EQ(LanguagePath().back(), '\\');
  } else {
    EXPECT_EQ(platform_.TakeMessages(), std::vector<std::string>{std::string(kLanguageNotFound)});
    EXPECT_EQ(GetBIG5Table(), std::vector<Code>{0x1111});
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ClientPathTest,
    testing::Values(
        ClientPathCase{"veryLong", "936",
                       [](const std::string& root) { return root + "\\" + DeepFolder('\\'); },
                       DeepFolder('/')},
        ClientPathCase{"longerThanTheSystemTakes", "936",
                       [](const std::string& root) { return root + "\\" + std::string(5000, 'a'); },
                       ""},
        ClientPathCase{"relative", "936", [](const std::string&) -> std::string { return "here"; },
                       "here"},
        ClientPathCase{"relativeToTheCurrentFolder", "936",
                       [](const std::string&) -> std::string { return ".\\here\\"; }, "here"},
        // 功 is A5 5C in BIG5 and 乗 is 81 5C in GBK: the 5C is part of the character, so the
        // reader still adds a separator.
        ClientPathCase{"endsInABIG5CharacterWithBackslashTrail", "950",
                       [](const std::string& root) { return root + "\\功"; }, "功"},
        ClientPathCase{"endsInAGBKCharacterWithBackslashTrail", "936",
                       [](const std::string& root) { return root + "\\乗"; }, "乗"},
        ClientPathCase{"endsInGBCharacters", "936",
                       [](const std::string& root) { return root + "\\中文"; }, "中文"},
        ClientPathCase{"endsInASeparator", "936",
                       [](const std::string& root) { return root + "\\here\\"; }, "here"}),
    test::CaseName());

}  // namespace
}  // namespace kestrane::core
