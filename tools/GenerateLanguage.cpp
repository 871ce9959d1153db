// kestrane-language-gen: makes the default "Language" table from the code pages' own
// character sets (iconv), OpenCC's dictionaries and a word-frequency list.
//
// Usage: kestrane-language-gen OPENCC_DIR WORD_FREQUENCIES LANGUAGE_OUT REPORT_OUT
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

#include "core/TableFile.h"
#include "tools/CandidateVotes.h"
#include "tools/CoverageReport.h"
#include "tools/GeneratedTable.h"
#include "tools/OpenccConfiguration.h"
#include "tools/WeightedWords.h"

namespace {

using namespace kestrane::tools;

struct Arguments {
  std::filesystem::path openccDir;
  std::filesystem::path wordFrequencies;
  std::filesystem::path language;
  std::filesystem::path report;
};

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

// Both directions vote on the same running text: the word list for GB, and for BIG5 the same
// words as OpenCC writes them in traditional characters.
GeneratedTables Generate(const Arguments& arguments, const std::vector<WeightedWord>& words) {
  const OpenccConfiguration toTraditional((arguments.openccDir / "s2tw.json").string());
  const OpenccConfiguration toSimplified((arguments.openccDir / "tw2s.json").string());
  const auto traditionalWords = CandidateVotes::ConvertWords(words, toTraditional);
  const auto simplifiedWords = CandidateVotes::ConvertWords(traditionalWords, toSimplified);
  return {BuildTable(kGBtoBIG5, toTraditional, CandidateVotes(words, traditionalWords)),
          BuildTable(kBIG5toGB, toSimplified, CandidateVotes(traditionalWords, simplifiedWords))};
}

int Run(const Arguments& arguments) {
  const auto words = ReadWordFrequencies(arguments.wordFrequencies);
  const auto tables = Generate(arguments, words);
  const Sources sources{KESTRANE_OPENCC_VERSION, arguments.wordFrequencies.string(), words.size()};
  const auto summary = SummaryText(sources, tables);
  WriteFile(arguments.language,
            kestrane::core::TableFileText(tables.big5ToGB.codes, tables.gbToBIG5.codes));
  WriteFile(arguments.report, summary + ChoicesText(tables));
  std::cout << summary;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: kestrane-language-gen OPENCC_DIR WORD_FREQUENCIES LANGUAGE_OUT "
                 "REPORT_OUT\n";
    return 2;
  }
  try {
    return Run({argv[1], argv[2], argv[3], argv[4]});
  } catch (const std::exception& error) {
    std::cerr << "kestrane-language-gen: " << error.what() << '\n';
    return 1;
  }
}
