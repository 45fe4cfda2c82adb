#include "app/window/actionrows.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDialog>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/commands/answercommands.h"
#include "app/commands/dialogcommands.h"
#include "app/commands/edithistory.h"
#include "app/commands/editorsync.h"
#include "app/commands/listcommands.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/publishhandlers.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/commands/windowcommands.h"
#include "app/dialogs/autofilldialog.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/wordlistpane.h"
#include "app/print/gridsvgexport.h"
#include "app/print/printroom.h"
#include "app/quotes/quoteimporting.h"
#include "app/quotes/quoteranking.h"
#include "app/search/searchcontroller.h"
#include "app/search/searchhooks.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/distributionbar.h"
#include "app/widgets/raritycolouring.h"
#include "app/widgets/tablemodels.h"
#include "app/window/names.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "app/window/windowsettings.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/poolstatus.h"
#include "files/filesession.h"
#include "files/infofile.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "files/textexport.h"
#include "render/qtext.h"
#include "search/rarity.h"
#include "search/scan.h"
#include "search/sorts.h"
#include "search/wordlists.h"
#include "settings/lookups.h"
#include "settings/settingsstore.h"

// How to add a command: add one row to ActionRows() below with its object name, the menu it
// belongs to (a main menu caption such as "&Tools", or a context menu name such as
// "KeyWordsPopup"), its caption, its default shortcut and its handler (usually one call
// of a handler class such as ViewCommands or ListCommands, or a core operation followed
// by a repaint). A new main menu also needs its caption in kMenuOrder; a new context menu
// needs a line in kAttachments naming the control it belongs to. A room that builds its
// own controls may instead call ActionTable::add with a row. Rows may carry an `enabled`
// rule, checked whenever the document changes.

