#include "app/search/workerscans.h"

#include <QString>
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/search/backgroundwork.h"
#include "core/document.h"
#include "core/documentstate.h"
#include "search/fillalternatives.h"
#include "search/filljob.h"
#include "search/rarity.h"
#include "search/sorts.h"
#include "search/wordlists.h"

namespace quotella {

namespace {

bool SameList(const WordList& a, const WordList& b) {
  return a.FileName == b.FileName && a.Items == b.Items && a.Notes == b.Notes &&
         a.Unlisted == b.Unlisted;
}

bool SameLists(const std::array<WordList, 4>& a, const std::array<WordList, 4>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), SameList);
}

// True while the document's puzzle is still `state`.
std::function<bool()> WhilePuzzleIs(const PuzzleDocument& doc,
                                    std::shared_ptr<const DocumentState> state) {
  return [&doc, state = std::move(state)] {
    return DocumentState::Capture(doc, {}, state.get()).SamePuzzle(*state);
  };
}

}  // namespace

void WorkerScans::FindProblemWords(BackgroundWork& work, PuzzleDocument& doc, WordSources& sources,
                                   const ProblemSearchParams& params, std::function<void()> shown) {
  auto state = std::make_shared<const DocumentState>(DocumentState::Capture(doc, {}));
  auto stillCurrent = [&doc, &sources, state, candidates = sources.Candidates] {
    return sources.Candidates == candidates &&
           DocumentState::Capture(doc, {}, state.get()).SamePuzzle(*state);
  };
  BackgroundWork::Job job = [&sources, state, copy = sources, params,
                             shown = std::move(shown)](Host& host) mutable {
    PuzzleDocument scratch(host);
    state->Restore(scratch, {});
    FindWordsUsingMostProblemChars(scratch, copy, params);
    return BackgroundWork::Apply([&sources, found = std::move(copy), shown] {
      sources.Candidates = found.Candidates;
      sources.List(1) = found.List(1);
      sources.Pane = found.Pane;
      sources.ListLabelVisible = found.ListLabelVisible;
      if (shown) shown();
    });
  };
  work.Start(QStringLiteral("Finding words using most problem letters"), std::move(job),
             std::move(stillCurrent));
}

void WorkerScans::PrepareAutofill(BackgroundWork& work, const PuzzleDocument& doc,
                                  const FillRequest& request, const std::string& dictDir,
                                  std::function<void(std::shared_ptr<FillJob>)> ready) {
  auto state = std::make_shared<const DocumentState>(DocumentState::Capture(doc, {}));
  BackgroundWork::Job job = [state, request, dictDir, ready = std::move(ready)](Host& host) {
    PuzzleDocument scratch(host);
    state->Restore(scratch, {});
    auto fill = std::make_shared<FillJob>(PrepareFill(scratch, request, dictDir));
    return BackgroundWork::Apply([fill, ready] { ready(fill); });
  };
  // The fill is checked against the table when it is laid: the job always goes on.
  work.Start(QStringLiteral("Autofill: reading the dictionary"), std::move(job), nullptr);
}

void WorkerScans::FindOtherAnswers(BackgroundWork& work, const PuzzleDocument& doc, int row,
                                   const FillRequest& request, const std::string& dictDir,
                                   SearchDeadline::Clock clock,
                                   std::function<void(std::vector<AutofillAlternative>)> found) {
  auto state = std::make_shared<const DocumentState>(DocumentState::Capture(doc, {}));
  auto stillCurrent = WhilePuzzleIs(doc, state);
  BackgroundWork::Job job = [state, row, request, dictDir, clock = std::move(clock),
                             found = std::move(found)](Host& host) -> BackgroundWork::Apply {
    PuzzleDocument scratch(host);
    state->Restore(scratch, {});
    FillJob fill = PrepareFill(scratch, request, dictDir);
    if (host.ProcessPendingEvents()) return {};  // Esc while the dictionary was read
    if (clock) fill.options.clock = clock;
    auto answers = OtherAnswers(scratch, row, fill.Source(), fill.options);
    return [found, answers = std::move(answers)] { found(answers); };
  };
  work.Start(QStringLiteral("Finding other answers"), std::move(job), std::move(stillCurrent));
}

