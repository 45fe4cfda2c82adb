#include <iostream>

#include "cli/command.h"
#include "cli/state_report.h"
#include "cli/wordsearch_support.h"
#include "search/rarity.h"
#include "search/wordlists.h"

namespace quotella::cli {
namespace {

int RunRarity(const std::vector<std::string>& args) {
  std::string dictArg;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dict" && i + 1 < args.size()) {
      dictArg = args[++i];
    } else {
      return UsageError("rarity", "unexpected argument '" + args[i] + "'");
    }
  }
  CliHost host(false, true);  // a letter file that cannot be read is named on stderr
  const std::string dir = CommandDictDir(dictArg);
  LetterCounts counts{};
  std::vector<std::string> log;
  if (!GetDictWordCounts(dir, counts, log, host)) return 1;

  Tpuzzle p;
  RarityColors colors;
  log.clear();
  InitRarityColors(p, counts, colors, log, host);

  static const char* const kBandNames[] = {"red", "yellow", "sky blue", "money green"};
  std::cout << "Dictionary: " << dir << "\n";
  for (char c = 'A'; c <= 'Z'; ++c)
    std::cout << c << " " << counts[static_cast<std::size_t>(LetterIndex(c))] << " "
              << kBandNames[static_cast<int>(colors.Of(c))] << "\n";
  for (int band = 0; band < 4; ++band) {
    std::cout << kBandNames[band] << ":";
    for (char c : p.RarityOrder)
      if (static_cast<int>(colors.Of(c)) == band) std::cout << " " << c;
    std::cout << "\n";
  }
  return 0;
}

const Registration reg{
    {"rarity",
     "  quotella-cli rarity [--dict DIR]\n"
     "      words per initial in the dictionary's letter files and the four rarity colour\n"
     "      bands (red = rarest: fill these rows first)",
     RunRarity}};

}  // namespace
}  // namespace quotella::cli
