#include "app/window/actiontips.h"

#include <map>

namespace quotella {

namespace {

using Tips = std::map<QString, QString>;

// The commands of word list n's menu and of its list button's menu.
void AddWordListTips(Tips& tips) {
  static const char* const kCopy[4] = {"List1Copy", "List2copy", "List3copy", "List4copy"};
  for (int n = 1; n <= 4; ++n) {
    const QString list = QStringLiteral("word list %1").arg(n);
    const QString s = QString::number(n);
    tips[QLatin1String(kCopy[n - 1])] =
        QStringLiteral("Copies the chosen item of %1 to the clipboard (needs a chosen item)")
            .arg(list);
    tips[QStringLiteral("AddFromOutput") + s] =
        QStringLiteral("Adds the output editor's lines to %1").arg(list);
    tips[QStringLiteral("AddanItem") + s] = QStringLiteral("Adds typed items to %1").arg(list);
    tips[QStringLiteral("SaveList") + s + QStringLiteral("1")] =
        QStringLiteral("Saves %1 to its file").arg(list);
    tips[QStringLiteral("LoadList") + s + QStringLiteral("1")] =
        QStringLiteral("Loads %1 from a file").arg(list);
    tips[QStringLiteral("Color") + QString::number(n + 2)] =
        QStringLiteral("Chooses the background colour of %1").arg(list);
    tips[QStringLiteral("Font") + QString::number(n + 3)] =
        QStringLiteral("Chooses the font of %1").arg(list);
    tips[QStringLiteral("ClearList") + s] = QStringLiteral("Empties %1").arg(list);
    tips[QStringLiteral("Wordlist") + s + QStringLiteral("1")] =
        QStringLiteral("Opens a file into %1").arg(list);
    tips[QStringLiteral("Wordlist") + s + QStringLiteral("2")] =
        QStringLiteral("Saves %1 to a file").arg(list);
    tips[QStringLiteral("ScanList") + s + QStringLiteral("1")] =
        QStringLiteral("Fills the candidates from %1 for the row at the caret (needs a puzzle)")
            .arg(list);
  }
  tips[QStringLiteral("EndHeuristicSearchNow1")] = QStringLiteral("Stops the heuristic search");
  tips[QStringLiteral("AddThisItemtoOutputEditor1")] = QStringLiteral(
      "Adds the chosen item of word list 4 to the output editor (needs a chosen item)");
}

// NOLINTNEXTLINE(readability-function-size): the tips are data, one command a line.
const Tips& AllTips() {
  static const Tips tips = [] {
    Tips t = {
        {"ManualEntry1", "Makes a new puzzle from a quotation typed in"},
        {"Puzzle1", "Opens a puzzle file"},
        {"PuzzlebyBrowsing1", "Opens a puzzle chosen from the information files"},
        {"IpuzPuzzle1", "Opens a puzzle from an ipuz file"},
        {"Quotes1", "Opens a quotes file into the quotes editor"},
        {"OutPut3", "Opens a text file into the output editor"},
        {"IniFile1", "Opens a settings file and applies it"},
        {"ExitProgram1", "Closes the program"},
        {"Quotes2", "Saves the quotes editor to its file"},
        {"Puzzle2", "Saves the puzzle"},
        {"Output2", "Saves the output editor to a file"},
        {"InitFile1", "Saves the settings and applies them"},
        {"SavePuzzleasText1", "Writes the puzzle as text"},
        {"SavePuzzleKey1", "Writes the puzzle's key as text"},
        {"SaveInfo", "Writes the puzzle's information file"},
        {"SaveAsIpuz1", "Writes the puzzle as an ipuz file"},
        {"SaveAsWebPage1", "Writes the puzzle as a web page that plays it"},
        {"Undo1", "Takes back the last change to the puzzle"},
        {"Redo1", "Repeats the change taken back last"},
        {"Puzzle3", "Shows the answer table and the pool"},
        {"Grid1", "Shows the puzzle grid, the print workspace"},
        {"Quotes3", "Shows the quotes editor"},
        {"Output1", "Shows the output editor"},
        {"IniFile2", "Shows the settings file as text"},
        {"NumberMap1", "Shows which cell each letter of the answers fills"},
        {"BitmapView1", "Shows the grid picture beside the answer table"},
        {"MakeGridBitmap1", "Draws the grid as a picture to save"},
        {"ExportGridSvg1", "Writes the grid as an SVG picture"},
        {"Solver1", "Starts the solver program on the puzzle, or plays the puzzle as a web page"},
        {"WordLists1", "Starts the word-list manager"},
        {"extEditor1", "Starts the text editor, or opens the output file in the desktop's editor"},
        {"ToggleConditonsX", "Turns the search conditions on or off"},
        {"PuzzleManager1", "Starts the puzzle manager, or browses the puzzles"},
        {"ReloadWordLists1", "Reads the word lists from their files again"},
        {"ImportQuotations1",
         "Reads quotations from fortune or plain-text files and saves them as a quotes file"},
        {"RankQuotes1",
         "Ranks the quotes file's lines by how good a puzzle each makes (needs a quotes file)"},
        {"Autofill1", "Fills every empty answer from the word lists and the dictionary"},
        {"AutofillDialog1", "Chooses the rows, rarity and time of an autofill"},
        {"FillAgain1", "Fills the same rows again"},
        {"SetRarityColors1", "Colours the answers by how rare their words are"},
        {"MainMerriamLookup", "Looks up a word at Merriam-Webster"},
        {"ThesaurusLookup", "Looks up a word in the thesaurus"},
        {"GoogleLookup1", "Searches the web for a word"},
        {"MovieDataBaseLookup", "Searches the Internet Movie Database"},
        {"MerriamWebsterDictionaryLookup1", "Looks up the answer or candidate in the dictionary"},
        {"MerriamThesaurus", "Looks up a word in the thesaurus"},
        {"GoogleWebLookup", "Searches the web for the answer or candidate"},
        {"MovieDatabase", "Searches the Internet Movie Database"},
        {"BritannicaLookup", "Looks up a word in the Britannica"},
        {"PuzzleHotkeys1", "Chooses the shortcut keys of the puzzle commands"},
        {"GeneralSettings1", "Opens the general settings"},
        {"PrintSettings1", "Opens the print settings"},
        {"SoundToggle1", "Turns the sounds on or off"},
        {"LetterFrequency1", "Sets the letter frequencies from the quotation"},
        {"SetraritycolorstoDict1", "Colours the answers by the dictionary's rarity"},
        {"AsText1", "Prints the puzzle as text"},
        {"Formatted1", "Opens the print workspace"},
        {"PrintToBitmap", "Draws the grid as a picture to save"},
        {"PrintToPdf", "Writes the printed page into a PDF file"},
        {"PrinterSettings", "Chooses the printer"},
        {"Basics1", "Shows the help on the basics"},
        {"heProcess1", "Shows the help on the process"},
        {"Advanced1", "Shows the advanced help"},
        {"MoreTipsShortcuts1", "Shows more tips and the shortcuts"},
        {"Website1", "Opens the documentation page"},
        {"Scan1",
         "Fills the candidates from the dictionary for the row at the caret (needs a puzzle)"},
        {"OtherAnswers1", "Shows the other answers found for this row"},
        {"CopyKeyword", "Copies the answer at the caret (needs a word in the row)"},
        {"WriteClue1", "Copies the answer at the caret (needs a word in the row)"},
        {"ScanConditional", "Turns the automatic row advance on or off"},
        {"ScanScoredLists1",
         "Fills the candidates from the scored word lists for the row at the caret, best first "
         "(needs a puzzle and scored lists)"},
        {"MajorProblemScan", "Finds words that use the most problem letters (needs a puzzle)"},
        {"ClearWord1", "Clears the answer at the caret"},
        {"ToggleConditons1", "Turns the search conditions on or off"},
        {"RowAdvance", "Moves the caret to the next row"},
        {"WriteClue3", "Writes the clue of the row at the caret (needs a puzzle)"},
        {"ClearPuzzle1", "Clears every answer"},
        {"KeywordMerriamLookup", "Looks up the answer at the caret (needs a word in the row)"},
        {"hesaurusLookup1",
         "Looks up the answer at the caret in the thesaurus (needs a word in the row)"},
        {"GoogleLookup2", "Searches the web for the answer at the caret (needs a word in the row)"},
        {"CandidateCopy", "Copies the chosen candidate (needs a chosen candidate)"},
        {"Dictionary", "Deletes the chosen candidate from the dictionary"},
        {"SortbyLength1", "Sorts the candidates by length"},
        {"SortbyVowelPercent1", "Sorts the candidates by their share of vowels"},
        {"SortbyAllProblemChars1", "Sorts the candidates by the problem letters they use"},
        {"SortbyRarityScore1", "Sorts the candidates by rarity"},
        {"SortbyScore1",
         "Sorts the candidates by their score in the scored word lists, best first (needs "
         "scored lists and the candidates on view)"},
        {"SortbyPrimaryProblemChars1", "Sorts the candidates by the primary problem letters"},
        {"MerriamWebsterLookup1", "Looks up the chosen candidate at Merriam-Webster"},
        {"GoogleLookup3", "Searches the web for the chosen candidate"},
        {"WriteClue2", "Writes the clue of the line at the caret (needs a puzzle)"},
        {"ClueColorMenuItem", "Chooses the clue list's background colour"},
        {"ClueFontMenuItem", "Chooses the clue list's font"},
        {"HighLightCommon", "Marks the letters the answers share with the quotation"},
        {"StretchGrid1", "Makes the grid one column wider (needs a puzzle)"},
        {"SqueezeGrid1", "Makes the grid one column narrower (needs a puzzle)"},
        {"Color7", "Chooses the grid's colours"},
        {"GridHelp", "Shows the help on the grid"},
        {"ShowQuotellaDistribution1", "Shows how the author-and-work letters are spread"},
        {"LockPopup", "Locks the chosen letter in the pool"},
        {"Color1", "Chooses the quote window's background colour"},
        {"extColor1", "Chooses the quote window's text colour"},
        {"Font1", "Chooses the quote window's font"},
        {"MakePuzzleofCurrentLine1", "Makes a puzzle of the quotes line at the caret"},
        {"Font3", "Chooses the quotes editor's font"},
        {"Color8", "Chooses the quotes editor's background colour"},
        {"QuoteEdFont1", "Chooses the quotes editor's font"},
        {"Color2", "Chooses the output editor's background colour"},
        {"extColor2", "Chooses the output editor's text colour"},
        {"Font2", "Chooses the output editor's font"},
        {"Short1", "Makes the output editor short or wide"},
        {"SaveOutputFile1", "Saves the output editor to a file"},
        {"Wordwrap3", "Turns word wrap of the output editor on or off"},
        {"Bold1", "Makes the output editor's text bold or plain"},
        {"Underline1", "Underlines the output editor's text or not"},
        {"SaveIniFile1", "Saves the settings text to a file"},
        {"LoadIniFile1", "Reads the settings file again and applies it"},
        {"MakeDefaultFile1", "Makes the settings file the default"},
        {"SaveHelpfile1", "Saves the help topic shown"},
        {"Wider1", "Makes the grid picture wider"},
        {"Narrower1", "Makes the grid picture narrower"},
        {"IncreaseCellsize1", "Makes the grid picture's squares larger"},
        {"DecreaseCellsize1", "Makes the grid picture's squares smaller"},
        {"PuzzleMode1", "Goes back to the answer table and the pool"},
        {"Form1Popup", "Chooses the window's background colour"},
    };
    AddWordListTips(t);
    return t;
  }();
  return tips;
}

}  // namespace

QString ActionStatusTip(const QString& name) {
  const auto it = AllTips().find(name);
  return it == AllTips().end() ? QString() : it->second;
}

}  // namespace quotella