namespace quotella {

namespace {

class QtClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override {
    QApplication::clipboard()->setText(ToQString(text));
  }
};

// The Autofill dialog, made on first use: its choices are remembered in the settings and
// start a fill of the selected rows.
void OpenAutofillDialog(WindowParts& w) {
  auto* dialog = w.window->findChild<AutofillDialog*>(QStringLiteral("AutofillDialog"));
  if (!dialog) dialog = new AutofillDialog(w.window);
  const AutofillRequest request = SearchHooks::AutofillRequestOf(w);
  dialog->Open(request, AutofillDialog::RowsText(*w.doc, request.rows),
               [&w](const AutofillRequest& chosen) {
                 w.settings->Values().AutofillRarity = chosen.maxRarity;
                 w.settings->Values().AutofillSeconds = chosen.seconds;
                 w.search->StartAutofill(chosen);
               });
}

// When a command can run. Commands that cannot are disabled.
using Rule = std::function<bool(const WindowParts&)>;
// A puzzle is loaded or made.
const Rule kNeedsPuzzle = [](const WindowParts& w) { return w.doc->PuzzleExists; };
// The quotes file has lines.
const Rule kNeedsQuotes = [](const WindowParts& w) { return w.session->QuotesEditor.size() > 0; };
// The answer row at the caret holds a word beyond its initial.
const Rule kNeedsFilledRow = [](const WindowParts& w) {
  return w.doc->PuzzleExists && w.lookups->CurrentAnswer().size() > 1;
};
// A candidate is chosen.
const Rule kNeedsCandidate = [](const WindowParts& w) {
  return w.lists->candidates()->currentItem() != nullptr;
};
// The constructor's scored lists are in use (named in the settings).
bool ScoredListsInUse(const WindowParts& w) {
  return w.sources->Scored && w.sources->Scored->Active();
}
const Rule kNeedsScoredLists = [](const WindowParts& w) {
  return w.doc->PuzzleExists && ScoredListsInUse(w);
};
const Rule kNeedsScoredCandidates = [](const WindowParts& w) {
  return ScoredListsInUse(w) && !w.lists->candidates()->isHidden();
};
// An item of word list n is chosen.
Rule NeedsListItem(int n) {
  return [n](const WindowParts& w) { return w.lists->wordList(n)->currentItem() != nullptr; };
}

// The commands of word list n's menu and of its list button's menu.
void AddWordListRows(std::vector<ActionRow>& rows) {
  using W = WindowParts;
  static const char* const kNames[4][8] = {
      {"List1Copy", "AddFromOutput1", "AddanItem1", "SaveList11", "LoadList11", "Color3", "Font4",
       "ClearList1"},
      {"List2copy", "AddFromOutput2", "AddanItem2", "SaveList21", "LoadList21", "Color4", "Font5",
       "ClearList2"},
      {"List3copy", "AddFromOutput3", "AddanItem3", "SaveList31", "LoadList31", "Color5", "Font6",
       "ClearList3"},
      {"List4copy", "AddFromOutput4", "AddanItem4", "SaveList41", "LoadList41", "Color6", "Font7",
       "ClearList4"}};
  static const char* const kMenus[4] = {"WordList1Popup", "WordList2Popup", "WordList3Popup",
                                        "WordList4Popup"};
  static const char* const kButtonMenus[4] = {"ListButton1Popup", "ListButton2Popup",
                                              "ListButton3Popup", "ListButton4Popup"};
  static const char* const kSave[4] = {"Save List 1", "Save List 2", "Save List 3", "Save List 4"};
  static const char* const kLoad[4] = {"Load List 1", "Load List 2", "Load List 3", "Load List 4"};
  for (int n = 1; n <= 4; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    const char* const* names = kNames[i];
    const char* menu = kMenus[i];
    rows.push_back({names[0], menu, n == 1 ? "&Copy" : "Copy", "",
                    [n](W& w) {
                      QListWidget* list = w.lists->wordList(n);
                      if (list->currentItem())
                        QApplication::clipboard()->setText(list->currentItem()->text());
                    },
                    false, NeedsListItem(n)});
    rows.push_back({names[1], menu, "Add from Output Editor", "",
                    [n](W& w) { AddLinesToList(*w.sources, n, w.session->Output.Lines, *w.host); },
                    false, nullptr, touches::kOutput | touches::kLists});
    rows.push_back(
        {names[2], menu, "Add Items", "", [n](W& w) { w.listCommands->AddanItemClick(n); }});
    rows.push_back({names[3], menu, kSave[i], "", [n](W& w) { w.listCommands->SaveList(n); }});
    rows.push_back({names[4], menu, kLoad[i], "", [n](W& w) { w.listCommands->OpenList(n); }});
    rows.push_back({names[5], menu, "Color", "", [n](W& w) {
                      w.dialogs->ChooseColour(w.lists->wordList(n), QPalette::Base,
                                              QStringLiteral("Color"));
                    }});
    rows.push_back(
        {names[6], menu, "Font", "", [n](W& w) { w.dialogs->ChooseFont(w.lists->wordList(n)); }});
    if (n == 4) {
      rows.push_back({"EndHeuristicSearchNow1", menu, "End Heuristic Search Now", "",
                      [](W& w) { w.search->EndHeuristicSearchNow1Click(); }});
      rows.push_back({"AddThisItemtoOutputEditor1", menu, "Add This Item to Output Editor", "",
                      [](W& w) {
                        QListWidget* list = w.lists->wordList(4);
                        if (!list->currentItem()) return;
                        w.session->Output.Add(ToUtf8(list->currentItem()->text()));
                      },
                      false, NeedsListItem(4), touches::kOutput});
    }
    rows.push_back({names[7], kButtonMenus[i], "Clear", "", [n](W& w) {
                      w.sources->List(n).Items.clear();
                      w.sync->PushLists();
                    }});
  }
}

}  // namespace

