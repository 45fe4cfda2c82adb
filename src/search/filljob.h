#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "core/document.h"
#include "search/autofill.h"
#include "search/autofillsource.h"

namespace quotella {

// The rarest SCOWL size the bundled dictionary holds: a limit this high leaves no word out.
inline constexpr int kAnyRarity = 70;

// What one fill is asked to do, however it was asked (the Autofill dialog, Fill Again, the
// command line).
struct FillRequest {
  std::vector<int> rows;       // table rows to fill anew; empty: every empty row
  int maxRarity = kAnyRarity;  // rarest SCOWL size proposed: 50, 60 or 70 (any word)
  double seconds = 10.0;       // time limit; 0: none
  std::uint64_t seed = 1;      // same seed, same fill
  int fills = 8;               // distinct fills wanted, best first
  int minLength = 3;           // whole word; 0: no limit
  int maxLength = 0;           // 0: no limit
  std::vector<std::vector<std::string>> wordLists;  // entries of the user's word lists
  std::shared_ptr<const ScoredWords> scored;        // the constructor's scored lists; null: none
};

struct WordSources;

// The request the window's Autofill, Fill Again and row fill make: eight fills (Fill Again
// lays the next ones in rank), answers of three letters or more, the entries of the four
// word lists first, and the scored lists the settings name.
FillRequest WindowFillRequest(std::vector<int> rows, int maxRarity, double seconds,
                              std::uint64_t seed, const WordSources& sources);

// A request made ready to run. The dictionary is shared so that a search in a worker can
// keep it for as long as it runs.
struct FillJob {
  std::vector<int> rows;  // the request's rows: only these are laid (all slots when empty)
  AutofillProblem problem;
  AutofillOptions options;
  std::shared_ptr<AutofillDictionary> dictionary;
  // The dictionary has no familiarity file, so a rarity limit cannot tell common words from
  // rare ones: it is left out rather than leaving no word to fill with.
  bool rarityIgnored = false;

  AutofillWordSource Source() const { return dictionary->Source(); }
};

// The slots are the empty rows and the named rows (whose letters go back to the pool for the
// search); the options avoid the words the other rows hold and the quotation's words. The
// word lists and the scored lists are read into the dictionary of `dictDir`.
FillJob PrepareFill(const PuzzleDocument& doc, const FillRequest& request,
                    const std::string& dictDir);
// The same with a dictionary already read, shared with other jobs (its word lists stay as
// they are; the request's lists are not added).
FillJob PrepareFill(const PuzzleDocument& doc, const FillRequest& request,
                    std::shared_ptr<AutofillDictionary> dictionary);

// Why a fill from the scored lists alone may find nothing.
inline constexpr const char* kScoredOnlyReason =
    "Words come only from the scored word lists: the dictionary is not used";

// Runs the job's search. When it ends without a fill and the job draws on the scored lists
// alone, the result's reason says so.
AutofillResult RunFill(const FillJob& job, std::stop_token stop = {},
                       const std::function<void(const AutofillProgress&)>& progress = {});

// The answer table still has the rows and the pool the job was prepared from.
bool FillStillFits(const PuzzleDocument& doc, const FillJob& job);

// How many rows laying this (possibly partial) fill would change.
int RowsLaidBy(const FillJob& job, const AutofillFill& fill);

enum class FillLaid {
  Laid,          // every word of the fill went in
  Incomplete,    // some word did not go in
  TableChanged,  // the table moved on since the job was prepared: nothing was laid
};

// Lays a chosen fill (or a partial fill, "" leaving a slot empty): the named rows give their
// words back first; only they are laid, or every slot when the request named none.
FillLaid LayChosenFill(PuzzleDocument& doc, const FillJob& job, const AutofillFill& fill);

// The request behind "Fill Again": the rows the last fill covered, with the next seed.
FillRequest NextFillRequest(const FillRequest& request, const FillJob& job);

}  // namespace quotella
