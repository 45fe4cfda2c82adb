#include "files/puzzlefile.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/quoteparse.h"
#include "core/swapping.h"
#include "core/textio.h"
#include "files/gridsection.h"
#include "files/newpuzzle.h"
#include "files/puzzlesections.h"

namespace quotella {

namespace {

constexpr const char* kCommonWords =
    "THE OF TO AND A IN IS IT YOU THAT HE WAS FOR ON ARE WITH AS I HIS THEY BE AT ONE HAVE THIS "
    "FROM OR HAD BY BUT WHAT SOME WE CAN OUT OTHER WERE ALL THERE WHEN UP USE YOUR HOW SAID AN "
    "SHE WHICH DO THEIR IF WILL THEN THEM";

std::optional<long long> ParseInteger(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<int> ParseInt(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// ---- writing ----

// A text that the file holds on one line: a line break in it becomes a blank, so that it
// cannot start a line of its own.
std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

std::string NumberMapLine(const PuzzleDocument& doc, int row, bool report) {
  std::string line;
  int pendingGaps = 0;  // unmapped columns waiting for a later entry
  for (int col = 1; col < kTableSize; ++col) {
    const std::string text = Trim(doc.NumberGrid.At(col, row));
    if (text.empty()) {
      ++pendingGaps;
      continue;
    }
    if (!ParseInteger(text)) {
      if (report) doc.host().Message("Err in value writing number grid ");
      ++pendingGaps;
      continue;
    }
    for (; pendingGaps > 0; --pendingGaps) line += "0 ";
    line += text + " ";
  }
  return line;
}

void AddLabelLines(const Tpuzzle& p, std::vector<std::string>& out) {
  std::string buffer;
  for (int k = 1; k <= p.NumCells && k <= kMaxCells; ++k) {
    const auto& cell = p.Cells[static_cast<std::size_t>(k)];
    if (cell.CellNumber > 0) buffer += std::to_string(cell.CellNumber) + " " + cell.CellLabel + "|";
    if (k % 20 == 0) {
      out.push_back(buffer);
      buffer.clear();
    }
  }
  out.push_back(buffer);
}

void AddKeywordLines(const PuzzleDocument& doc, std::vector<std::string>& out) {
  const Tpuzzle& p = doc.P;
  for (int r = 0; r < p.NumWords && r < kTableSize; ++r) {
    out.push_back(static_cast<std::size_t>(r) < doc.ClueLines.size()
                      ? OneLine(doc.ClueLines[static_cast<std::size_t>(r)])
                      : std::string());
    std::string word;
    std::string numbers;
    for (int c = 1; c < kTableSize; ++c) {
      const std::string letter = Trim(doc.KeyWords.At(c, r));
      if (letter.empty()) break;
      word += letter;
      if (const int cell = MappedIndex(doc, c, r))
        numbers += std::to_string(p.Cells[static_cast<std::size_t>(cell)].CellNumber) + " ";
    }
    out.push_back(word);
    out.push_back(numbers);
  }
}

// ---- reading ----

// The tokens of a number-map line: each an integer followed by a blank.
std::optional<std::vector<int>> ParseNumberMapLine(const std::string& line) {
  std::vector<int> tokens;
  std::size_t start = 0;
  while (start < line.size()) {
    const std::size_t blank = line.find(' ', start);
    if (blank == std::string::npos) return std::nullopt;  // the last number lacks its blank
    if (blank > start) {
      const auto value = ParseInt(line.substr(start, blank - start));
      if (!value) return std::nullopt;
      tokens.push_back(*value);
    }
    start = blank + 1;
  }
  return tokens;
}

// What the checks before the reset learned from the file.
struct PreparedLoad {
  Sections tags;
  bool version30 = false;
  bool folded = false;  // the file holds kFoldedLettersMarker
  QuoteLineParts parts;
  std::string authorText, workText;
  std::string quote;  // normalised, not upper-cased
  std::string quotellaStr, masterQuote;
  std::optional<GridShape> shape;
  std::vector<std::vector<int>> numberMap;  // per answer row
};

// The initials and the cells a quotation line gives: by the rules of new puzzles (letters
// folded, runs of blanks collapsed) or by those of files written before folding.
std::pair<std::string, std::string> GridLettersOf(QuoteLineParts parts, bool folded) {
  if (folded) FoldQuoteParts(parts);
  const std::string master = MakeMasterQuote(UpperCase(FixSpacesAndHyphens(parts.quote)));
  return {
      MakeQuotellaString(UpperCase(StripParens(parts.author)) + UpperCase(StripParens(parts.work))),
      folded ? CollapseBlanks(master) : master};
}

// The marker stands before the quotation's tag.
bool HasFoldedMarker(const LineStore& lines, int quoteTag) {
  for (int i = 0; i < quoteTag; ++i)
    if (TrimRight(lines[static_cast<std::size_t>(i)]) == kFoldedLettersMarker) return true;
  return false;
}

bool PrepareLoad(Host& host, const LineStore& lines, PreparedLoad& load) {
  load.tags = ScanSections(lines);
  const Sections& t = load.tags;
  if (t.quote < 0 || t.grid < 0 || t.labels < 0 || t.keywords < 0 || t.randseed < 0) {
    host.Message("This is not a Puzzle File!");
    return false;
  }
  load.version30 = t.numgrid < 0;
  if (load.version30)
    host.Message(
        "This file is format 3.0, not 3.1 \rThis will be converted to 3.1 when you save it!");

  load.parts = ParseQuoteLine(LineAfter(lines, t.quote).value_or(""));
  if (!load.parts.ok) {
    host.Message("Could not parse the Quotation.");
    return false;
  }
  load.folded = HasFoldedMarker(lines, t.quote);
  QuoteLineParts letters = load.parts;
  if (load.folded) {
    if (const std::string problem = FoldQuoteParts(letters); !problem.empty()) {
      host.Message(problem);
      return false;
    }
  }
  load.authorText = StripParens(letters.author);
  load.workText = StripParens(letters.work);
  std::string reason;
  if (!IsPossible(load.authorText + load.workText, letters.quote, reason)) {
    host.Message("Sorry, IMPOSSIBLE Quote! " + reason);
    return false;
  }
  load.quote = FixSpacesAndHyphens(letters.quote);
  load.quotellaStr = MakeQuotellaString(UpperCase(load.authorText) + UpperCase(load.workText));
  load.masterQuote = MakeMasterQuote(UpperCase(load.quote));
  if (load.folded) load.masterQuote = CollapseBlanks(load.masterQuote);
  if (const std::string problem = CapacityProblem(load.quotellaStr, load.masterQuote);
      !problem.empty()) {
    host.Message(problem);
    return false;
  }
  const int numWords = static_cast<int>(load.quotellaStr.size());

  load.shape = ReadGridShape(SectionLines(lines, t, t.grid), load.masterQuote);

  if (!load.version30) {
    const auto mapLines = SectionLines(lines, t, t.numgrid);
    for (int r = 0; r < numWords && static_cast<std::size_t>(r) < mapLines.size(); ++r) {
      auto tokens = ParseNumberMapLine(mapLines[static_cast<std::size_t>(r)]);
      if (!tokens) {
        host.Message("error in value parsing number grid ");
        return false;
      }
      load.numberMap.push_back(std::move(*tokens));
    }
  }
  load.numberMap.resize(static_cast<std::size_t>(numWords));

  if (static_cast<std::size_t>(t.keywords) + 3 * static_cast<std::size_t>(numWords) >=
      lines.size()) {
    host.Message("The answer words of this puzzle file are cut short; it cannot be loaded.");
    return false;
  }
  return true;
}

// An answer word the table can hold for row r: letters only, at most 51, beginning with
// the row's initial.
bool WordFitsRow(const std::string& word, char initial) {
  if (word.empty() || word.size() > static_cast<std::size_t>(kMaxWordLetters)) return false;
  for (char ch : word)
    if (!IsUpperLetter(ch)) return false;
  return word[0] == initial;
}

// Lays the stored word of row r into the cells its number-map entries name. A letter
// whose entry does not name a free cell holding that letter keeps its table entry
// without a cell. Returns false when the initial found no cell.
bool LayStoredWord(PuzzleDocument& doc, const std::string& word, const std::vector<int>& cells,
                   int r) {
  Tpuzzle& p = doc.P;
  std::string placed;
  bool initialPlaced = false;
  for (int c = 1; c <= static_cast<int>(word.size()); ++c) {
    const char letter = word[static_cast<std::size_t>(c - 1)];
    const int n =
        static_cast<std::size_t>(c) <= cells.size() ? cells[static_cast<std::size_t>(c - 1)] : 0;
    const bool fits = n >= 1 && n <= p.NumCells && n <= kMaxCells &&
                      p.Cells[static_cast<std::size_t>(n)].Char == letter &&
                      !p.Cells[static_cast<std::size_t>(n)].Mapped;
    if (!fits) {
      doc.host().Message("Error in value in set keywords ");
      if (c > 1) doc.KeyWords.At(c, r) = std::string(1, letter);
      continue;
    }
    doc.KeyWords.At(c, r) = std::string(1, letter);
    MapCell(doc, n, letter, c, r);
    placed += letter;
    if (c == 1) initialPlaced = true;
  }
  TakeFromPool(doc, placed);
  return initialPlaced;
}

// Labels stored with the cells. They repeat what the answer words already say, so only
// their numbers are checked; a label that disagrees with the cells is left unused rather
// than mislabel a cell.
void CheckStoredLabels(PuzzleDocument& doc, const LineStore& labelLines) {
  bool reported = false;
  for (const std::string& line : labelLines) {
    std::size_t start = 0;
    std::size_t bar;
    while ((bar = line.find('|', start)) != std::string::npos) {
      std::size_t end = start;
      while (end < bar && line[end] != ' ') ++end;
      // One report is enough, however many entries a damaged file holds.
      if (!ParseInt(line.substr(start, end - start)) && !reported) {
        doc.host().Message("Error in value in setting cellnumbers");
        reported = true;
      }
      start = bar + 1;
    }
  }
}

void FinishLoad(PuzzleDocument& doc, FileSession& session) {
  Tpuzzle& p = doc.P;
  TakeFromPool(doc, p.QuotellaStr);
  ComputeSpareCounts(p, p.QuotellaStr, p.MasterQuote);
  LockSingletons(p);
  p.SingletonStr = SingletonStr(p);
  RefreshAllWordInfo(doc);
  RecomputeIllegal(p);
  session.RequestView(View::Puzzle);
  RefreshPoolViews(doc);
  UpdateCharStatus(doc);
  doc.PuzzleExists = true;
  doc.PuzzleChanged = false;
  RefreshAllWordInfo(doc);
  MarkCommonWords(p);
  SetCaption(session, session.CurrentPuzzleFile);
  doc.Notify(PuzzleDocument::Change::Everything);
}

// The names that describe the puzzle on screen. A refused file leaves the puzzle as it
// was, so they are put back too: the caption, the save dialog and the next start-up keep
// naming the file the puzzle came from.
struct FileNames {
  std::string current, last, dir, caption;
  TextEncoding encoding;
  explicit FileNames(const FileSession& s)
      : current(s.CurrentPuzzleFile),
        last(s.LastFile),
        dir(s.CurrentDir),
        caption(s.Caption),
        encoding(s.PuzzleEncoding) {}
  void Restore(FileSession& s) const {
    s.PuzzleEncoding = encoding;
    s.CurrentPuzzleFile = current;
    s.LastFile = last;
    s.CurrentDir = dir;
    s.Caption = caption;
  }
};

}  // namespace

bool NeedsFoldedMarker(const std::string& quoteLine) {
  const QuoteLineParts parts = ParseQuoteLine(quoteLine);
  return GridLettersOf(parts, true) != GridLettersOf(parts, false);
}

void MarkCommonWords(Tpuzzle& p) {
  const std::string common = kCommonWords;
  for (int k = 1; k <= p.NumCells && k <= kMaxCells; ++k) {
    auto& cell = p.Cells[static_cast<std::size_t>(k)];
    const std::string word = UpperCase(Trim(cell.Wordstr));
    cell.CommonMark = !word.empty() && common.find(word) != std::string::npos;
  }
}

std::vector<std::string> PuzzleFileLines(const PuzzleDocument& doc, const FileSession& session,
                                         bool report) {
  const Tpuzzle& p = doc.P;
  std::vector<std::string> out;
  out.push_back(kPuzzleFileHeader);
  const std::string quoteLine = OneLine(p.AuthorOrig + "@" + p.WorkOrig + "@" + p.QuoteOrig);
  // Only a quotation whose letters folding changes needs the marker: any other file stays
  // exactly as older versions wrote it.
  if (p.FoldedLetters && NeedsFoldedMarker(quoteLine)) out.push_back(kFoldedLettersMarker);
  out.push_back("[QUOTE]");
  out.push_back(quoteLine);
  out.push_back("[GRID]");
  AddGridLines(doc, out);
  out.push_back("[NUMGRID]");
  for (int r = 0; r < p.NumWords && r < kTableSize; ++r)
    out.push_back(NumberMapLine(doc, r, report));
  out.push_back("[title]");
  const std::string title = Trim(OneLine(session.TitleBox));
  out.push_back(title.empty() ? "Untitled" : title);
  out.push_back("[byline]");
  const std::string byline = Trim(OneLine(session.BylineBox));
  out.push_back(byline.empty() ? "by Anonymous" : byline);
  out.push_back("[copyright]");
  out.push_back(OneLine(session.CopyrightText));
  out.push_back("[labels]");
  AddLabelLines(p, out);
  out.push_back("[keywords]");
  AddKeywordLines(doc, out);
  out.push_back("[randseed]");
  out.push_back(kStoredSeed);
  return out;
}

std::vector<std::string> ComposePuzzleFile(PuzzleDocument& doc, FileSession& session) {
  std::vector<std::string> out = PuzzleFileLines(doc, session, true);
  // The boxes show the defaults the file was given.
  if (Trim(OneLine(session.TitleBox)).empty()) {
    session.TitleBox = "Untitled";
    doc.P.Title = "Untitled";
  }
  if (Trim(OneLine(session.BylineBox)).empty()) session.BylineBox = kDefaultByline;
  session.Output.Lines = out;
  return out;
}

bool WritePuzzleFile(PuzzleDocument& doc, FileSession& session, const std::string& path) {
  const SaveResult saved =
      WriteFileAtomic(path, EncodePuzzleText(session.Output.Text(), session.PuzzleEncoding));
  const bool ok = saved.ok();
  if (ok) {
    session.CurrentPuzzleFile = path;
    SetCaption(session, path);
    session.LastFile = path;
    if (const std::string folder = FolderOf(path); !folder.empty()) session.CurrentDir = folder;
    doc.PuzzleChanged = false;
  } else {
    // The changes are still unsaved: closing the program must go on offering to save them.
    doc.host().Message(saved.Message("Could not save file ", path));
  }
  return ok;
}

void Puzzle2Click(PuzzleDocument& doc, FileSession& session) {
  if (!doc.PuzzleExists) return;
  Host& host = doc.host();
  ComposePuzzleFile(doc, session);
  std::string folder = FolderOf(session.CurrentPuzzleFile);
  if (folder.empty()) folder = session.CurrentDir;
  // A puzzle never saved is offered under its author's name.
  const std::string name = session.CurrentPuzzleFile == kNewPuzzleFile
                               ? NewPuzzleFileName(doc.P.AuthorOrig)
                               : session.CurrentPuzzleFile;
  const auto chosen = host.SaveFileName("Save Puzzle File", kPuzzleFileFilter, folder, name);
  if (chosen) {
    const std::string& path = *chosen;
    if (!FileExists(path) ||
        host.Confirm("File " + path + " exists! Overwrite ?", ConfirmKind::Question))
      WritePuzzleFile(doc, session, path);
    session.SaveDialogTitle = "Save File";
  }
  SetCaption(session, session.CurrentPuzzleFile);
}

bool SavePuzzleAs(PuzzleDocument& doc, FileSession& session, const std::string& path) {
  if (!doc.PuzzleExists) return false;
  ComposePuzzleFile(doc, session);
  return WritePuzzleFile(doc, session, path);
}

bool LoadPuzzleFromEditor(PuzzleDocument& doc, FileSession& session) {
  const LineStore& lines = session.Output.Lines;
  PreparedLoad load;
  if (!PrepareLoad(doc.host(), lines, load)) return false;
  const Sections& t = load.tags;

  ResetPuzzle(doc);
  Tpuzzle& p = doc.P;

  // Title, byline, copyright: a missing line or one holding "[" keeps the default.
  const auto title = TextAfter(lines, t, t.title);
  session.TitleBox = title ? Trim(*title) : "Untitled";
  p.Title = session.TitleBox;
  const auto byline = TextAfter(lines, t, t.byline);
  session.BylineBox = byline ? *byline : std::string(kDefaultByline);
  if (const auto copyright = TextAfter(lines, t, t.copyright)) session.CopyrightText = *copyright;

  // The quotation.
  p.QuoteLine = LineAfter(lines, t.quote).value_or("");
  p.FoldedLetters = load.folded;
  p.AuthorOrig = load.parts.author;
  p.WorkOrig = load.parts.work;
  p.QuoteOrig = load.parts.quote;
  p.AuthorText = load.authorText;
  p.WorkText = load.workText;
  p.QuoteText = load.parts.quote;
  doc.host().ShowQuoteWindow({QuoteWindowLine(p.QuoteOrig, p.AuthorOrig, p.WorkOrig)});
  p.Author = UpperCase(p.AuthorText);
  p.Work = UpperCase(p.WorkText);
  p.Quote = UpperCase(load.quote);

  // Construction as for a new puzzle.
  p.QuotellaStr = load.quotellaStr;
  p.MasterQuote = load.masterQuote;
  p.NumWords = static_cast<int>(p.QuotellaStr.size());
  InitClueList(doc, p.NumWords);
  InitNumberGrid(doc);
  CountLetters(doc, UpperCase(p.MasterQuote) + UpperCase(p.QuotellaStr));
  RefreshPoolViews(doc);
  LayCells(p, p.MasterQuote);

  ApplyGridShape(doc, load.shape);

  if (const auto seedLine = LineAfter(lines, t.randseed)) {
    const auto seed = ParseInteger(Trim(*seedLine));
    if (seed && *seed >= INT32_MIN && *seed <= static_cast<long long>(UINT32_MAX))
      doc.Rng.SetSeed(static_cast<std::uint32_t>(*seed));
  }
  p.SpareCount = p.Pool;

  // The answer words. Rows whose stored word cannot be laid get their initial afresh
  // once every stored word is in place, so that no stored mapping loses its cell.
  std::vector<int> initialsToPlace;
  for (int r = 0; r < p.NumWords; ++r) {
    const std::size_t at =
        static_cast<std::size_t>(t.keywords) + 1 + 3 * static_cast<std::size_t>(r);
    doc.host().PlaySound("qclick");
    doc.ClueLines[static_cast<std::size_t>(r)] = lines[at];
    const std::string word = UpperCase(Trim(lines[at + 1]));
    doc.KeyWords.At(0, r) = doc.Label(r);
    const char initial = p.QuotellaStr[static_cast<std::size_t>(r)];
    if (!WordFitsRow(word, initial)) {
      doc.host().Message("The answer word of " + doc.Label(r) +
                         " in this file is damaged; only its initial is kept.");
      initialsToPlace.push_back(r);
      continue;
    }
    if (load.version30) {
      for (int c = 1; c <= static_cast<int>(word.size()); ++c) {
        const char letter = word[static_cast<std::size_t>(c - 1)];
        AssignKeywordChar(doc, letter, c, r);
        doc.KeyWords.At(c, r) = std::string(1, letter);
      }
    } else if (!LayStoredWord(doc, word, load.numberMap[static_cast<std::size_t>(r)], r)) {
      initialsToPlace.push_back(r);
    }
  }
  for (int r : initialsToPlace) {
    const char initial = p.QuotellaStr[static_cast<std::size_t>(r)];
    AssignKeywordChar(doc, initial, 1, r);
    doc.KeyWords.At(1, r) = std::string(1, initial);
  }

  if (!load.version30) CheckStoredLabels(doc, SectionLines(lines, t, t.labels));

  FinishLoad(doc, session);
  return true;
}

bool LoadPuzzleFile(PuzzleDocument& doc, FileSession& session, const std::string& path) {
  const FileNames before(session);
  auto lines = ReadPuzzleLines(path);
  session.Output.Clear();
  if (!lines) {
    doc.host().Message("Could not load file ");
    return false;
  }
  session.Output.Lines = std::move(*lines);
  session.PuzzleEncoding = RememberedEncoding(path);
  session.CurrentPuzzleFile = path;
  SetCaption(session, path);
  session.LastFile = path;
  if (const std::string folder = FolderOf(path); !folder.empty()) session.CurrentDir = folder;
  if (LoadPuzzleFromEditor(doc, session)) return true;
  before.Restore(session);
  return false;
}

bool Puzzle1Click(PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  const FileNames before(session);
  if (session.BeforePuzzleLoad) session.BeforePuzzleLoad();

  if (session.ConfirmBeforeLoad) {
    if (!host.Confirm("This will erase the current puzzle! \rAre you sure you want to do that?",
                      ConfirmKind::Warning))
      return false;
    const auto chosen = host.OpenFileNamed("Open File", kPuzzleFileFilter, session.CurrentDir,
                                           session.CurrentPuzzleFile);
    if (!chosen) return false;
    session.Output.Clear();
    if (auto lines = ReadPuzzleLines(*chosen)) {
      session.Output.Lines = std::move(*lines);
      session.PuzzleEncoding = RememberedEncoding(*chosen);
      SetCaption(session, *chosen);
      session.CurrentPuzzleFile = *chosen;
      session.LastFile = *chosen;
      if (const std::string folder = FolderOf(*chosen); !folder.empty())
        session.CurrentDir = folder;
    } else {
      host.Message("Could not load file ");
    }
  } else {
    const std::string path = session.CurrentPuzzleFile;
    if (!FileExists(path)) {
      host.Message("File " + path + " does not exist");
      session.ConfirmBeforeLoad = true;
      return false;
    }
    session.Output.Clear();
    if (auto lines = ReadPuzzleLines(path)) {
      session.Output.Lines = std::move(*lines);
      session.PuzzleEncoding = RememberedEncoding(path);
      session.LastFile = path;
    } else {
      host.Message("Last file, " + path + " not found");
    }
    session.ConfirmBeforeLoad = true;
  }
  if (LoadPuzzleFromEditor(doc, session)) return true;
  before.Restore(session);
  return false;
}

bool SimplyLoadPuzzle(PuzzleDocument& doc, FileSession& session) {
  session.RequestView(View::Puzzle);
  session.ConfirmBeforeLoad = false;
  return Puzzle1Click(doc, session);
}

bool OfferToSavePuzzleOnClose(PuzzleDocument& doc, FileSession& session) {
  if (!doc.PuzzleChanged) return true;
  const std::optional<bool> save = doc.host().ConfirmOrCancel("Puzzle file has changed.  Save it?");
  if (!save) return false;
  if (!*save) return true;
  Puzzle2Click(doc, session);
  return !doc.PuzzleChanged;
}

}  // namespace quotella
