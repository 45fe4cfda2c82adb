#pragma once

// The names that join the window's tables: the commands the code reaches by name (the
// action table's rows and the hotkey boxes bind by the same object names) and the views of
// the view table. A name here that reaches nothing fails the name-resolution test.

namespace quotella::names {

// Commands.
inline constexpr char kAutofill[] = "Autofill1";
inline constexpr char kBold[] = "Bold1";
inline constexpr char kClueDesk[] = "ClueDesk1";
inline constexpr char kHighlightCommon[] = "HighLightCommon";
inline constexpr char kImportQuotations[] = "ImportQuotations1";
inline constexpr char kLockCharacter[] = "LockPopup";
inline constexpr char kPrintToPdf[] = "PrintToPdf";
inline constexpr char kRankQuotes[] = "RankQuotes1";
inline constexpr char kPuzzleByBrowsing[] = "PuzzlebyBrowsing1";
inline constexpr char kRedo[] = "Redo1";
inline constexpr char kScanConditional[] = "ScanConditional";
inline constexpr char kScanScoredLists[] = "ScanScoredLists1";
inline constexpr char kShortOutput[] = "Short1";
inline constexpr char kSortByScore[] = "SortbyScore1";
inline constexpr char kSoundToggle[] = "SoundToggle1";
inline constexpr char kUndo[] = "Undo1";
inline constexpr char kWordwrap[] = "Wordwrap3";
inline constexpr char kWriteDeskClue[] = "WriteDeskClue1";
// The constructor's scored lists: word list n saved with scores, the answers added.
inline constexpr const char* kSaveListWithScores[4] = {"ScoredWordlist12", "ScoredWordlist22",
                                                       "ScoredWordlist32", "ScoredWordlist42"};
inline constexpr char kAddAnswersToMyList[] = "AddAnswersToMyList1";

// Views.
inline constexpr char kBitmapView[] = "Bitmap";
inline constexpr char kCandidatesView[] = "Candidates";
inline constexpr char kClueDeskView[] = "ClueDesk";
inline constexpr char kCluesView[] = "Clues";
inline constexpr char kGridView[] = "Grid";
inline constexpr char kHelpView[] = "Help";
inline constexpr char kIniFileView[] = "IniFile";
inline constexpr char kNumberMapView[] = "NumberMap";
inline constexpr char kOutputView[] = "Output";
inline constexpr char kPuzzleView[] = "Puzzle";
inline constexpr char kQuotesView[] = "Quotes";
inline constexpr char kWordListView[] = "Wordlist";

}  // namespace quotella::names
