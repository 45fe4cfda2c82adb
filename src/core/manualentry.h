#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/linestore.h"

namespace quotella {

inline constexpr const char* kManualEntryCaption = "Manual Entry Form";
inline constexpr const char* kManualEntryHeading = "QUOTE DATA - MANUAL ENTRY";
inline constexpr const char* kManualEntryQuoteLabel = "Type in your Quote in the Box below";
inline constexpr const char* kManualEntryAuthorLabel = "Type in the Author's name";
inline constexpr const char* kManualEntryWorkLabel = "Type in the name of the Work";
inline constexpr const char* kMakePuzzleButtonCaption = "MAKE PUZZLE NOW";
inline constexpr const char* kManualExitButtonCaption = "EXIT WITHOUT MAKING PUZZLE";
inline constexpr const char* kAddQuoteButtonCaption = "ADD THIS QUOTE TO THE QUOTES FILE";
inline constexpr const char* kClearButtonCaption = "CLEAR";

// The manual-entry window as data: the quotation box, the author and work fields, and
// what its buttons do. The window mirrors the fields both ways and shows or hides itself
// after Visible; the buttons call the operations below.
class ManualEntry {
 public:
  // The quotation box, one string per line.
  std::vector<std::string> QuoteLines;
  std::string AuthorEdit;
  std::string QuoteSourceEdit;
  bool Visible = false;

  // The texts last taken from the window, and the quote-window line of the last puzzle
  // made here.
  std::string ManualQuoteStr;
  std::string ManualAuthorStr;
  std::string ManualWorkStr;
  std::string ManualQuoteLine;

  // The heuristic search belongs to the window: making a puzzle first switches it off,
  // and resets it once the old puzzle is given up. Either may be left empty.
  std::function<void()> SwitchHeuristicOff;
  std::function<void()> ResetHeuristicSearch;

  // The quotation: the lines of the box joined with nothing between them, trimmed.
  std::string Quotation() const;

  // "New Puzzle (Manual Entry)": the fields start from the current puzzle's texts.
  void Open(const PuzzleDocument& doc);

  enum class MakeResult {
    Incomplete,  // a field was empty; the window stays open
    Impossible,  // the quotation cannot hold author and work, or is too big; stays open
    Declined,    // No to erasing the current puzzle; the window closed, nothing changed
    Made,        // a new puzzle; the window closed
  };
  // "MAKE PUZZLE NOW".
  MakeResult MakePuzzle(PuzzleDocument& doc);

  // "ADD THIS QUOTE TO THE QUOTES FILE": appends the quotation line and an empty line to
  // the quotes editor and closes the window. False (with a message) when a field is
  // empty; the caller marks the quotes editor changed when this returns true.
  bool AddQuote(LineStore& quotesEditor, Host& host);

  // "CLEAR".
  void Clear();
  // "EXIT WITHOUT MAKING PUZZLE".
  void Exit() { Visible = false; }

 private:
  void TakeTexts();
};

}  // namespace quotella
