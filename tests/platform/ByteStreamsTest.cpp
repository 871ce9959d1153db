// Files read and written in blocks through the system, and the messages of their failures.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/ByteStreams.h"
#include "support/TempDir.h"

namespace kestrane::platform {
namespace {

std::string ReadAll(ByteSource& source, std::size_t blockSize) {
  std::string text;
  std::string block(blockSize, '\0');
  while (const std::size_t count = source.Read(block.data(), block.size())) {
    EXPECT_LE(count, blockSize);
    text.append(block, 0, count);
  }
  return text;
}

std::string Bytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 256);
  return bytes;
}

TEST(ByteSourceTest, ReadsEveryByteInBlocks) {
  test::TempDir dir;
  const std::string content = Bytes(100000);
  for (const std::size_t blockSize : {1u, 4096u, 65536u, 200000u}) {
    const auto source = OpenByteSource(dir.Write("in", content).string());
    EXPECT_EQ(ReadAll(*source, blockSize), content) << blockSize;
  }
}

TEST(ByteSourceTest, EmptyFileEndsAtOnce) {
  test::TempDir dir;
  const auto source = OpenByteSource(dir.Write("empty", "").string());
  char byte;
  EXPECT_EQ(source->Read(&byte, 1), 0u);
}

TEST(ByteSourceTest, MissingFileNamesPathAndReason) {
  test::TempDir dir;
  const std::string missing = (dir / "absent.txt").string();
  try {
    OpenByteSource(missing);
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(std::string(error.what()), "cannot open " + missing + ": No such file or directory");
  }
}

TEST(ByteSourceTest, ReadFailureNamesPathAndReason) {
  test::TempDir dir;
  const auto source = OpenByteSource(dir.path().string());
  char byte;
  try {
    source->Read(&byte, 1);
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(std::string(error.what()), "cannot read " + dir.path().string() + ": Is a directory");
  }
}

TEST(ByteSourceTest, RemainingSizeOfAFileCountsDownAsItIsRead) {
  test::TempDir dir;
  const auto source = OpenByteSource(dir.Write("in", Bytes(100000)).string());
  EXPECT_EQ(source->RemainingSize(), 100000u);
  std::string block(4096, '\0');
  source->Read(block.data(), block.size());
  EXPECT_EQ(source->RemainingSize(), 100000u - 4096u);
  ReadAll(*source, 65536);
  EXPECT_EQ(source->RemainingSize(), 0u);
}

TEST(ByteSourceTest, RemainingSizeOfWhatIsNoFileIsUnknown) {
  test::TempDir dir;
  for (const std::string& name : {std::string("/dev/zero"), dir.path().string()}) {
    EXPECT_EQ(OpenByteSource(name)->RemainingSize(), std::nullopt) << name;
  }
}

// Room set aside is a hint: the file holds exactly what was written, more or less than that.
TEST(ByteSinkTest, ReservedRoomChangesNothingThatIsWritten) {
  test::TempDir dir;
  const std::string content = Bytes(100000);
  for (const std::uint64_t reserved : {0u, 50000u, 100000u, 1000000u}) {
    const auto file = dir / ("out" + std::to_string(reserved));
    const auto sink = CreateByteSink(file.string());
    sink->Write(content.substr(0, 10));
    sink->Reserve(reserved);
    sink->Write(content.substr(10));
    sink->Close();
    EXPECT_EQ(test::ReadBytes(file), content) << reserved;
    EXPECT_EQ(std::filesystem::file_size(file), content.size()) << reserved;
  }
}

TEST(ByteSinkTest, ReservingOnWhatIsNoFileIsIgnored) {
  const auto sink = CreateByteSink("/dev/null");
  sink->Reserve(1 << 20);
  sink->Write("bytes");
  sink->Close();
}

TEST(ByteSinkTest, WritesEveryByteAndReplacesOldContent) {
  test::TempDir dir;
  const auto file = dir.Write("out", std::string(300000, 'x'));
  const std::string content = Bytes(100000);
  const auto sink = CreateByteSink(file.string());
  sink->Write(content.substr(0, 1));
  sink->Write(content.substr(1, 70000));
  sink->Write(content.substr(70001));
  sink->Close();
  EXPECT_EQ(test::ReadBytes(file), content);
}

TEST(ByteSinkTest, FolderThatDoesNotExistIsAnErrorNamingThePath) {
  test::TempDir dir;
  const std::string target = (dir / "no" / "out").string();
  try {
    CreateByteSink(target);
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(std::string(error.what()), "cannot open " + target + ": No such file or directory");
  }
}

TEST(ByteSinkTest, WriteFailureNamesTheFileAndReason) {
  // /dev/full takes the open but fails every write with "No space left on device".
  const auto sink = CreateByteSink("/dev/full");
  try {
    sink->Write("bytes");
    FAIL() << "no IoError";
  } catch (const IoError& error) {
    EXPECT_EQ(std::string(error.what()), "cannot write /dev/full: No space left on device");
  }
}

}  // namespace
}  // namespace kestrane::platform
