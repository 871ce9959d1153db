#include "tools/CoverageReport.h"

#include <algorithm>
#include <sstream>

#include "core/TableFile.h"
#include "tools/RoundTrip.h"

namespace kestrane::tools {
namespace {

constexpr const char* kRule =
    "Each slot's character (decoded with iconv) gets the forms OpenCC's character dictionaries\n"
    "offer for it, in OpenCC's order. Of those the target code page holds, the one OpenCC\n"
    "writes most often for the character when it converts the word list, each word counted by\n"
    "its frequency, wins; the earlier one on a tie. BIG5 to GB counts the same words, first\n"
    "converted to traditional characters. A character none of whose forms the target holds\n"
    "keeps itself when the target holds that; otherwise, as for a code without a character,\n"
    "the slot gets the fullwidth question mark of the target.\n"
    "Rebuild with: cmake --build BUILD --target regenerate-language\n";

std::size_t CountKind(const GeneratedTable& table, SlotKind kind) {
  return static_cast<std::size_t>(std::count(table.kinds.begin(), table.kinds.end(), kind));
}

void WriteCount(std::ostringstream& out, const std::string& label, std::size_t count) {
  constexpr std::size_t kColumn = 40;
  out << "  " << label << std::string(label.size() < kColumn ? kColumn - label.size() : 1, ' ')
      << count << '\n';
}

void WriteRoundTrip(std::ostringstream& out, const RoundTrip& trip) {
  out << "  round trip: " << trip.convertedReturned << " of " << trip.converted
      << " converted characters and " << trip.itselfReturned << " of " << trip.itself
      << " kept ones come back to themselves\n";
}

void WriteDirection(std::ostringstream& out, const TableDirection& direction,
                    const GeneratedTable& forward, const GeneratedTable& backward) {
  const std::size_t itself = CountKind(forward, SlotKind::Itself);
  const std::size_t noSource = CountKind(forward, SlotKind::NoSourceCharacter);
  const std::size_t noTarget = CountKind(forward, SlotKind::NoTargetCharacter);
  out << '\n' << direction.name << " (" << forward.codes.size() << " slots)\n";
  WriteCount(out, "a real character", CountKind(forward, SlotKind::Converted) + itself);
  WriteCount(out, "  itself", itself);
  WriteCount(out, "the replacement " + core::CodeToHex(direction.replacement), noSource + noTarget);
  WriteCount(out, "  no character at the source code", noSource);
  WriteCount(out, "  no form in the target", noTarget);
  WriteCount(out, "choices among several forms", forward.choices.size());
  WriteRoundTrip(out, CountRoundTrips(direction, forward, backward));
}

void WriteChoices(std::ostringstream& out, const TableDirection& direction,
                  const GeneratedTable& table) {
  out << "\nChoices, " << direction.name << " (source code, character -> form taken; votes)\n";
  for (const auto& choice : table.choices) {
    out << core::CodeToHex(choice.source) << ' ' << choice.character << " -> "
        << choice.candidates[choice.chosen].character << ';';
    for (const auto& candidate : choice.candidates) {
      out << ' ' << candidate.character << ' ' << candidate.votes;
    }
    out << '\n';
  }
}

}  // namespace

std::string SummaryText(const Sources& sources, const GeneratedTables& tables) {
  std::ostringstream out;
  out << "Default \"Language\" table, made by kestrane-language-gen from OpenCC "
      << sources.openccVersion << " (s2tw, tw2s)\nand the word frequencies "
      << sources.wordFrequencies << " (" << sources.wordCount << " words).\n\n"
      << kRule;
  WriteDirection(out, kGBtoBIG5, tables.gbToBIG5, tables.big5ToGB);
  WriteDirection(out, kBIG5toGB, tables.big5ToGB, tables.gbToBIG5);
  return out.str();
}

std::string ChoicesText(const GeneratedTables& tables) {
  std::ostringstream out;
  WriteChoices(out, kGBtoBIG5, tables.gbToBIG5);
  WriteChoices(out, kBIG5toGB, tables.big5ToGB);
  return out.str();
}

}  // namespace kestrane::tools
