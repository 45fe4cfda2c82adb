#include "cli/engine_args.h"

#include <iostream>

#include "cli/command.h"
#include "cli/wordsearch_support.h"
#include "core/construction.h"

namespace quotella::cli {

std::optional<EngineArgs> ParseEngineArgs(const std::string& command,
                                          const std::vector<std::string>& args,
                                          const std::set<std::string>& flags,
                                          const std::set<std::string>& valued) {
  EngineArgs result;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (k >= optionsEnd) {
      if (k > optionsEnd) result.positional.push_back(a);
      continue;
    }
    if (valued.count(a) != 0) {
      if (k + 1 >= args.size()) {
        UsageError(command, a + " needs a value");
        return std::nullopt;
      }
      result.values[a].push_back(args[++k]);
    } else if (flags.count(a) != 0) {
      result.flags.insert(a);
    } else if (a.size() > 1 && a[0] == '-') {
      UsageError(command, "unknown option " + a);
      return std::nullopt;
    } else {
      result.positional.push_back(a);
    }
  }
  return result;
}

bool LoadEnginePuzzle(CliPuzzle& puzzle, const EngineArgs& args, const std::string& command) {
  const std::string quote = args.Value("--quote");
  if (!quote.empty()) {
    InitPuzzleDefaults(puzzle.doc);
    ResetPuzzle(puzzle.doc);
    if (QuotesEditorDblClick(puzzle.doc, TextArg(quote)) != DblClickResult::Made) {
      std::cerr << "quotella-cli: " << command << ": no puzzle can be made of that line\n";
      return false;
    }
    return true;
  }
  return LoadForCommand(puzzle, args.positional.front());
}

namespace {

// A score option's value; nullopt (after the usage error) when it is not 0-100.
std::optional<int> ScoreOption(const EngineArgs& args, const std::string& command,
                               const std::string& option, int fallback) {
  const std::string v = args.Value(option);
  if (v.empty()) return fallback;
  const auto n = IntArg(v, kMinWordScore, kMaxWordScore);
  if (!n) UsageError(command, option + " takes a whole number from 0 to 100");
  return n;
}

}  // namespace

ScoredArgs ReadScoredArgs(const EngineArgs& args, const std::string& command) {
  ScoredArgs result;
  const auto files = args.values.find("--scored");
  const bool named = files != args.values.end();
  const bool scoreOptions = !args.Value("--min-score").empty() ||
                            !args.Value("--default-score").empty() || args.Has("--no-dictionary");
  if (!named && scoreOptions) {
    result.failure =
        UsageError(command, "--min-score, --default-score and --no-dictionary need --scored LIST");
    return result;
  }
  if (!named) return result;
  auto words = std::make_shared<ScoredWords>();
  const auto minScore = ScoreOption(args, command, "--min-score", kDefaultMinScore);
  const auto defaultScore = ScoreOption(args, command, "--default-score", kDefaultListScore);
  if (!minScore || !defaultScore) {
    result.failure = 2;
    return result;
  }
  words->files = files->second;
  words->minScore = *minScore;
  words->defaultScore = *defaultScore;
  words->dictionaryAllowed = !args.Has("--no-dictionary");
  for (const auto& message : LoadScoredWords(*words))
    std::cerr << "quotella-cli: " << message << "\n";
  if (!words->dictionaryAllowed && words->table.Empty()) {
    std::cerr << "quotella-cli: " << command
              << ": no scored word could be read, and --no-dictionary leaves nothing to fill "
                 "with\n";
    result.failure = 1;
    return result;
  }
  result.scored = std::move(words);
  return result;
}

}  // namespace quotella::cli
