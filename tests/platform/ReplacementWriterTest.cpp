#include "platform/posix/TempFileReplacementWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace kestrane::platform::posix {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> FileNames(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::ranges::sort(names);
  return names;
}

class ReplacementWriterTest : public testing::Test {
 protected:
  test::TempDir dir_;
  fs::path target_ = dir_.Write("Language", "old\r\n");
};

TEST_F(ReplacementWriterTest, CommitReplacesContentWithCrLfLines) {
  TempFileReplacementWriter writer(target_);
  writer.WriteLine("[BIG5]");
  writer.WriteLine("");
  writer.WriteLine("BIG5Order[0]=$A1A1");
  writer.Commit();
  EXPECT_EQ(test::ReadBytes(target_), "[BIG5]\r\n\r\nBIG5Order[0]=$A1A1\r\n");
  EXPECT_EQ(FileNames(dir_.path()), std::vector<std::string>{"Language"});
}

TEST_F(ReplacementWriterTest, ContentLargerThanTheBufferArrivesWhole) {
  std::string expected;
  {
    TempFileReplacementWriter writer(target_);
    for (int i = 0; i < 40000; ++i) {
      std::string line = "GBOrder[" + std::to_string(i) + "]=$A1A1";
      writer.WriteLine(line);
      expected += line + "\r\n";
    }
    writer.Commit();
  }
  EXPECT_EQ(test::ReadBytes(target_), expected);
}

TEST_F(ReplacementWriterTest, TargetUntouchedAndTempRemovedWithoutCommit) {
  {
    TempFileReplacementWriter writer(target_);
    writer.WriteLine("new");
    EXPECT_EQ(FileNames(dir_.path()).size(), 2u) << "the temporary file sits beside the target";
  }
  EXPECT_EQ(test::ReadBytes(target_), "old\r\n");
  EXPECT_EQ(FileNames(dir_.path()), std::vector<std::string>{"Language"});
}

TEST_F(ReplacementWriterTest, KeepsThePermissionBits) {
  fs::permissions(target_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  TempFileReplacementWriter writer(target_);
  writer.Commit();
  EXPECT_EQ(fs::status(target_).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(ReplacementWriterTest, MissingTargetIsCreated) {
  auto fresh = dir_ / "fresh";
  TempFileReplacementWriter writer(fresh);
  writer.WriteLine("x");
  writer.Commit();
  EXPECT_EQ(test::ReadBytes(fresh), "x\r\n");
}

// What failures say: the path of the file and the reason.
void ExpectIoError(const std::function<void()>& action, const std::string& expected) {
  try {
    action();
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
  }
}

TEST_F(ReplacementWriterTest, ReadOnlyTargetIsRefused) {
  fs::permissions(target_, fs::perms::owner_read | fs::perms::group_read);
  ExpectIoError([&] { TempFileReplacementWriter writer(target_); },
                target_.string() + ": it is read-only");
  EXPECT_EQ(FileNames(dir_.path()), std::vector<std::string>{"Language"});
}

TEST_F(ReplacementWriterTest, MissingFolderFailsAtTheStart) {
  auto target = dir_ / "absent" / "Language";
  ExpectIoError([&] { TempFileReplacementWriter writer(target); }, "No such file or directory");
}

TEST_F(ReplacementWriterTest, FailedRenameRemovesTheTemporaryFile) {
  // A non-empty folder in the target's place lets everything but the rename succeed.
  auto target = dir_ / "busy";
  dir_.Write("busy/inside", "");
  TempFileReplacementWriter writer(target);
  writer.WriteLine("new");
  ExpectIoError([&] { writer.Commit(); }, "cannot rename over " + target.string());
  EXPECT_EQ(FileNames(dir_.path()), (std::vector<std::string>{"Language", "busy"}));
  EXPECT_EQ(FileNames(target), std::vector<std::string>{"inside"});
}

}  // namespace
}  // namespace kestrane::platform::posix
