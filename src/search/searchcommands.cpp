#include "search/searchcommands.h"

#include "core/textio.h"
#include "search/scan.h"
#include "search/wordlists.h"

namespace quotella {

std::optional<CandidateSort> SortByName(const std::string& name) {
  if (name == "length") return CandidateSort::Length;
  if (name == "vowels") return CandidateSort::VowelPercent;
  if (name == "problems") return CandidateSort::AllProblems;
  if (name == "primary") return CandidateSort::PrimaryProblems;
  if (name == "rarity") return CandidateSort::Rarity;
  if (name == "score") return CandidateSort::Score;
  return std::nullopt;
}

namespace {

// Reads the request's scored lists into src, reporting each that could not be read or had
// bad lines. False when none could be read.
bool LoadScoredLists(PuzzleDocument& doc, const ScanRequest& request, WordSources& src) {
  auto words = std::make_shared<ScoredWords>();
  words->files = request.scoredFiles;
  words->minScore = request.minScore;
  words->defaultScore = request.defaultScore;
  std::size_t readable = 0;
  for (const auto& message : LoadScoredWords(*words, readable)) doc.host().Message(message);
  src.Scored = std::move(words);
  return readable > 0;
}

// "WORD<tab>SCORE" for each listed candidate.
void AppendScores(const ScoredWords& words, std::vector<std::string>& lines) {
  for (auto& line : lines)
    if (const std::string score = CandidateScoreText(words, line); !score.empty())
      line += "\t" + score;
}

}  // namespace

int RowOfAnswerLabel(const PuzzleDocument& doc, const std::string& label) {
  const std::string wanted = UpperCase(Trim(label));
  for (int r = 0; r < doc.P.NumWords && r < kMaxWords; ++r)
    if (!wanted.empty() && doc.Label(r) == wanted) return r;
  return -1;
}

int RunScan(PuzzleDocument& doc, const ScanRequest& request, const std::string& primaryProblemStr,
            std::vector<std::string>& out) {
  const int row = RowOfAnswerLabel(doc, request.label);
  if (row < 0) {
    doc.host().Message("No answer row " + request.label);
    return 2;
  }
  doc.view().CurRow = row;
  if (request.mustHave || request.minLength || request.maxLength) {
    doc.Conditions.on = true;
    doc.Conditions.mustHave = UpperCase(request.mustHave.value_or(""));
    doc.Conditions.minLength = request.minLength.value_or(0);
    doc.Conditions.maxLength = request.maxLength.value_or(0);
  }

  if (request.statsWord) {
    const CandidateStats stats =
        CandidateStatistics(doc, UpperCase(*request.statsWord), primaryProblemStr);
    out.push_back(stats.vowelOutlook);
    out.insert(out.end(), stats.panels.begin(), stats.panels.end());
    return 0;
  }

  WordSources src;
  src.DictDir = request.dictDir;
  const bool scored = !request.scoredFiles.empty();
  if (scored && !LoadScoredLists(doc, request, src) && request.scanScored) return 1;
  int code = 0;
  bool fitted = false;
  if (!request.listFile.empty()) {
    if (!LoadWordListFile(src, 1, request.listFile, doc.host())) return 1;
    fitted = ScanListCommand(doc, src, 1) > 0;
  } else if (request.scanScored) {
    fitted = ScanScoredLists(doc, src) > 0;
  } else {
    code = ScanDictionaryCommand(doc, src) ? 0 : 1;
    fitted = !(src.Candidates.size() == 1 && src.Candidates[0] == "No candidates found");
  }
  if (fitted && request.sort) SortCandidates(doc, src, *request.sort);
  out = src.Candidates;
  if (fitted && scored) AppendScores(*src.Scored, out);
  return code;
}

int RunProblemSearch(PuzzleDocument& doc, const std::string& dictDir,
                     const ProblemSearchParams& params, std::vector<std::string>& out) {
  WordSources src;
  src.DictDir = dictDir;
  const bool read = FindWordsUsingMostProblemChars(doc, src, params);
  out = src.Candidates;
  return read ? 0 : 1;
}

}  // namespace quotella