void WorkerScans::LoadWordList(BackgroundWork& work, WordSources& sources, int n,
                               const std::string& path, TakeLists take) {
  auto before = std::make_shared<const WordList>(sources.List(n));
  BackgroundWork::Job job = [&sources, n, path, dir = sources.ProgramDir,
                             take = std::move(take)](Host& host) -> BackgroundWork::Apply {
    auto scratch = std::make_shared<WordSources>();
    scratch->ProgramDir = dir;
    if (!LoadWordListFile(*scratch, n, path, host)) return {};
    return [&sources, n, scratch, take] {
      take([&sources, n, scratch] {
        sources.List(n) = std::move(scratch->List(n));
        sources.Pane = scratch->Pane;
        UpdateListLabel(sources, n);
      });
    };
  };
  work.Start(QStringLiteral("Reading word list %1").arg(n), std::move(job),
             [&sources, n, before] { return SameList(sources.List(n), *before); });
}

void WorkerScans::ReloadWordLists(BackgroundWork& work, WordSources& sources, TakeLists take) {
  auto before = std::make_shared<const std::array<WordList, 4>>(sources.Lists);
  BackgroundWork::Job job = [&sources, before, dir = sources.ProgramDir,
                             take = std::move(take)](Host&) -> BackgroundWork::Apply {
    auto scratch = std::make_shared<WordSources>();
    scratch->ProgramDir = dir;
    scratch->Lists = *before;
    quotella::ReloadWordLists(*scratch);
    return [&sources, scratch, take] {
      take([&sources, scratch] { sources.Lists = std::move(scratch->Lists); });
    };
  };
  work.Start(QStringLiteral("Reading the word lists"), std::move(job),
             [&sources, before] { return SameLists(sources.Lists, *before); });
}

void WorkerScans::ReadHeuristicLists(BackgroundWork& work, const PuzzleDocument& doc,
                                     HeuristicReading reading, LetterFileReader read,
                                     std::function<void(HeuristicListsRead)> done) {
  auto state = std::make_shared<const DocumentState>(DocumentState::Capture(doc, {}));
  auto stillCurrent = WhilePuzzleIs(doc, state);
  BackgroundWork::Job job = [reading = std::move(reading), read = std::move(read),
                             done = std::move(done)](Host& host) {
    auto lists =
        std::make_shared<HeuristicListsRead>(quotella::ReadHeuristicLists(reading, host, read));
    return BackgroundWork::Apply([lists, done] { done(std::move(*lists)); });
  };
  work.Start(QStringLiteral("Preparing Lists"), std::move(job), std::move(stillCurrent));
}

void WorkerScans::CountDictionary(BackgroundWork& work, PuzzleDocument& doc, WordSources& sources,
                                  RarityColors& colors, std::function<void()> coloured) {
  if (colors.recountDone) return;
  const std::string dir = sources.DictionaryDir();
  BackgroundWork::Job job = [&doc, &sources, &colors, dir, counts = sources.DictWordCounts,
                             coloured = std::move(coloured)](Host& host) mutable {
    std::vector<std::string> log{"Finding word counts from Dictionary files"};
    const bool counted = GetDictWordCounts(dir, counts, log, host);
    return BackgroundWork::Apply([&doc, &sources, &colors, counts, log, counted, coloured] {
      sources.ProgressLog = log;
      if (!counted || colors.recountDone) return;
      sources.DictWordCounts = counts;
      AssignDictRarityColors(doc, sources, colors);
      if (coloured) coloured();
    });
  };
  work.Start(QStringLiteral("Counting the dictionary's words"), std::move(job),
             [&sources, dir] { return sources.DictionaryDir() == dir; });
}

}  // namespace quotella
