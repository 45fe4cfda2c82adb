#include "app/window/actiontable.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFontDialog>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/commands/answercommands.h"
#include "app/commands/dialogcommands.h"
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
#include "app/search/searchcontroller.h"
#include "app/search/searchhooks.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/distributionbar.h"
#include "app/widgets/raritycolouring.h"
#include "app/widgets/tablemodels.h"
#include "app/window/edithistory.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
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

// How to add a command: add one row to Rows() below with its object name, the menu it
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
void OpenAutofillDialog(MainWindow& w) {
  auto* dialog = w.findChild<AutofillDialog*>(QStringLiteral("AutofillDialog"));
  if (!dialog) dialog = new AutofillDialog(&w);
  const AutofillRequest request = SearchHooks::AutofillRequestOf(w);
  dialog->Open(request, AutofillDialog::RowsText(w.doc(), request.rows),
               [&w](const AutofillRequest& chosen) {
                 w.settings().Values().AutofillRarity = chosen.maxRarity;
                 w.settings().Values().AutofillSeconds = chosen.seconds;
                 w.searches().StartAutofill(chosen);
               });
}

// The main menus from left to right.
const char* const kMenuOrder[] = {"&Open",     "&Save",     "&Edit",  "&View", "&Tools",
                                  "&Internet", "&Settings", "&Print", "&Help"};

// The context menus and the controls (by object name) they belong to.
const char* const kAttachments[][2] = {
    {"Candidates", "CandidatesPopup"},   {"IniFile", "IniPopup"},
    {"KeyWords", "KeyWordsPopup"},       {"Cluelist", "CluePopup"},
    {"PuzzleGrid", "GridPopup"},         {"DistributionBar", "DistributionPopup"},
    {"CharPoolGrid", "PoolPopup"},       {"QuoteWindow", "QuoteWindowPopup"},
    {"QuotesEditor", "QuotesPopup"},     {"OutputEditor", "OutputPopup"},
    {"HelpFile", "HelpPopup"},           {"Background", "FormPopup"},
    {"Wordlist1", "WordList1Popup"},     {"Wordlist2", "WordList2Popup"},
    {"Wordlist3", "WordList3Popup"},     {"Wordlist4", "WordList4Popup"},
    {"List1Button", "ListButton1Popup"}, {"List2Button", "ListButton2Popup"},
    {"List3Button", "ListButton3Popup"}, {"List4Button", "ListButton4Popup"},
};

}  // namespace

// The commands of word list n's menu and of its list button's menu.
void ActionTable::AddWordListRows(std::vector<ActionRow>& rows) {
  using W = MainWindow;
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
    rows.push_back({names[0], menu, n == 1 ? "&Copy" : "Copy", "", [n](W& w) {
                      QListWidget* list = w.m_lists->wordList(n);
                      if (list->currentItem())
                        QApplication::clipboard()->setText(list->currentItem()->text());
                    }});
    rows.push_back({names[1], menu, "Add from Output Editor", "", [n](W& w) {
                      w.m_sync->RunPullPush([&w, n] {
                        AddLinesToList(*w.m_sources, n, w.m_session->Output.Lines, w.host());
                      });
                    }});
    rows.push_back(
        {names[2], menu, "Add Items", "", [n](W& w) { w.m_listCommands->AddanItemClick(n); }});
    rows.push_back({names[3], menu, kSave[i], "", [n](W& w) { w.m_listCommands->SaveList(n); }});
    rows.push_back({names[4], menu, kLoad[i], "", [n](W& w) { w.m_listCommands->OpenList(n); }});
    rows.push_back({names[5], menu, "Color", "", [n](W& w) {
                      w.m_dialogs->ChooseColour(w.m_lists->wordList(n), QPalette::Base,
                                                QStringLiteral("Color"));
                    }});
    rows.push_back({names[6], menu, "Font", "",
                    [n](W& w) { w.m_dialogs->ChooseFont(w.m_lists->wordList(n)); }});
    if (n == 4) {
      rows.push_back({"EndHeuristicSearchNow1", menu, "End Heuristic Search Now", "",
                      [](W& w) { w.m_search->EndHeuristicSearchNow1Click(); }});
      rows.push_back(
          {"AddThisItemtoOutputEditor1", menu, "Add This Item to Output Editor", "", [](W& w) {
             QListWidget* list = w.m_lists->wordList(4);
             if (!list->currentItem()) return;
             const std::string item = ToUtf8(list->currentItem()->text());
             w.m_sync->RunPullPush([&w, item] { w.m_session->Output.Add(item); });
           }});
    }
    rows.push_back({names[7], kButtonMenus[i], "Clear", "", [n](W& w) {
                      w.m_sources->List(n).Items.clear();
                      w.m_sync->PushLists();
                    }});
  }
}

