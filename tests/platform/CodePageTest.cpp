#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "support/CaseName.h"

namespace kestrane::platform {
namespace {

struct WideningCase {
  const char* name;
  unsigned codePage;
  std::string bytes;
  std::u16string text;
};

class ToUtf16Test : public testing::TestWithParam<WideningCase> {};

TEST_P(ToUtf16Test, WidensLikeTheWindowsFunctionWithoutFlags) {
  EXPECT_EQ(ToUtf16(GetParam().codePage, GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf16Test,
    testing::Values(WideningCase{"Empty", 936, "", u""},
                    WideningCase{"GB", 936, "a\xD6\xD0z", u"a中z"},
                    WideningCase{"GBEuro", 936, "\x80", u"€"},
                    WideningCase{"BIG5", 950, "\xA4\xA4", u"中"},
                    WideningCase{"BIG5TrailBackslash", 950, "\xA5\x5C\\", u"功\\"},
                    WideningCase{"LoneLeadByteAtEnd", 936, "a\xD6", u"a\uFFFD"},
                    WideningCase{"LeadByteBeforeNonTrail", 950, "\xA1\x30",
                                 u"\uFFFD"
                                 u"0"},
                    WideningCase{"UndefinedPairIsOneCharacter", 950, "\xA3\xC0z", u"\uFFFDz"},
                    WideningCase{"InvalidUtf8", 65001, "\xC3(", u"\uFFFD("},
                    WideningCase{"Utf8Supplementary", 65001, "\xF0\x9F\x98\x80", u"\U0001F600"},
                    WideningCase{"Western", 1252, "caf\xE9 \x80", u"café €"}),
    test::CaseName());

struct NarrowingCase {
  const char* name;
  unsigned codePage;
  std::u16string text;
  std::string bytes;
};

class FromUtf16Test : public testing::TestWithParam<NarrowingCase> {};

TEST_P(FromUtf16Test, NarrowsLikeTheWindowsFunctionWithoutFlags) {
  EXPECT_EQ(FromUtf16(GetParam().codePage, GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FromUtf16Test,
    testing::Values(NarrowingCase{"GB", 936, u"a中z", "a\xD6\xD0z"},
                    NarrowingCase{"BIG5TrailBackslash", 950, u"功", "\xA5\x5C"},
                    NarrowingCase{"TraditionalInGBK", 936, u"這", "\xDF\x40"},
                    NarrowingCase{"SimplifiedNotInBIG5", 950, u"a这b", "a?b"},
                    NarrowingCase{"SurrogatePairIsOneQuestionMark", 936, u"\U0001F600z", "?z"},
                    NarrowingCase{"LoneSurrogate", 936, std::u16string{u'a', 0xD800, u'b'}, "a?b"},
                    NarrowingCase{"LoneSurrogateAtEnd", 936, std::u16string{u'a', 0xD800}, "a?"},
                    NarrowingCase{"NotInWestern", 1252, u"é中", "\xE9?"},
                    NarrowingCase{"Utf8", 65001, u"中", "\xE4\xB8\xAD"}),
    test::CaseName());

TEST(CodePageTest, UnknownCodePageIsAnError) {
  EXPECT_THROW(ToUtf16(4, "a"), std::invalid_argument);
  EXPECT_THROW(Transcoder(4, 936), std::invalid_argument);
}

TEST(CodePageTest, ThreadsConvertIndependently) {
  std::vector<std::thread> threads;
  std::vector<int> failures(4, 0);
  for (std::size_t t = 0; t < failures.size(); ++t) {
    threads.emplace_back([&failures, t] {
      unsigned codePage = t % 2 == 0 ? kCodePageGB : kCodePageBIG5;
      std::string bytes = t % 2 == 0 ? "\xD6\xD0\xCE\xC4" : "\xA4\xA4\xA4\xE5";
      for (int i = 0; i < 2000; ++i) {
        if (ToUtf16(codePage, bytes) != u"中文") ++failures[t];
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(4, 0));
}

// Feeds input in pieces of pieceSize bytes, carrying unconsumed bytes over as a caller must.
std::string ConvertInPieces(Transcoder& transcoder, std::string_view input, std::size_t pieceSize) {
  std::string output;
  std::string pending;
  for (std::size_t at = 0; at < input.size(); at += pieceSize) {
    pending += input.substr(at, pieceSize);
    bool last = at + pieceSize >= input.size();
    pending.erase(0, transcoder.Convert(pending, output, last));
  }
  return output;
}

class TranscoderPiecesTest : public testing::TestWithParam<std::size_t> {};

TEST_P(TranscoderPiecesTest, PiecesOfAnySizeGiveTheWholeConversion) {
  std::string big5 = "A\xA4\xA4\xA4\xE5\xA5\x5C\\B\xA4\xA4";  // A中文功\B中
  Transcoder transcoder(kCodePageBIG5, kCodePageGB);
  EXPECT_EQ(ConvertInPieces(transcoder, big5, GetParam()), "A\xD6\xD0\xCE\xC4\xB9\xA6\\B\xD6\xD0");
}

INSTANTIATE_TEST_SUITE_P(Sizes, TranscoderPiecesTest, testing::Values(1, 2, 3, 5, 64));

TEST(TranscoderTest, KeepsAnIncompleteCharacterForTheNextPiece) {
  Transcoder transcoder(kCodePageBIG5, kCodePageUtf8);
  std::string output;
  EXPECT_EQ(transcoder.Convert("a\xA4", output, false), 1u);
  EXPECT_EQ(output, "a");
}

struct OffsetCase {
  const char* name;
  unsigned from;
  unsigned to;
  std::string input;
  std::size_t offset;
};

class TranscoderErrorTest
    : public testing::TestWithParam<std::tuple<OffsetCase, std::size_t /*pieceSize*/>> {};

TEST_P(TranscoderErrorTest, ReportsTheOffsetInTheWholeStream) {
  const auto& [example, pieceSize] = GetParam();
  Transcoder transcoder(example.from, example.to);
  try {
    ConvertInPieces(transcoder, example.input, pieceSize);
    FAIL() << "no CodePageError";
  } catch (const CodePageError& error) {
    EXPECT_EQ(error.offset(), example.offset) << error.what();
    EXPECT_NE(std::string(error.what()).find("offset " + std::to_string(example.offset)),
              std::string::npos)
        << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TranscoderErrorTest,
    testing::Combine(
        testing::Values(OffsetCase{"InvalidSource", 936, 950, "ab\xD6\xD0\xFF\xD6\xD0", 4},
                        OffsetCase{"NoTargetCharacter", 936, 950, "\xD6\xD0xy\xD5\xE2", 4},
                        OffsetCase{"IncompleteAtEnd", 950, 936, "\xA4\xA4\xA4\xE5\xA4", 4},
                        OffsetCase{"InvalidUtf8", 65001, 936, "abcdefg\x80", 7}),
        testing::Values(1, 3, 100)),
    [](const auto& test) {
      return std::string(std::get<0>(test.param).name) + "_" +
             std::to_string(std::get<1>(test.param));
    });

}  // namespace
}  // namespace kestrane::platform