// NOLINTNEXTLINE(readability-function-size): the rows are data, one command a line.
std::vector<ActionRow> ActionRows() {
  using W = WindowParts;
  std::vector<ActionRow> rows = {
      // Main menu.
      {"ManualEntry1", "&Open", "New Puzzle (Manual Entry)", "",
       [](W& w) { w.dialogs->ManualEntry1Click(); }},
      {"Puzzle1", "&Open", "Puzzle", "",
       [](W& w) {
         bool opened = false;
         // The puzzle is shown once the editors hold what it brought.
         w.sync->RunPullPush([&w, &opened] { opened = Puzzle1Click(*w.doc, *w.session); },
                             touches::kAll);
         if (opened) w.puzzleCommands->NewPuzzleShown();
       }},
      {names::kPuzzleByBrowsing, "&Open", "Puzzle by Browsing Info", "", [](W& w) { w.dialogs->PuzzlebyBrowsing1Click(); }},
      {"IpuzPuzzle1", "&Open", "ipuz Puzzle\u2026", "",
       [](W& w) {
         if (IpuzPuzzle1Click(w)) w.puzzleCommands->NewPuzzleShown();
       }},
      {names::kImportQuotations, "&Open", "Import Quotations\u2026", "", [](W& w) { ImportQuotations(*w.host, w.session->CurrentDir); }},
      {"Quotes1", "&Open", "Quotes", "",
       [](W& w) {
         if (OpenQuotesFile(*w.session, *w.host)) w.viewCommands->Quotes3Click();
       },
       false, nullptr, touches::kQuotes},
      {"OutPut3", "&Open", "Output Editor", "",
       [](W& w) {
         if (OutPut3Click(*w.session, *w.host)) w.viewCommands->Output1Click();
       },
       false, nullptr, touches::kOutput},
      {"Wordlist11", "&Open", "Wordlist 1", "Ctrl+F1", [](W& w) { w.listCommands->OpenList(1); }},
      {"Wordlist21", "&Open", "Wordlist 2", "Ctrl+F2", [](W& w) { w.listCommands->OpenList(2); }},
      {"Wordlist31", "&Open", "Wordlist 3", "Ctrl+F3", [](W& w) { w.listCommands->OpenList(3); }},
      {"Wordlist41", "&Open", "Wordlist 4", "Ctrl+F4", [](W& w) { w.listCommands->OpenList(4); }},
      {"IniFile1", "&Open", "IniFile", "", [](W& w) { w.settings->OpenIniFile(); w.windowSettings->Apply(); }, false, nullptr, touches::kAll},
      {"ExitProgram1", "&Open", "Exit Program", "", [](W& w) { w.window->close(); }},
      {"Quotes2", "&Save", "Quotes", "Ctrl+Alt+Q", [](W& w) { SaveQuotesFile(*w.session, *w.host); }, false, nullptr, touches::kQuotes},
      {"Puzzle2", "&Save", "Puzzle", "Ctrl+S", [](W& w) { Puzzle2Click(*w.doc, *w.session); }, false, nullptr, touches::kAll},
      {"Output2", "&Save", "Output Editor", "", [](W& w) { Output2Click(*w.session, *w.host); }, false, nullptr, touches::kOutput},
      {"Wordlist12", "&Save", "Wordlist 1", "", [](W& w) { w.listCommands->SaveList(1); }},
      {"Wordlist22", "&Save", "Wordlist 2", "", [](W& w) { w.listCommands->SaveList(2); }},
      {"Wordlist32", "&Save", "Wordlist 3", "", [](W& w) { w.listCommands->SaveList(3); }},
      {"Wordlist42", "&Save", "Wordlist 4", "", [](W& w) { w.listCommands->SaveList(4); }},
      {"InitFile1", "&Save", "Init File", "Ctrl+Alt+I", [](W& w) { w.settings->SaveInitFile(); w.windowSettings->Apply(); }, false, nullptr, touches::kAll},
      {"SavePuzzleasText1", "&Save", "Save Puzzle as Text", "Ctrl+Alt+T",
       [](W& w) { SavePuzzleasText1Click(*w.doc, *w.session); }, false, nullptr, touches::kOutput},
      {"SavePuzzleKey1", "&Save", "Save Puzzle Key as Text", "Ctrl+Alt+S",
       [](W& w) { SavePuzzleKey1Click(*w.doc, *w.session); }, false, nullptr, touches::kOutput},
      {"SaveInfo", "&Save", "Save Puzzle Information File", "",
       [](W& w) { SaveInfoClick(*w.doc, *w.session); }, false, nullptr, touches::kOutput},
      {"SaveAsIpuz1", "&Save", "As ipuz\u2026", "", [](W& w) { SaveAsIpuz1Click(w); }},
      {"SaveAsWebPage1", "&Save", "As Web Page\u2026", "", [](W& w) { SaveAsWebPage1Click(w); }},
      {names::kUndo, "&Edit", "Undo", "Alt+Backspace", [](W& w) { w.editHistory->undo(); }, false,
       [](const W& w) { return w.editHistory && w.editHistory->canUndo(); }},
      {names::kRedo, "&Edit", "Redo", "Ctrl+Shift+Z", [](W& w) { w.editHistory->redo(); }, false,
       [](const W& w) { return w.editHistory && w.editHistory->canRedo(); }},
      {"Puzzle3", "&View", "Puzzle", "Ctrl+W", [](W& w) { w.viewCommands->Puzzle3Click(); }},
      {"Grid1", "&View", "Grid", "Ctrl+E", [](W& w) { w.viewCommands->Grid1Click(); }},
      {"Quotes3", "&View", "Quotes", "Ctrl+Q", [](W& w) { w.viewCommands->Quotes3Click(); }},
      {"Output1", "&View", "Output", "Ctrl+R", [](W& w) { w.viewCommands->Output1Click(); }},
      {"IniFile2", "&View", "Ini File", "Ctrl+I", [](W& w) { w.viewCommands->IniFile2Click(); }},
      {"NumberMap1", "&View", "Number Map", "", [](W& w) { w.viewCommands->NumberMap1Click(); }},
      {"BitmapView1", "&View", "Bitmap View", "", [](W& w) { w.print->BitmapView1Click(); }},
      {"MakeGridBitmap1", "&Tools", "Make Grid Bitmap", "Ctrl+B", [](W& w) { w.print->MakeGridBitmap1Click(); }},
      {"ExportGridSvg1", "&Tools", "Export Grid as SVG\u2026", "Ctrl+Shift+B", [](W& w) { ExportGridSvg1Click(w); }},
      {"Solver1", "&Tools", "Solver", "",
       [](W& w) {
         if (!w.lookups->StartCompanion(LookUpCommands::SolverProgram(), {ToQString(w.session->CurrentPuzzleFile)}))
           w.lookups->OpenPlayablePage(*w.session);
       }},
      {"WordLists1", "&Tools", "Word Lists", "", [](W& w) { LaunchWordListManager(*w.sources, *w.host); }},
      {"extEditor1", "&Tools", "Text Editor", "",
       [](W& w) {
         if (!w.lookups->StartCompanion(LookUpCommands::TextEditorProgram(), {}))
           w.sync->RunPullPush([&w] { w.lookups->OpenOutputFile(*w.session); });
       }},
      {"ToggleConditonsX", "&Tools", "Toggle Conditions", "Ctrl+D",
       [](W& w) { w.bottom->conditionsBox()->click(); }, true},
      {"PuzzleManager1", "&Tools", "Puzzle Manager", "",
       [](W& w) {
         if (!w.lookups->StartCompanion(LookUpCommands::PuzzleManagerProgram(), {})) w.dialogs->PuzzlebyBrowsing1Click();
       }},
      {"ReloadWordLists1", "&Tools", "Reload Word Lists", "", [](W& w) { w.listCommands->ReloadLists(); }},
      {names::kRankQuotes, "&Tools", "Rank Quotes", "", [](W& w) { RankQuotesClick(w); }, false, kNeedsQuotes},
      {names::kAutofill, "&Tools", "Autofill", "F9", [](W& w) { w.search->Autofill1Click(); }},
      {"AutofillDialog1", "&Tools", "Autofill Options...", "Ctrl+F9", [](W& w) { OpenAutofillDialog(w); }},
      {"FillAgain1", "&Tools", "Fill Again", "Shift+F9", [](W& w) { w.search->FillAgain(); }},
      {"SetRarityColors1", "&Tools", "Set Rarity Colors to Dict", "",
       [](W& w) { w.rarity->SetRarityColors1Click(w.search->background()); }, true},
      {"MainMerriamLookup", "&Tools", "Merriam-Webster Lookup", "", [](W& w) { w.lookups->OpenAddress(MainMerriamLookup(*w.host)); }, true},
      {"ThesaurusLookup", "&Tools", "Thesaurus Lookup", "", [](W& w) { w.lookups->OpenAddress(ThesaurusLookup(*w.host)); }, true},
      {"GoogleLookup1", "&Tools", "Google Lookup", "", [](W& w) { w.lookups->OpenAddress(GoogleLookup(*w.host)); }, true},
      {"MovieDataBaseLookup", "&Tools", "Search Internet Movie Database", "Ctrl+M", [](W& w) { w.lookups->OpenAddress(MovieDataBaseLookup(*w.host)); }, true},
      {"MerriamWebsterDictionaryLookup1", "&Internet", "Merriam-Webster Dictionary Lookup", "F5", [](W& w) { w.lookups->LookUpFocused(false); }},
      {"MerriamThesaurus", "&Internet", "Merriam-Webster Thesaurus Lookup", "", [](W& w) { w.lookups->OpenAddress(ThesaurusLookup(*w.host)); }},
      {"GoogleWebLookup", "&Internet", "Google Search", "F7", [](W& w) { w.lookups->LookUpFocused(true); }},
      {"MovieDatabase", "&Internet", "Internet Movie Database Lookup", "", [](W& w) { w.lookups->OpenAddress(MovieDataBaseLookup(*w.host)); }},
      {"BritannicaLookup", "&Internet", "Britannica Lookup", "", [](W& w) { w.lookups->OpenAddress(BritannicaLookup(*w.host)); }},
      {"PuzzleHotkeys1", "&Settings", "Puzzle Hotkeys", "Ctrl+H", [](W& w) { w.dialogs->PuzzleHotkeys1Click(); }},
      {"GeneralSettings1", "&Settings", "General Settings", "", [](W& w) { w.dialogs->GeneralSettings1Click(); }},
      {"PrintSettings1", "&Settings", "Print Settings", "", [](W& w) { w.print->PrintSettings1Click(); }},
      {names::kSoundToggle, "&Settings", "Sounds On", "", [](W& w) { w.commands->SoundToggle1Click(); }},
      {"LetterFrequency1", "&Settings", "Set Letter Frequency", "", [](W& w) { SetLetterFrequency(*w.doc); w.requests->RefreshViews(); }},
      {"SetraritycolorstoDict1", "&Settings", "Set rarity colors to Dictionary", "",
       [](W& w) { w.rarity->SetRarityColors1Click(w.search->background()); }},
      {"AsText1", "&Print", "As Text", "", [](W& w) { w.print->AsText1Click(); }},
      {"Formatted1", "&Print", "Formatted", "", [](W& w) { w.print->Formatted1Click(); }},
      {"PrintToBitmap", "&Print", "To Bitmap", "", [](W& w) { w.print->MakeGridBitmap1Click(); }},
      {names::kPrintToPdf, "&Print", "To PDF...", "", [](W& w) { w.print->ToPdfClick(); }},
      {"PrinterSettings", "&Print", "Printer Setup", "", [](W& w) { w.print->PrinterSettingsClick(); }},
      {"Basics1", "&Help", "Basics", "", [](W& w) { w.viewCommands->HelpTopicClick(1); }},
      {"heProcess1", "&Help", "The Process", "", [](W& w) { w.viewCommands->HelpTopicClick(2); }},
      {"Advanced1", "&Help", "Advanced", "", [](W& w) { w.viewCommands->HelpTopicClick(3); }},
      {"MoreTipsShortcuts1", "&Help", "More Tips && Shortcuts", "",
       [](W& w) { w.viewCommands->HelpTopicClick(4); }},
      {"Website1", "&Help", "Website", "", [](W& w) { w.lookups->Website1Click(); }},
      // Context menus.
      {"Scan1", "KeyWordsPopup", "Scan Dictionary", "F11", [](W& w) { w.answers->ScanDictionary(); }, false, kNeedsPuzzle},
      {"OtherAnswers1", "KeyWordsPopup", "Other Answers for This Row", "",
       [](W& w) {
         w.search->ShowOtherAnswers(w.doc->view().CurRow, [&w] { w.viewCommands->CandidatesButtonClick(); });
       }},
      {"CopyKeyword", "KeyWordsPopup", "Copy Answer to Clipboard", "", [](W& w) { QtClipboard c; CopyKeyword(c, w.lookups->CurrentAnswer()); }, false, kNeedsFilledRow},
      {"WriteClue1", "KeyWordsPopup", "&Copy", "Ctrl+Alt+C", [](W& w) { QtClipboard c; CopyKeyword(c, w.lookups->CurrentAnswer()); }, false, kNeedsFilledRow},
      {names::kScanConditional, "KeyWordsPopup", "Auto Row Advance On", "F12",
       [](W& w) { w.requests->command(names::kScanConditional)->setText(ToQString(ScanConditionalClick(*w.doc))); }},
      {"ScanList11", "KeyWordsPopup", "Scan List 1", "F1", [](W& w) { w.answers->ScanList(1); }, false, kNeedsPuzzle},
      {"ScanList21", "KeyWordsPopup", "Scan List 2", "F2", [](W& w) { w.answers->ScanList(2); }, false, kNeedsPuzzle},
      {"ScanList31", "KeyWordsPopup", "Scan List 3", "F3", [](W& w) { w.answers->ScanList(3); }, false, kNeedsPuzzle},
      {"ScanList41", "KeyWordsPopup", "Scan List 4", "F4", [](W& w) { w.answers->ScanList(4); }, false, kNeedsPuzzle},
      {names::kScanScoredLists, "KeyWordsPopup", "Scan Scored Lists", "F8", [](W& w) { w.answers->ScanScoredLists(); }, false, kNeedsScoredLists},
      {"MajorProblemScan", "KeyWordsPopup", "Find Words using most Problem Chars", "",
       [](W& w) { w.answers->MajorProblemScanClick(w.search->background()); }, false, kNeedsPuzzle},
      {"ClearWord1", "KeyWordsPopup", "Clear Word", "Ctrl+C",
       [](W& w) { ClearWord1Click(*w.doc, {w.doc->view().CurCol, w.doc->view().CurRow}, true); w.requests->RefreshViews(); }},
      {"ToggleConditons1", "KeyWordsPopup", "Toggle Conditions", "", [](W& w) { w.bottom->conditionsBox()->click(); }},
      {"RowAdvance", "KeyWordsPopup", "Row Advance", "",
       [](W& w) { RowAdvanceClick(*w.doc, {w.doc->view().CurCol, w.doc->view().CurRow}); w.requests->RefreshViews(); }, true},
      {"WriteClue3", "KeyWordsPopup", "Write Clue", "Ins", [](W& w) { w.answers->WriteClue3Click(); }, false, kNeedsPuzzle},
      {"ClearPuzzle1", "KeyWordsPopup", "Clear Puzzle", "",
       [](W& w) { ClearPuzzle1Click(*w.doc, {w.doc->view().CurCol, w.doc->view().CurRow}); w.requests->RefreshViews(); }},
      {"KeywordMerriamLookup", "KeyWordsPopup", "Look up word at Merriam-Webster", "", [](W& w) { w.lookups->OpenAddress(KeywordMerriamLookup(w.lookups->CurrentAnswer())); }, false, kNeedsFilledRow},
      {"hesaurusLookup1", "KeyWordsPopup", "Thesaurus Lookup", "F6", [](W& w) { w.lookups->OpenAddress(KeywordThesaurusLookup(w.lookups->CurrentAnswer())); }, false, kNeedsFilledRow},
      {"GoogleLookup2", "KeyWordsPopup", "Search Google for Clue Info", "", [](W& w) { w.lookups->OpenAddress(KeywordGoogleLookup(*w.host, w.lookups->CurrentAnswer())); }, false, kNeedsFilledRow},
      {"CandidateCopy", "CandidatesPopup", "Copy", "", [](W& w) { QApplication::clipboard()->setText(ToQString(w.lookups->CurrentCandidate())); }, false, kNeedsCandidate},
      {"Dictionary", "CandidatesPopup", "Delete from Dictionary", "",
       [](W& w) { DeleteFromDictionary(*w.sources, w.lists->candidates()->currentRow(), *w.host); w.sync->PushLists(); }},
      {"SortbyLength1", "CandidatesPopup", "Sort by Length", "", [](W& w) { SortCandidates(*w.doc, *w.sources, CandidateSort::Length); w.sync->PushLists(); }},
      {"SortbyVowelPercent1", "CandidatesPopup", "Sort by Vowel Percent", "", [](W& w) { SortCandidates(*w.doc, *w.sources, CandidateSort::VowelPercent); w.sync->PushLists(); }},
      {"SortbyAllProblemChars1", "CandidatesPopup", "Sort by All Problem Chars", "", [](W& w) { SortCandidates(*w.doc, *w.sources, CandidateSort::AllProblems); w.sync->PushLists(); }},
      {"SortbyRarityScore1", "CandidatesPopup", "Sort by Rarity Score", "", [](W& w) { SortCandidates(*w.doc, *w.sources, CandidateSort::Rarity); w.sync->PushLists(); }},
      {names::kSortByScore, "CandidatesPopup", "Sort by Score", "", [](W& w) { SortCandidates(*w.doc, *w.sources, CandidateSort::Score); w.sync->PushLists(); }, false, kNeedsScoredCandidates},
      {"SortbyPrimaryProblemChars1", "CandidatesPopup", "Sort by Primary Problem Chars", "", [](W& w) { SortCandidates(*w.doc, *w.sources, CandidateSort::PrimaryProblems); w.sync->PushLists(); }},
      {"MerriamWebsterLookup1", "CandidatesPopup", "Merriam-Webster Lookup", "", [](W& w) { w.lookups->OpenAddress(CandidateMerriamLookup(w.lookups->CurrentCandidate())); }},
      {"GoogleLookup3", "CandidatesPopup", "Google Lookup", "", [](W& w) { w.lookups->OpenAddress(CandidateGoogleLookup(*w.host, w.lookups->CurrentCandidate())); }},
      {"WriteClue2", "CluePopup", "Write Clue", "Ins", [](W& w) { w.answers->WriteClue2Click(); }, false, kNeedsPuzzle},
      {"ClueColorMenuItem", "CluePopup", "Color", "",
       [](W& w) { w.dialogs->ChooseColour(w.lists->clueList(), QPalette::Base, QStringLiteral("Color")); }},
      {"ClueFontMenuItem", "CluePopup", "Font", "", [](W& w) { w.dialogs->ChooseFont(w.lists->clueList()); }},
      {names::kHighlightCommon, "GridPopup", "Highlight Common Words OFF", "",
       [](W& w) { w.commands->HighLightCommonClick(); }},
      {"StretchGrid1", "GridPopup", "Stretch Grid", "Ctrl+X", [](W& w) { w.puzzleCommands->StretchGrid1Click(); }, false, kNeedsPuzzle},
      {"SqueezeGrid1", "GridPopup", "Squeeze Grid", "Ctrl+Z", [](W& w) { w.puzzleCommands->SqueezeGrid1Click(); }, false, kNeedsPuzzle},
      {"Color7", "GridPopup", "Color", "", [](W& w) { w.commands->Color7Click(); }},
      {"GridHelp", "GridPopup", "Help", "", [](W& w) { w.commands->GridHelpClick(); }},
      {"ShowQuotellaDistribution1", "DistributionPopup", "Show Quotella Distribution", "",
       [](W& w) { w.distribution->ShowQuotellaDistribution1Click(); }},
      {names::kLockCharacter, "PoolPopup", "Lock Character", "", [](W& w) { w.answers->LockPopupClick(); }},
      {"Color1", "QuoteWindowPopup", "Color", "",
       [](W& w) { w.dialogs->ChooseColour(w.quote->quoteWindow(), QPalette::Base, QStringLiteral("Color")); }},
      {"extColor1", "QuoteWindowPopup", "Text Color", "",
       [](W& w) { w.dialogs->ChooseColour(w.quote->quoteWindow(), QPalette::Text, QStringLiteral("Text Color")); }},
      {"Font1", "QuoteWindowPopup", "Font", "",
       [](W& w) {
         bool ok = false;
         const QFont f = QFontDialog::getFont(&ok, w.quote->quoteFont(), w.window);
         if (ok) w.quote->setQuoteFont(f);
       }},
      {"MakePuzzleofCurrentLine1", "QuotesPopup", "Make Puzzle of Current Line", "",
       [](W& w) { w.puzzleCommands->QuotesEditorDblClick(); }},
      {"Font3", "QuotesPopup", "Font", "", [](W& w) { w.dialogs->ChooseFont(w.answer->quotesEditor()); }},
      {"Color8", "QuotesPopup", "Color", "",
       [](W& w) { w.dialogs->ChooseColour(w.answer->quotesEditor(), QPalette::Base, QStringLiteral("Color")); }},
      {"QuoteEdFont1", "QuotesPopup", "Font", "", [](W& w) { w.dialogs->ChooseFont(w.answer->quotesEditor()); }},
      {"Color2", "OutputPopup", "Co&lor", "",
       [](W& w) { w.dialogs->ChooseColour(w.answer->outputEditor(), QPalette::Base, QStringLiteral("Color")); }},
      {"extColor2", "OutputPopup", "&Text Color", "",
       [](W& w) {
         const QColor c = QColorDialog::getColor(w.answer->outputEditor()->textColor(), w.window);
         if (c.isValid()) w.answer->outputEditor()->setTextColor(c);
       }},
      {"Font2", "OutputPopup", "&Font", "",
       [](W& w) {
         bool ok = false;
         const QFont f = QFontDialog::getFont(&ok, w.answer->outputEditor()->currentFont(), w.window);
         if (ok) w.answer->outputEditor()->setCurrentFont(f);
       }},
      {names::kShortOutput, "OutputPopup", "Short", "", [](W& w) { w.viewCommands->Short1Click(); }},
      {"SaveOutputFile1", "OutputPopup", "Sa&ve Output File", "",
       [](W& w) { Output2Click(*w.session, *w.host); }, false, nullptr, touches::kOutput},
      {names::kWordwrap, "OutputPopup", "&Wordwrap", "", [](W& w) { w.commands->Wordwrap3Click(); }},
      {names::kBold, "OutputPopup", "&Bold", "Ctrl+B",
       [](W& w) {
         const bool bold = w.answer->outputEditor()->fontWeight() > QFont::Normal;
         w.answer->outputEditor()->setFontWeight(bold ? QFont::Normal : QFont::Bold);
       }},
      {"Underline1", "OutputPopup", "&Underline", "Ctrl+U",
       [](W& w) { w.answer->outputEditor()->setFontUnderline(!w.answer->outputEditor()->fontUnderline()); }},
      {"SaveIniFile1", "IniPopup", "Save Ini File", "", [](W& w) { w.settings->SaveIniFileAs(); }, false, nullptr, touches::kIni},
      {"LoadIniFile1", "IniPopup", "Load Ini File", "", [](W& w) { w.windowSettings->LoadIniFile1Click(); }},
      {"MakeDefaultFile1", "IniPopup", "Make a Default File", "", [](W& w) { w.settings->MakeDefaultFile(); w.windowSettings->Apply(); }, false, nullptr, touches::kAll},
      {"SaveHelpfile1", "HelpPopup", "Save Helpfile", "", [](W& w) { w.commands->SaveHelpfile1Click(); }},
      {"Wider1", "SideBitmapPopup", "Wider", "", [](W& w) { w.print->Wider1Click(); }},
      {"Narrower1", "SideBitmapPopup", "Narrower", "", [](W& w) { w.print->Narrower1Click(); }},
      {"IncreaseCellsize1", "SideBitmapPopup", "Increase Cellsize", "", [](W& w) { w.print->IncreaseCellsize1Click(); }},
      {"DecreaseCellsize1", "SideBitmapPopup", "Decrease Cellsize", "", [](W& w) { w.print->DecreaseCellsize1Click(); }},
      {"PuzzleMode1", "SideBitmapPopup", "Puzzle Mode", "", [](W& w) { w.viewCommands->Puzzle3Click(); }},
      {"Form1Popup", "FormPopup", "Color", "",
       [](W& w) { w.dialogs->ChooseColour(w.window->centralWidget(), QPalette::Window, QStringLiteral("Color")); }},
  };
  AddWordListRows(rows);
  return rows;
}

}  // namespace quotella
