#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "clues/wordnet.h"

namespace quotella::cli {
namespace {

nlohmann::json DefinitionJson(const Definition& d) {
  nlohmann::json j;
  j["word"] = d.word;
  j["baseForms"] = d.baseForms;
  j["senses"] = nlohmann::json::array();
  for (const Sense& s : d.senses)
    j["senses"].push_back({{"partOfSpeech", PartName(s.pos)},
                           {"lemma", s.lemma},
                           {"gloss", s.gloss},
                           {"synonyms", s.synonyms},
                           {"examples", s.examples}});
  if (!d.problem.empty()) j["problem"] = d.problem;
  return j;
}

void PrintDefinition(const Definition& d) {
  std::string header = d.word;
  if (!d.baseForms.empty() && d.baseForms.front() != d.word)
    header += " (" + d.baseForms.front() + ")";
  PrintLine(std::cout, header);
  int n = 0;
  for (const Sense& s : d.senses) {
    PrintLine(std::cout, std::to_string(++n) + ". " + PartName(s.pos) + ": " + s.gloss);
    if (!s.synonyms.empty()) {
      std::string line = "   synonyms: ";
      for (std::size_t i = 0; i < s.synonyms.size(); ++i) line += (i ? ", " : "") + s.synonyms[i];
      PrintLine(std::cout, line);
    }
    for (const std::string& e : s.examples) PrintLine(std::cout, "   \"" + e + "\"");
  }
}

int RunDefine(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("define", args, {}, false);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("define", "define takes one word");
  const Definition d = WordNet().Define(TextArg(a->positional[0]));
  if (a->Has("--json")) std::cout << DefinitionJson(d).dump(2) << "\n";
  if (!d.problem.empty()) {
    PrintLine(std::cerr, "quotella-cli: " + d.problem);
    return 1;
  }
  if (d.senses.empty()) {
    PrintLine(std::cerr, "quotella-cli: WordNet has no entry for '" + a->positional[0] + "'");
    return 1;
  }
  if (!a->Has("--json")) PrintDefinition(d);
  return 0;
}

const Registration reg{
    {"define",
     "  quotella-cli define WORD [--json]\n"
     "      the senses of WORD from WordNet (inflected forms through their base form):\n"
     "      part of speech, gloss, synonyms, examples; exit 1 when WordNet has no entry\n"
     "      or its database is missing",
     RunDefine}};

}  // namespace
}  // namespace quotella::cli
