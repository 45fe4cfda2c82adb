#include "search/filljob.h"

#include <algorithm>

#include "search/wordlists.h"

namespace quotella {

FillRequest WindowFillRequest(std::vector<int> rows, int maxRarity, double seconds,
                              std::uint64_t seed, const WordSources& sources) {
  FillRequest request;
  request.rows = std::move(rows);
  request.maxRarity = maxRarity;
  request.seconds = seconds;
  request.seed = seed;
  request.fills = 8;
  request.minLength = 3;
  for (const auto& list : sources.Lists) request.wordLists.push_back(list.Items.ToVector());
  if (sources.Scored && sources.Scored->Active()) request.scored = sources.Scored;
  return request;
}

FillJob PrepareFill(const PuzzleDocument& doc, const FillRequest& request,
                    const std::string& dictDir) {
  auto dictionary = std::make_shared<AutofillDictionary>(dictDir, &doc.host());
  for (const auto& list : request.wordLists) dictionary->AddListEntries(list);
  dictionary->UseScoredWords(request.scored);
  return PrepareFill(doc, request, std::move(dictionary));
}

FillJob PrepareFill(const PuzzleDocument& doc, const FillRequest& request,
                    std::shared_ptr<AutofillDictionary> dictionary) {
  FillJob job;
  job.rows = request.rows;
  job.dictionary = std::move(dictionary);
  job.problem = MakeRefillProblem(doc, request.rows);
  AutofillOptions& options = job.options;
  PrepareAutofillOptions(doc, options, request.rows);
  options.timeLimit = request.seconds;
  options.seed = request.seed;
  options.solutions = std::max(request.fills, 1);
  options.minLength = request.minLength;
  options.maxLength = request.maxLength;
  const bool limited = request.maxRarity > 0 && request.maxRarity < kAnyRarity;
  job.rarityIgnored = limited && job.dictionary->Sizes().Empty();
  options.maxSize = limited && !job.rarityIgnored ? request.maxRarity : 0;
  return job;
}

AutofillResult RunFill(const FillJob& job, std::stop_token stop,
                       const std::function<void(const AutofillProgress&)>& progress) {
  AutofillResult result =
      RunAutofill(job.problem, job.Source(), job.options, std::move(stop), progress);
  const bool unfilled = result.end == AutofillEnd::NoFill || result.end == AutofillEnd::TimeLimit;
  if (unfilled && job.dictionary->ScoredOnly())
    result.reason =
        result.reason.empty() ? kScoredOnlyReason : result.reason + ". " + kScoredOnlyReason;
  return result;
}

bool FillStillFits(const PuzzleDocument& doc, const FillJob& job) {
  const AutofillProblem now = MakeRefillProblem(doc, job.rows);
  const auto sameSlot = [](const AutofillSlot& a, const AutofillSlot& b) {
    return a.row == b.row && a.initial == b.initial;
  };
  return now.pool == job.problem.pool && now.locked == job.problem.locked &&
         std::equal(now.rowSlots.begin(), now.rowSlots.end(), job.problem.rowSlots.begin(),
                    job.problem.rowSlots.end(), sameSlot);
}

namespace {

bool Named(const FillJob& job, int row) {
  return job.rows.empty() || std::find(job.rows.begin(), job.rows.end(), row) != job.rows.end();
}

}  // namespace

int RowsLaidBy(const FillJob& job, const AutofillFill& fill) {
  int rows = 0;
  for (std::size_t s = 0; s < fill.words.size() && s < job.problem.rowSlots.size(); ++s)
    rows += !fill.words[s].empty() && Named(job, job.problem.rowSlots[s].row);
  return rows;
}

FillLaid LayChosenFill(PuzzleDocument& doc, const FillJob& job, const AutofillFill& fill) {
  if (!FillStillFits(doc, job)) return FillLaid::TableChanged;
  return LayRefill(doc, job.problem, fill, job.rows) ? FillLaid::Laid : FillLaid::Incomplete;
}

FillRequest NextFillRequest(const FillRequest& request, const FillJob& job) {
  FillRequest next = request;
  if (next.rows.empty())
    for (const auto& slot : job.problem.rowSlots) next.rows.push_back(slot.row);
  ++next.seed;
  return next;
}

}  // namespace quotella