std::vector<ActionRow> ActionTable::Rows() {
  using W = MainWindow;
  std::vector<ActionRow> rows = {
      // Main menu.
      {"ManualEntry1", "&Open", "New Puzzle (Manual Entry)", "",
       [](W& w) { w.m_dialogs->ManualEntry1Click(); }},
      {"Puzzle1", "&Open", "Puzzle", "",
       [](W& w) {
         bool opened = false;
         w.m_sync->RunPullPush([&w, &opened] { opened = Puzzle1Click(*w.m_doc, *w.m_session); });
         if (opened) w.m_puzzleCommands->NewPuzzleShown();
       }},
      {"PuzzlebyBrowsing1", "&Open", "Puzzle by Browsing Info", "", [](W& w) { w.m_dialogs->PuzzlebyBrowsing1Click(); }},
      {"IpuzPuzzle1", "&Open", "ipuz Puzzle\u2026", "",
       [](W& w) {
         if (IpuzPuzzle1Click(w)) w.m_puzzleCommands->NewPuzzleShown();
       }},
      {"Quotes1", "&Open", "Quotes", "",
       [](W& w) {
         w.m_sync->RunPullPush([&w] {
           if (OpenQuotesFile(*w.m_session, w.host())) w.m_viewCommands->Quotes3Click();
         });
       }},
      {"OutPut3", "&Open", "Output Editor", "",
       [](W& w) {
         w.m_sync->RunPullPush([&w] {
           if (OutPut3Click(*w.m_session, w.host())) w.m_viewCommands->Output1Click();
         });
       }},
      {"Wordlist11", "&Open", "Wordlist 1", "Ctrl+F1", [](W& w) { w.m_listCommands->OpenList(1); }},
      {"Wordlist21", "&Open", "Wordlist 2", "Ctrl+F2", [](W& w) { w.m_listCommands->OpenList(2); }},
      {"Wordlist31", "&Open", "Wordlist 3", "Ctrl+F3", [](W& w) { w.m_listCommands->OpenList(3); }},
      {"Wordlist41", "&Open", "Wordlist 4", "Ctrl+F4", [](W& w) { w.m_listCommands->OpenList(4); }},
      {"IniFile1", "&Open", "IniFile", "", [](W& w) { w.m_sync->RunPullPush([&w] { w.m_settings->OpenIniFile(); w.m_windowSettings->Apply(); }); }},
      {"ExitProgram1", "&Open", "Exit Program", "", [](W& w) { w.close(); }},
      {"Quotes2", "&Save", "Quotes", "Ctrl+Alt+Q", [](W& w) { w.m_sync->RunPullPush([&w] { SaveQuotesFile(*w.m_session, w.host()); }); }},
      {"Puzzle2", "&Save", "Puzzle", "Ctrl+S", [](W& w) { w.m_sync->RunPullPush([&w] { Puzzle2Click(*w.m_doc, *w.m_session); }); }},
      {"Output2", "&Save", "Output Editor", "", [](W& w) { w.m_sync->RunPullPush([&w] { Output2Click(*w.m_session, w.host()); }); }},
      {"Wordlist12", "&Save", "Wordlist 1", "", [](W& w) { w.m_listCommands->SaveList(1); }},
      {"Wordlist22", "&Save", "Wordlist 2", "", [](W& w) { w.m_listCommands->SaveList(2); }},
      {"Wordlist32", "&Save", "Wordlist 3", "", [](W& w) { w.m_listCommands->SaveList(3); }},
      {"Wordlist42", "&Save", "Wordlist 4", "", [](W& w) { w.m_listCommands->SaveList(4); }},
      {"InitFile1", "&Save", "Init File", "Ctrl+Alt+I", [](W& w) { w.m_sync->RunPullPush([&w] { w.m_settings->SaveInitFile(); w.m_windowSettings->Apply(); }); }},
      {"SavePuzzleasText1", "&Save", "Save Puzzle as Text", "Ctrl+Alt+T",
       [](W& w) { w.m_sync->RunPullPush([&w] { SavePuzzleasText1Click(*w.m_doc, *w.m_session); }); }},
      {"SavePuzzleKey1", "&Save", "Save Puzzle Key as Text", "Ctrl+Alt+S",
       [](W& w) { w.m_sync->RunPullPush([&w] { SavePuzzleKey1Click(*w.m_doc, *w.m_session); }); }},
      {"SaveInfo", "&Save", "Save Puzzle Information File", "",
       [](W& w) { w.m_sync->RunPullPush([&w] { SaveInfoClick(*w.m_doc, *w.m_session); }); }},
      {"SaveAsIpuz1", "&Save", "As ipuz\u2026", "", [](W& w) { SaveAsIpuz1Click(w); }},
      {"SaveAsWebPage1", "&Save", "As Web Page\u2026", "", [](W& w) { SaveAsWebPage1Click(w); }},
      {"Undo1", "&Edit", "Undo", "Alt+Backspace", [](W& w) { w.m_editHistory->undo(); }, false,
       [](const W& w) { return w.m_editHistory && w.m_editHistory->canUndo(); }},
      {"Redo1", "&Edit", "Redo", "Ctrl+Shift+Z", [](W& w) { w.m_editHistory->redo(); }, false,
       [](const W& w) { return w.m_editHistory && w.m_editHistory->canRedo(); }},
      {"Puzzle3", "&View", "Puzzle", "Ctrl+W", [](W& w) { w.m_viewCommands->Puzzle3Click(); }},
      {"Grid1", "&View", "Grid", "Ctrl+E", [](W& w) { w.m_viewCommands->Grid1Click(); }},
      {"Quotes3", "&View", "Quotes", "Ctrl+Q", [](W& w) { w.m_viewCommands->Quotes3Click(); }},
      {"Output1", "&View", "Output", "Ctrl+R", [](W& w) { w.m_viewCommands->Output1Click(); }},
      {"IniFile2", "&View", "Ini File", "Ctrl+I", [](W& w) { w.m_viewCommands->IniFile2Click(); }},
      {"NumberMap1", "&View", "Number Map", "", [](W& w) { w.m_viewCommands->NumberMap1Click(); }},
      {"BitmapView1", "&View", "Bitmap View", "", [](W& w) { w.m_print->BitmapView1Click(); }},
      {"MakeGridBitmap1", "&Tools", "Make Grid Bitmap", "Ctrl+B", [](W& w) { w.m_print->MakeGridBitmap1Click(); }},
      {"ExportGridSvg1", "&Tools", "Export Grid as SVG\u2026", "Ctrl+Shift+B", [](W& w) { ExportGridSvg1Click(w); }},
      {"Solver1", "&Tools", "Solver", "",
       [](W& w) { w.m_lookups->RunCompanion(LookUpCommands::SolverProgram(), {ToQString(w.m_session->CurrentPuzzleFile)}); }},
      {"WordLists1", "&Tools", "Word Lists", "", [](W& w) { LaunchWordListManager(*w.m_sources, w.host()); }},
      {"extEditor1", "&Tools", "Text Editor", "",
       [](W& w) { w.m_lookups->RunCompanion(LookUpCommands::TextEditorProgram(), {}); }},
      {"ToggleConditonsX", "&Tools", "Toggle Conditons", "Ctrl+D",
       [](W& w) { w.m_bottom->conditionsBox()->click(); }, true},
      {"PuzzleManager1", "&Tools", "Puzzle Manager", "",
       [](W& w) { w.m_lookups->RunCompanion(LookUpCommands::PuzzleManagerProgram(), {}); }},
      {"ReloadWordLists1", "&Tools", "Reload Word Lists", "", [](W& w) { w.m_sync->RunPullPush([&w] { ReloadWordLists(*w.m_sources); }); }},
      {"Autofill1", "&Tools", "Autofill", "F9", [](W& w) { w.m_search->Autofill1Click(); }},
      {"AutofillDialog1", "&Tools", "Autofill Options...", "Ctrl+F9", [](W& w) { OpenAutofillDialog(w); }},
      {"FillAgain1", "&Tools", "Fill Again", "Shift+F9", [](W& w) { w.m_search->FillAgain(); }},
      {"SetRarityColors1", "&Tools", "Set Rarity Colors to Dict", "",
       [](W& w) { w.m_rarity->SetRarityColors1Click(); }, true},
      {"MainMerriamLookup", "&Tools", "Merriam-Webster Lookup", "", [](W& w) { w.m_lookups->OpenAddress(MainMerriamLookup(w.host())); }, true},
      {"ThesaurusLookup", "&Tools", "Thesaurus Lookup", "", [](W& w) { w.m_lookups->OpenAddress(ThesaurusLookup(w.host())); }, true},
      {"GoogleLookup1", "&Tools", "Google Lookup", "", [](W& w) { w.m_lookups->OpenAddress(GoogleLookup(w.host())); }, true},
      {"MovieDataBaseLookup", "&Tools", "Search Internet Movie Database", "Ctrl+M", [](W& w) { w.m_lookups->OpenAddress(MovieDataBaseLookup(w.host())); }, true},
      {"MerriamWebsterDictionaryLookup1", "&Internet", "Merriam-Webster Dictionary Lookup", "F5", [](W& w) { w.m_lookups->LookUpFocused(false); }},
      {"MerriamThesaurus", "&Internet", "Merriam-Webster Thesaurus Lookup", "", [](W& w) { w.m_lookups->OpenAddress(ThesaurusLookup(w.host())); }},
      {"GoogleWebLookup", "&Internet", "Google Search", "F7", [](W& w) { w.m_lookups->LookUpFocused(true); }},
      {"MovieDatabase", "&Internet", "Internet Movie Database Lookup", "", [](W& w) { w.m_lookups->OpenAddress(MovieDataBaseLookup(w.host())); }},
      {"BritannicaLookup", "&Internet", "Britannica Lookup", "", [](W& w) { w.m_lookups->OpenAddress(BritannicaLookup(w.host())); }},
      {"PuzzleHotkeys1", "&Settings", "Puzzle Hotkeys", "Ctrl+H", [](W& w) { w.m_dialogs->PuzzleHotkeys1Click(); }},
      {"GeneralSettings1", "&Settings", "General Settings", "", [](W& w) { w.m_dialogs->GeneralSettings1Click(); }},
      {"PrintSettings1", "&Settings", "Print Settings", "", [](W& w) { w.m_print->PrintSettings1Click(); }},
      {"SoundToggle1", "&Settings", "Sounds On", "", [](W& w) { w.m_commands->SoundToggle1Click(); }},
      {"LetterFrequency1", "&Settings", "Set Letter Frequency", "", [](W& w) { SetLetterFrequency(*w.m_doc); w.RefreshViews(); }},
      {"SetraritycolorstoDict1", "&Settings", "Set rarity colors to Dictionary", "",
       [](W& w) { w.m_rarity->SetRarityColors1Click(); }},
      {"AsText1", "&Print", "As Text", "", [](W& w) { w.m_print->AsText1Click(); }},
      {"Formatted1", "&Print", "Formatted", "", [](W& w) { w.m_print->Formatted1Click(); }},
      {"PrintToBitmap", "&Print", "To Bitmap", "", [](W& w) { w.m_print->MakeGridBitmap1Click(); }},
      {"PrintToPdf", "&Print", "To PDF...", "", [](W& w) { w.m_print->ToPdfClick(); }},
      {"PrinterSettings", "&Print", "Printer Setup", "", [](W& w) { w.m_print->PrinterSettingsClick(); }},
      {"Basics1", "&Help", "Basics", "", [](W& w) { w.m_viewCommands->HelpTopicClick(1); }},
      {"heProcess1", "&Help", "The Process", "", [](W& w) { w.m_viewCommands->HelpTopicClick(2); }},
      {"Advanced1", "&Help", "Advanced", "", [](W& w) { w.m_viewCommands->HelpTopicClick(3); }},
      {"MoreTipsShortcuts1", "&Help", "More Tips && Shortcuts", "",
       [](W& w) { w.m_viewCommands->HelpTopicClick(4); }},
      {"Website1", "&Help", "Website", "", [](W& w) { w.m_lookups->Website1Click(); }},
      // Context menus.
      {"Scan1", "KeyWordsPopup", "Scan Dictionary", "F11", [](W& w) { w.m_answers->ScanDictionary(); }},
      {"OtherAnswers1", "KeyWordsPopup", "Other Answers for This Row", "",
       [](W& w) {
         if (w.m_search->ShowOtherAnswers(w.m_doc->CurRow)) w.m_viewCommands->CandidatesButtonClick();
       }},
      {"CopyKeyword", "KeyWordsPopup", "Copy Answer to Clipboard", "", [](W& w) { QtClipboard c; CopyKeyword(c, w.m_lookups->CurrentAnswer()); }},
      {"WriteClue1", "KeyWordsPopup", "&Copy", "Ctrl+Alt+C", [](W& w) { QtClipboard c; CopyKeyword(c, w.m_lookups->CurrentAnswer()); }},
      {"ScanConditional", "KeyWordsPopup", "Auto Row Advance On", "F12",
       [](W& w) { w.command(QStringLiteral("ScanConditional"))->setText(ToQString(ScanConditionalClick(*w.m_doc))); }},
      {"ScanList11", "KeyWordsPopup", "Scan List 1", "F1", [](W& w) { w.m_answers->ScanList(1); }},
      {"ScanList21", "KeyWordsPopup", "Scan List 2", "F2", [](W& w) { w.m_answers->ScanList(2); }},
      {"ScanList31", "KeyWordsPopup", "Scan List 3", "F3", [](W& w) { w.m_answers->ScanList(3); }},
      {"ScanList41", "KeyWordsPopup", "Scan List 4", "F4", [](W& w) { w.m_answers->ScanList(4); }},
      {"MajorProblemScan", "KeyWordsPopup", "Find Words using most Problem Chars", "",
       [](W& w) { w.m_answers->MajorProblemScanClick(); }},
      {"ClearWord1", "KeyWordsPopup", "Clear Word", "Ctrl+C",
       [](W& w) { ClearWord1Click(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}, true); w.RefreshViews(); }},
      {"ToggleConditons1", "KeyWordsPopup", "Toggle Conditons", "", [](W& w) { w.m_bottom->conditionsBox()->click(); }},
      {"RowAdvance", "KeyWordsPopup", "Row Advance", "",
       [](W& w) { RowAdvanceClick(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}); w.RefreshViews(); }, true},
      {"WriteClue3", "KeyWordsPopup", "Write Clue", "Ins", [](W& w) { w.m_answers->WriteClue3Click(); }},
      {"ClearPuzzle1", "KeyWordsPopup", "Clear Puzzle", "",
       [](W& w) { ClearPuzzle1Click(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}); w.RefreshViews(); }},
      {"KeywordMerriamLookup", "KeyWordsPopup", "Look up word at Merriam-Webster", "", [](W& w) { w.m_lookups->OpenAddress(KeywordMerriamLookup(w.m_lookups->CurrentAnswer())); }},
      {"hesaurusLookup1", "KeyWordsPopup", "Thesaurus Lookup", "F6", [](W& w) { w.m_lookups->OpenAddress(KeywordThesaurusLookup(w.m_lookups->CurrentAnswer())); }},
      {"GoogleLookup2", "KeyWordsPopup", "Search Google for Clue Info", "", [](W& w) { w.m_lookups->OpenAddress(KeywordGoogleLookup(w.host(), w.m_lookups->CurrentAnswer())); }},
      {"CandidateCopy", "CandidatesPopup", "Copy", "", [](W& w) { QApplication::clipboard()->setText(ToQString(w.m_lookups->CurrentCandidate())); }},
      {"Dictionary", "CandidatesPopup", "Delete from Dictionary", "",
       [](W& w) { DeleteFromDictionary(*w.m_sources, w.m_lists->candidates()->currentRow(), w.host()); w.m_sync->PushLists(); }},
      {"SortbyLength1", "CandidatesPopup", "Sort by Length", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::Length); w.m_sync->PushLists(); }},
      {"SortbyVowelPercent1", "CandidatesPopup", "Sort by Vowel Percent", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::VowelPercent); w.m_sync->PushLists(); }},
      {"SortbyAllProblemChars1", "CandidatesPopup", "Sort by All Problem Chars", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::AllProblems); w.m_sync->PushLists(); }},
      {"SortbyRarityScore1", "CandidatesPopup", "Sort by Rarity Score", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::Rarity); w.m_sync->PushLists(); }},
      {"SortbyPrimaryProblemChars1", "CandidatesPopup", "Sort by Primary Problem Chars", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::PrimaryProblems); w.m_sync->PushLists(); }},
      {"MerriamWebsterLookup1", "CandidatesPopup", "Merriam-Webster Lookup", "", [](W& w) { w.m_lookups->OpenAddress(CandidateMerriamLookup(w.m_lookups->CurrentCandidate())); }},
      {"GoogleLookup3", "CandidatesPopup", "Google Lookup", "", [](W& w) { w.m_lookups->OpenAddress(CandidateGoogleLookup(w.host(), w.m_lookups->CurrentCandidate())); }},
      {"WriteClue2", "CluePopup", "Write Clue", "Ins", [](W& w) { w.m_answers->WriteClue2Click(); }},
      {"ClueColorMenuItem", "CluePopup", "Color", "",
       [](W& w) { w.m_dialogs->ChooseColour(w.m_lists->clueList(), QPalette::Base, QStringLiteral("Color")); }},
      {"ClueFontMenuItem", "CluePopup", "Font", "", [](W& w) { w.m_dialogs->ChooseFont(w.m_lists->clueList()); }},
      {"HighLightCommon", "GridPopup", "Highlight Common Words OFF", "",
       [](W& w) { w.m_commands->HighLightCommonClick(); }},
      {"StretchGrid1", "GridPopup", "Stretch Grid", "Ctrl+X", [](W& w) { w.m_puzzleCommands->StretchGrid1Click(); }},
      {"SqueezeGrid1", "GridPopup", "Squeeze Grid", "Ctrl+Z", [](W& w) { w.m_puzzleCommands->SqueezeGrid1Click(); }},
      {"Color7", "GridPopup", "Color", "", [](W& w) { w.m_commands->Color7Click(); }},
      {"GridHelp", "GridPopup", "Help", "", [](W& w) { w.m_commands->GridHelpClick(); }},
      {"ShowQuotellaDistribution1", "DistributionPopup", "Show Quotella Distribution", "",
       [](W& w) { w.m_distribution->ShowQuotellaDistribution1Click(); }},
      {"LockPopup", "PoolPopup", "Lock Character", "", [](W& w) { w.m_answers->LockPopupClick(); }},
      {"Color1", "QuoteWindowPopup", "Color", "",
       [](W& w) { w.m_dialogs->ChooseColour(w.m_quote->quoteWindow(), QPalette::Base, QStringLiteral("Color")); }},
      {"extColor1", "QuoteWindowPopup", "Text Color", "",
       [](W& w) { w.m_dialogs->ChooseColour(w.m_quote->quoteWindow(), QPalette::Text, QStringLiteral("Text Color")); }},
      {"Font1", "QuoteWindowPopup", "Font", "",
       [](W& w) {
         bool ok = false;
         const QFont f = QFontDialog::getFont(&ok, w.m_quote->quoteFont(), &w);
         if (ok) w.m_quote->setQuoteFont(f);
       }},
      {"MakePuzzleofCurrentLine1", "QuotesPopup", "Make Puzzle of Current Line", "",
       [](W& w) { w.m_puzzleCommands->QuotesEditorDblClick(); }},
      {"Font3", "QuotesPopup", "Font", "", [](W& w) { w.m_dialogs->ChooseFont(w.m_answer->quotesEditor()); }},
      {"Color8", "QuotesPopup", "Color", "",
       [](W& w) { w.m_dialogs->ChooseColour(w.m_answer->quotesEditor(), QPalette::Base, QStringLiteral("Color")); }},
      {"QuoteEdFont1", "QuotesPopup", "Font", "", [](W& w) { w.m_dialogs->ChooseFont(w.m_answer->quotesEditor()); }},
      {"Color2", "OutputPopup", "Co&lor", "",
       [](W& w) { w.m_dialogs->ChooseColour(w.m_answer->outputEditor(), QPalette::Base, QStringLiteral("Color")); }},
      {"extColor2", "OutputPopup", "&Text Color", "",
       [](W& w) {
         const QColor c = QColorDialog::getColor(w.m_answer->outputEditor()->textColor(), &w);
         if (c.isValid()) w.m_answer->outputEditor()->setTextColor(c);
       }},
      {"Font2", "OutputPopup", "&Font", "",
       [](W& w) {
         bool ok = false;
         const QFont f = QFontDialog::getFont(&ok, w.m_answer->outputEditor()->currentFont(), &w);
         if (ok) w.m_answer->outputEditor()->setCurrentFont(f);
       }},
      {"Short1", "OutputPopup", "Short", "", [](W& w) { w.m_viewCommands->Short1Click(); }},
      {"SaveOutputFile1", "OutputPopup", "Sa&ve Output File", "",
       [](W& w) { w.m_sync->RunPullPush([&w] { Output2Click(*w.m_session, w.host()); }); }},
      {"Wordwrap3", "OutputPopup", "&Wordwrap", "", [](W& w) { w.m_commands->Wordwrap3Click(); }},
      {"Bold1", "OutputPopup", "&Bold", "Ctrl+B",
       [](W& w) {
         const bool bold = w.m_answer->outputEditor()->fontWeight() > QFont::Normal;
         w.m_answer->outputEditor()->setFontWeight(bold ? QFont::Normal : QFont::Bold);
       }},
      {"Underline1", "OutputPopup", "&Underline", "Ctrl+U",
       [](W& w) { w.m_answer->outputEditor()->setFontUnderline(!w.m_answer->outputEditor()->fontUnderline()); }},
      {"SaveIniFile1", "IniPopup", "Save Ini File", "", [](W& w) { w.m_sync->RunPullPush([&w] { w.m_settings->SaveIniFileAs(); }); }},
      {"LoadIniFile1", "IniPopup", "Load Ini File", "", [](W& w) { w.m_windowSettings->LoadIniFile1Click(); }},
      {"MakeDefaultFile1", "IniPopup", "Make a Default File", "", [](W& w) { w.m_sync->RunPullPush([&w] { w.m_settings->MakeDefaultFile(); w.m_windowSettings->Apply(); }); }},
      {"SaveHelpfile1", "HelpPopup", "Save Helpfile", "", [](W& w) { w.m_commands->SaveHelpfile1Click(); }},
      {"Wider1", "SideBitmapPopup", "Wider", "", [](W& w) { w.m_print->Wider1Click(); }},
      {"Narrower1", "SideBitmapPopup", "Narrower", "", [](W& w) { w.m_print->Narrower1Click(); }},
      {"IncreaseCellsize1", "SideBitmapPopup", "Increase Cellsize", "", [](W& w) { w.m_print->IncreaseCellsize1Click(); }},
      {"DecreaseCellsize1", "SideBitmapPopup", "Decrease Cellsize", "", [](W& w) { w.m_print->DecreaseCellsize1Click(); }},
      {"PuzzleMode1", "SideBitmapPopup", "Puzzle Mode", "", [](W& w) { w.m_viewCommands->Puzzle3Click(); }},
      {"Form1Popup", "FormPopup", "Color", "",
       [](W& w) { w.m_dialogs->ChooseColour(w.centralWidget(), QPalette::Window, QStringLiteral("Color")); }},
  };
  AddWordListRows(rows);
  return rows;
}

