#include <iostream>

#include "cli/command.h"
#include "cli/wordsearch_support.h"
#include "search/searchcommands.h"

namespace quotella::cli {
namespace {

const char* const kUsage =
    "  quotella-cli scan (P.qtl | --quote \"<author@work@quotation>\") LABEL\n"
    "                    [--dict DIR | --list FILE] [--must LETTERS] [--min N] [--max N]\n"
    "                    [--scored LIST]... [--min-score N] [--default-score N]\n"
    "                    [--sort length|vowels|problems|primary|rarity|score] [--stats WORD]\n"
    "      the candidates for answer row LABEL, one per line, in the order the program\n"
    "      shows them (or its explanatory lines); --must, --min and --max switch the\n"
    "      conditions on; --stats prints the statistics of WORD as a candidate.\n"
    "      --scored names a scored word list (WORD;SCORE lines; may be given more than\n"
    "      once): each listed candidate is followed by a tab and its score, and without\n"
    "      --dict or --list the scan takes the lists' words scoring at least --min-score\n"
    "      (0-100, default 50), best first; a word alone on its line scores\n"
    "      --default-score (default 50)";

// The scored-list options of the scan, checked against each other; an error text when
// they do not go together.
std::string CheckScoredOptions(const ScanRequest& request, bool scoreOptionGiven) {
  if (request.scoredFiles.empty() && scoreOptionGiven)
    return "--min-score and --default-score need --scored";
  if (request.scoredFiles.empty() && request.sort == CandidateSort::Score)
    return "--sort score needs --scored";
  return {};
}

int RunScanCommand(const std::vector<std::string>& args) {
  ScanRequest request;
  std::string quote;
  std::string dictArg;
  bool scoreOptionGiven = false;
  std::vector<std::string> positional;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i >= optionsEnd) {
      if (i > optionsEnd) positional.push_back(a);
      continue;
    }
    const bool hasValue = i + 1 < args.size();
    if (a.size() > 2 && a.rfind("--", 0) == 0 && !hasValue)
      return UsageError("scan", a + " needs a value");
    if (a == "--quote") {
      quote = args[++i];
    } else if (a == "--dict") {
      dictArg = args[++i];
    } else if (a == "--list") {
      request.listFile = args[++i];
    } else if (a == "--must") {
      request.mustHave = TextArg(args[++i]);
    } else if (a == "--min" || a == "--max") {
      const auto n = IntArg(args[++i], 0, 52);
      if (!n) return UsageError("scan", a + " takes a whole number from 0 to 52");
      (a == "--min" ? request.minLength : request.maxLength) = *n;
    } else if (a == "--scored") {
      request.scoredFiles.push_back(args[++i]);
    } else if (a == "--min-score" || a == "--default-score") {
      const auto n = IntArg(args[++i], kMinWordScore, kMaxWordScore);
      if (!n) return UsageError("scan", a + " takes a whole number from 0 to 100");
      (a == "--min-score" ? request.minScore : request.defaultScore) = *n;
      scoreOptionGiven = true;
    } else if (a == "--sort") {
      request.sort = SortByName(args[++i]);
      if (!request.sort) return UsageError("scan", "unknown sort '" + args[i] + "'");
    } else if (a == "--stats") {
      request.statsWord = TextArg(args[++i]);
    } else if (a.size() > 1 && a[0] == '-') {
      return UsageError("scan", "unknown option '" + a + "'");
    } else {
      positional.push_back(a);
    }
  }
  // The puzzle file comes first unless the puzzle is made from --quote.
  const std::size_t wanted = quote.empty() ? 2 : 1;
  if (positional.size() != wanted)
    return UsageError("scan", quote.empty() ? "give a puzzle file and an answer row label"
                                            : "give one answer row label");
  const std::string path = quote.empty() ? positional[0] : std::string();
  if (!dictArg.empty() && !request.listFile.empty())
    return UsageError("scan", "--dict and --list exclude each other");
  if (const std::string problem = CheckScoredOptions(request, scoreOptionGiven); !problem.empty())
    return UsageError("scan", problem);
  request.scanScored = !request.scoredFiles.empty() && dictArg.empty() && request.listFile.empty();
  request.label = positional.back();
  request.dictDir = CommandDictDir(dictArg);

  CliPuzzle puzzle(false);
  if (!LoadSearchPuzzle(puzzle, path, quote)) return 1;
  std::vector<std::string> out;
  const int code = RunScan(puzzle.doc, request, puzzle.doc.PrimaryProblemStr, out);
  for (const auto& line : out) PrintLine(std::cout, line);
  return code;
}

const Registration reg{{"scan", kUsage, RunScanCommand}};

}  // namespace
}  // namespace quotella::cli