ActionTable::ActionTable(MainWindow& window) : QObject(&window), m_window(window) {
  for (const ActionRow& row : Rows()) add(row);
  for (const char* name : kMenuOrder) {
    const auto it = m_mainMenus.find(QString::fromLatin1(name));
    if (it != m_mainMenus.end()) m_window.menuBar()->addMenu(it->second);
  }
  m_built = true;
  for (const auto& [control, menu] : kAttachments) {
    auto* widget = m_window.findChild<QWidget*>(QString::fromLatin1(control));
    if (widget) attach(widget, QString::fromLatin1(menu));
  }
}

QAction* ActionTable::add(const ActionRow& row) {
  auto* action = new QAction(QString::fromUtf8(row.caption), &m_window);
  action->setObjectName(QString::fromLatin1(row.name));
  if (row.shortcut[0] != 0) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
  MainWindow* window = &m_window;
  connect(action, &QAction::triggered, &m_window,
          [window, handler = row.handler] { handler(*window); });
  const QString menu = QString::fromLatin1(row.menu);
  if (menu.startsWith(QLatin1Char('&'))) {
    QMenu*& m = m_mainMenus[menu];
    if (!m) {
      m = new QMenu(menu, &m_window);
      m->setObjectName(QString(menu).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
      // A menu added after the table was built goes to the end of the menu bar.
      if (m_built) m_window.menuBar()->addMenu(m);
    }
    // A hidden command stays out of its menu but keeps its shortcut (an invisible action's
    // shortcut would never fire).
    if (!row.hidden) m->addAction(action);
    m_window.addAction(action);  // main-menu shortcuts work anywhere in the window
  } else {
    action->setVisible(!row.hidden);
    contextMenu(menu)->addAction(action);
  }
  m_commands[action->objectName()] = action;
  if (row.enabled) m_rules.emplace_back(action, row.enabled);
  return action;
}

QAction* ActionTable::command(const QString& name) const {
  const auto it = m_commands.find(name);
  return it == m_commands.end() ? nullptr : it->second;
}

QList<QAction*> ActionTable::commands() const {
  QList<QAction*> list;
  for (const auto& [name, action] : m_commands) list << action;
  return list;
}

QMenu* ActionTable::mainMenu(const QString& caption) const {
  const auto it = m_mainMenus.find(caption);
  return it == m_mainMenus.end() ? nullptr : it->second;
}

QMenu* ActionTable::contextMenu(const QString& name) {
  QMenu*& menu = m_contextMenus[name];
  if (!menu) {
    menu = new QMenu(&m_window);
    menu->setObjectName(name);
  }
  return menu;
}

void ActionTable::attach(QWidget* control, const QString& menuName) {
  QMenu* menu = contextMenu(menuName);
  control->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(control, &QWidget::customContextMenuRequested, menu,
          [control, menu](const QPoint& pos) { menu->popup(control->mapToGlobal(pos)); });
  // Shortcuts of a control's menu work while that control has the focus.
  for (QAction* a : menu->actions()) {
    if (a->shortcut().isEmpty()) continue;
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    control->addAction(a);
  }
}

void ActionTable::updateEnabled() {
  for (const auto& [action, rule] : m_rules) action->setEnabled(rule(m_window));
}

}  // namespace quotella
