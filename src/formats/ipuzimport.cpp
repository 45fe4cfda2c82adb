#include "formats/ipuzimport.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/construction.h"
#include "core/letterfold.h"
#include "core/quoteparse.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "formats/htmltext.h"
#include "formats/ipuzexport.h"

namespace quotella {

namespace {

using Json = nlohmann::json;

constexpr int kMaxSide = 1000;
constexpr long kMaxPositions = 100000;

// An ipuz text (UTF-8, may hold HTML) as one line of the program's Windows-1252 text.
std::string PlainText(const Json& value) {
  if (!value.is_string()) return {};
  std::string text = HtmlToText(value.get<std::string>());
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return Trim(text);
}

// A text that goes on a line of the puzzle file must not read as one of its section tags.
std::string NoSectionTags(std::string text) {
  static const char* const kTags[] = {"[NUMGRID]", "[QUOTE]",    "[GRID]",
                                      "[LABELS]",  "[KEYWORDS]", "[RANDSEED]",
                                      "[TITLE]",   "[BYLINE]",   "[COPYRIGHT]"};
  for (const char* tag : kTags) {
    std::size_t at;
    while ((at = FindNoCase(text, tag)) != std::string::npos) {
      text[at] = '(';
      text[at + std::string(tag).size() - 1] = ')';
    }
  }
  return text;
}

// A text the loader keeps only when it holds no "[" (title, byline, copyright).
std::string NoBrackets(std::string text) {
  std::replace(text.begin(), text.end(), '[', '(');
  std::replace(text.begin(), text.end(), ']', ')');
  return text;
}

std::string Position(int column, int row) {
  return "column " + std::to_string(column) + ", row " + std::to_string(row);
}

enum class Kind { Block, Letter, Hyphen, Other };
struct Cell {
  Kind kind = Kind::Block;
  std::string text;  // the letter, or the characters of an Other cell (Windows-1252)
};

struct Failure {
  std::string message;
};

// One clue as the file gives it.
struct RawClue {
  std::string label;
  std::string clue;
  std::optional<std::string> answer;      // letters of "answer", when given
  std::vector<std::pair<long, long>> at;  // "cells" as written
};

// The value of a solution or puzzle entry: a string, or an object's "value".
std::optional<std::string> EntryText(const Json& entry) {
  if (entry.is_string()) return entry.get<std::string>();
  if (entry.is_object()) {
    const auto value = entry.find("value");
    if (value != entry.end() && value->is_string()) return value->get<std::string>();
  }
  return std::nullopt;
}

Cell ReadCell(const Json& solution, const Json* puzzle, const std::string& block, int column,
              int row) {
  Cell cell;
  std::optional<std::string> text = EntryText(solution);
  if (!text || *text == block || Trim(*text).empty()) {
    // A hyphen is given in the puzzle grid and may be missing from the solution.
    if (puzzle) {
      const auto shown = EntryText(*puzzle);
      if (shown && Trim(*shown) == "-") cell.kind = Kind::Hyphen;
    }
    return cell;
  }
  const std::string value = UpperCase(Trim(*text));
  if (value == "-") {
    cell.kind = Kind::Hyphen;
    return cell;
  }
  const auto letters = std::count_if(value.begin(), value.end(), IsUpperLetter);
  if (value.size() == 1 && letters == 1) {
    cell.kind = Kind::Letter;
    cell.text = value;
    return cell;
  }
  if (letters > 0)
    throw Failure{"The cell at " + Position(column + 1, row + 1) + " holds \"" + value +
                  "\"; a quotation cell holds one letter."};
  cell.kind = Kind::Other;
  cell.text = value;
  return cell;
}

std::string LabelOf(const Json& clue, std::size_t k) {
  for (const char* key : {"label", "number"}) {
    const auto it = clue.find(key);
    if (it == clue.end()) continue;
    if (it->is_string()) return it->get<std::string>();
    if (it->is_number_integer()) return std::to_string(it->get<long long>());
  }
  return "#" + std::to_string(k + 1);
}

std::vector<RawClue> ReadClues(const Json& ipuz) {
  const auto clues = ipuz.find("clues");
  if (clues == ipuz.end() || !clues->is_object() || clues->empty())
    throw Failure{"The ipuz file holds no clues."};
  const Json* list = nullptr;
  if (const auto it = clues->find("Clues"); it != clues->end())
    list = &*it;
  else if (clues->size() == 1)
    list = &clues->begin().value();
  else
    throw Failure{"The ipuz file holds several clue lists; an acrostic has one, \"Clues\"."};
  if (!list->is_array() || list->empty()) throw Failure{"The ipuz file holds no clues."};
  if (list->size() > static_cast<std::size_t>(kMaxWords))
    throw Failure{"The ipuz file holds " + std::to_string(list->size()) +
                  " answers; a puzzle holds at most " + std::to_string(kMaxWords) + "."};

  std::vector<RawClue> out;
  for (std::size_t k = 0; k < list->size(); ++k) {
    const Json& item = (*list)[k];
    if (!item.is_object())
      throw Failure{"Clue " + std::to_string(k + 1) + " names no cells of the grid."};
    RawClue clue;
    clue.label = LabelOf(item, k);
    clue.clue = PlainText(item.value("clue", Json()));
    if (const auto answer = item.find("answer"); answer != item.end() && answer->is_string()) {
      const std::string letters = WordLetters(PlainText(*answer));
      if (!letters.empty()) clue.answer = letters;
    }
    const auto cells = item.find("cells");
    if (cells == item.end() || !cells->is_array() || cells->empty())
      throw Failure{"Answer " + clue.label + " names no cells of the grid."};
    for (const Json& pair : *cells) {
      if (!pair.is_array() || pair.size() != 2 || !pair[0].is_number_integer() ||
          !pair[1].is_number_integer())
        throw Failure{"Answer " + clue.label + ": its cells are not [column, row] pairs."};
      clue.at.emplace_back(pair[0].get<long>(), pair[1].get<long>());
    }
    out.push_back(std::move(clue));
  }
  return out;
}

// The coordinate base of the clues' cells. A 0 can only be 0-based and a coordinate
// equal to the width or height only 1-based; otherwise the base under which every
// answer letter lands on its own letter wins, 1 (the ipuz examples' base) when both do.
int DetectBase(const std::vector<RawClue>& clues, const std::vector<Cell>& grid, int width,
               int height) {
  bool zero = false, last = false;
  for (const RawClue& clue : clues)
    for (const auto& [c, r] : clue.at) {
      zero = zero || c == 0 || r == 0;
      last = last || c == width || r == height;
    }
  if (zero && last)
    throw Failure{
        "The clues' cells use both 0 and the grid's last column or row; they do not "
        "fit the grid under either count."};
  if (zero) return 0;
  if (last) return 1;
  const auto fits = [&](int base) {
    for (const RawClue& clue : clues)
      for (std::size_t j = 0; j < clue.at.size(); ++j) {
        const long c = clue.at[j].first - base, r = clue.at[j].second - base;
        if (c < 0 || r < 0 || c >= width || r >= height) return false;
        const Cell& cell = grid[static_cast<std::size_t>(r * width + c)];
        if (cell.kind != Kind::Letter) return false;
        if (clue.answer && j < clue.answer->size() && (*clue.answer)[j] != cell.text[0])
          return false;
      }
    return true;
  };
  return fits(1) || !fits(0) ? 1 : 0;
}

// The quotation of the grid in reading order: blocks break words.
std::string QuotationOfGrid(const std::vector<Cell>& grid) {
  std::string quote;
  bool pendingBreak = false;
  for (const Cell& cell : grid) {
    if (cell.kind == Kind::Block) {
      pendingBreak = !quote.empty();
      continue;
    }
    if (pendingBreak) quote += ' ';
    pendingBreak = false;
    quote += cell.kind == Kind::Hyphen ? std::string("-") : cell.text;
  }
  return quote;
}

// The letters of a master quote, in order.
std::string LettersOf(const std::string& master) {
  std::string letters;
  for (char c : master)
    if (IsUpperLetter(c)) letters += c;
  return letters;
}

// Author, work and quotation give their letters folded to A-Z, as in a new puzzle.
std::string Folded(const std::string& text) {
  return FoldLetters(text).text;
}

std::string MasterOf(const std::string& quote) {
  return CollapseBlanks(MakeMasterQuote(UpperCase(FixSpacesAndHyphens(Folded(quote)))));
}

IpuzImport Read(std::string_view bytes) {
  IpuzImport result;
  std::string text(bytes);
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  // Files are often published wrapped as ipuz({...}) for loading by a script.
  {
    const std::string trimmed = Trim(text);
    if (trimmed.rfind("ipuz(", 0) == 0) {
      std::string inner = trimmed.substr(5);
      if (!inner.empty() && inner.back() == ';') inner.pop_back();
      if (!inner.empty() && inner.back() == ')') inner.pop_back();
      text = inner;
    }
  }
  const Json ipuz = Json::parse(text, nullptr, false);
  if (ipuz.is_discarded()) throw Failure{"This ipuz file is damaged: it is not valid JSON."};
  if (!ipuz.is_object()) throw Failure{kNotAcrosticIpuz};

  bool acrostic = false;
  const auto kind = ipuz.find("kind");
  if (kind != ipuz.end()) {
    const auto isAcrostic = [](const Json& k) {
      return k.is_string() && k.get<std::string>().rfind("http://ipuz.org/acrostic", 0) == 0;
    };
    if (kind->is_array())
      acrostic = std::any_of(kind->begin(), kind->end(), isAcrostic);
    else
      acrostic = isAcrostic(*kind);
  }
  if (!acrostic) throw Failure{kNotAcrosticIpuz};

  const Json dims = ipuz.value("dimensions", Json());
  if (!dims.is_object() || !dims.value("width", Json()).is_number_integer() ||
      !dims.value("height", Json()).is_number_integer())
    throw Failure{"The ipuz file gives no grid size (\"dimensions\")."};
  const long width = dims["width"].get<long>(), height = dims["height"].get<long>();
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide ||
      width * height > kMaxPositions)
    throw Failure{"The grid size of this ipuz file (" + std::to_string(width) + " x " +
                  std::to_string(height) + ") is not one a puzzle can have."};
  const int w = static_cast<int>(width), h = static_cast<int>(height);

  const Json solution = ipuz.value("solution", Json());
  if (!solution.is_array())
    throw Failure{"The ipuz file has no solution grid, so its quotation is unknown."};
  const Json puzzle = ipuz.value("puzzle", Json());
  const std::string block = ipuz.value("block", Json("#")).is_string()
                                ? ipuz.value("block", Json("#")).get<std::string>()
                                : std::string("#");
  if (solution.size() != static_cast<std::size_t>(h))
    throw Failure{"The solution grid does not have the rows its dimensions give."};
  std::vector<Cell> grid;
  for (int r = 0; r < h; ++r) {
    const Json& row = solution[static_cast<std::size_t>(r)];
    if (!row.is_array() || row.size() != static_cast<std::size_t>(w))
      throw Failure{"Row " + std::to_string(r + 1) +
                    " of the solution grid does not have the columns its dimensions give."};
    const Json* puzzleRow =
        puzzle.is_array() && puzzle.size() == static_cast<std::size_t>(h) &&
                puzzle[static_cast<std::size_t>(r)].is_array() &&
                puzzle[static_cast<std::size_t>(r)].size() == static_cast<std::size_t>(w)
            ? &puzzle[static_cast<std::size_t>(r)]
            : nullptr;
    for (int c = 0; c < w; ++c)
      grid.push_back(ReadCell(row[static_cast<std::size_t>(c)],
                              puzzleRow ? &(*puzzleRow)[static_cast<std::size_t>(c)] : nullptr,
                              block, c, r));
  }

  std::vector<RawClue> clues = ReadClues(ipuz);
  const int base = DetectBase(clues, grid, w, h);
  result.coordinateBase = base;

  // Letter ordinal (0-based, reading order) of every grid position holding a letter.
  std::vector<int> ordinal(grid.size(), -1);
  std::string gridLetters;
  for (std::size_t i = 0; i < grid.size(); ++i)
    if (grid[i].kind == Kind::Letter) {
      ordinal[i] = static_cast<int>(gridLetters.size());
      gridLetters += grid[i].text;
    }
  if (gridLetters.empty()) throw Failure{"The solution grid holds no letters."};

  // The answers, each letter on a distinct cell holding that letter.
  struct Answer {
    std::string label, clue, word;
    std::vector<int> ordinals;
  };
  std::vector<Answer> answers;
  std::vector<std::string> usedBy(grid.size());
  for (const RawClue& raw : clues) {
    Answer answer{raw.label, raw.clue, {}, {}};
    if (raw.answer && raw.answer->size() != raw.at.size())
      throw Failure{"Answer " + raw.label + " (" + *raw.answer + ") has " +
                    std::to_string(raw.answer->size()) + " letters but names " +
                    std::to_string(raw.at.size()) + " cells."};
    for (std::size_t j = 0; j < raw.at.size(); ++j) {
      const auto [fileColumn, fileRow] = raw.at[j];
      const long c = fileColumn - base, r = fileRow - base;
      const std::string where = Position(static_cast<int>(fileColumn), static_cast<int>(fileRow));
      if (c < 0 || r < 0 || c >= w || r >= h)
        throw Failure{"Answer " + raw.label + ": letter " + std::to_string(j + 1) +
                      " lies outside the grid (" + where + ")."};
      const std::size_t at = static_cast<std::size_t>(r * w + c);
      const Cell& cell = grid[at];
      if (cell.kind != Kind::Letter)
        throw Failure{"Answer " + raw.label + ": letter " + std::to_string(j + 1) +
                      " sits on a cell that holds no letter (" + where + ")."};
      const char letter = raw.answer ? (*raw.answer)[j] : cell.text[0];
      if (letter != cell.text[0])
        throw Failure{"Answer " + raw.label + ": letter " + std::to_string(j + 1) + " (" +
                      std::string(1, letter) + ") sits in a cell of the letter " + cell.text +
                      " (" + where + ")."};
      if (!usedBy[at].empty())
        throw Failure{"Answer " + raw.label + ": the cell at " + where + " is used twice (answer " +
                      usedBy[at] + " uses it too)."};
      usedBy[at] = raw.label;
      answer.word += letter;
      answer.ordinals.push_back(ordinal[at]);
    }
    if (answer.word.size() > static_cast<std::size_t>(kMaxWordLetters))
      throw Failure{"Answer " + raw.label + " does not fit an answer row: it has more than " +
                    std::to_string(kMaxWordLetters) + " letters."};
    answers.push_back(std::move(answer));
  }
  std::string initials;
  for (const Answer& a : answers) initials += a.word[0];

  // Author and work.
  std::string author, work;
  const std::string notes = PlainText(ipuz.value("notes", Json()));
  const std::size_t at = notes.find('@');
  if (at != std::string::npos && notes.find('@', at + 1) == std::string::npos &&
      MakeQuotellaString(StripParens(Folded(notes.substr(0, at))) +
                         StripParens(Folded(notes.substr(at + 1)))) == initials) {
    author = notes.substr(0, at);
    work = notes.substr(at + 1);
    result.notes.push_back("Author and work were taken from the notes of the ipuz file.");
  } else {
    author = initials;
    result.notes.push_back("Author and work were taken from the initials of the answers.");
  }
  const std::string quotellaStr =
      MakeQuotellaString(StripParens(Folded(author)) + StripParens(Folded(work)));
  for (std::size_t k = 0; k < answers.size(); ++k)
    if (k >= quotellaStr.size() || answers[k].word[0] != quotellaStr[k])
      throw Failure{"Answer " + answers[k].label + " (" + answers[k].word +
                    ") does not fit its row: the row's initial is " +
                    (k < quotellaStr.size() ? std::string(1, quotellaStr[k]) : "missing") + "."};

  // The quotation: our own line when the file carries it and it matches the grid.
  std::string quote = QuotationOfGrid(grid);
  if (const auto ext = ipuz.find(kIpuzExtensionKey); ext != ipuz.end() && ext->is_object()) {
    const auto line = ext->find("quotation");
    if (line != ext->end() && line->is_string()) {
      const QuoteLineParts parts = ParseQuoteLine(line->get<std::string>());
      std::string single = parts.quote;
      std::replace(single.begin(), single.end(), '\r', ' ');
      std::replace(single.begin(), single.end(), '\n', ' ');
      if (parts.ok && LettersOf(MasterOf(single)) == gridLetters) quote = single;
    }
  }
  const std::string master = MasterOf(quote);
  if (LettersOf(master) != gridLetters)
    throw Failure{"The quotation of this ipuz file cannot be laid into cells."};
  if (const std::string problem = CapacityProblem(quotellaStr, master); !problem.empty())
    throw Failure{problem};
  // Cell index (1-based) of each letter ordinal.
  std::vector<int> cellOfOrdinal;
  for (std::size_t i = 0; i < master.size(); ++i)
    if (IsUpperLetter(master[i])) cellOfOrdinal.push_back(static_cast<int>(i) + 1);
  const int numCells = static_cast<int>(master.size());

  // The grid shape: the file's width when the window can show it, the blocks before the
  // first cell as the offset.
  int columns = w, offset = 0;
  if (w < 8 || w > 52) {
    columns = 21;
    result.notes.push_back("The grid of the ipuz file is " + std::to_string(w) +
                           " columns wide; it is laid out 21 wide.");
  } else {
    while (offset < static_cast<int>(grid.size()) &&
           grid[static_cast<std::size_t>(offset)].kind == Kind::Block)
      ++offset;
    offset %= columns;
  }
  const int rows = (offset + numCells + columns - 1) / columns;

  std::vector<std::string>& out = result.puzzleFile;
  out.push_back(kPuzzleFileHeader);
  const std::string quoteLine = NoSectionTags(author + "@" + work + "@" + quote);
  if (NeedsFoldedMarker(quoteLine)) out.push_back(kFoldedLettersMarker);
  out.push_back("[QUOTE]");
  out.push_back(quoteLine);
  out.push_back("[GRID]");
  for (int r = 0; r < rows; ++r) {
    std::string line(static_cast<std::size_t>(columns), '#');
    for (int c = 0; c < columns; ++c) {
      const int cell = r * columns + c + 1 - offset;
      if (cell >= 1 && cell <= numCells && master[static_cast<std::size_t>(cell - 1)] != ' ')
        line[static_cast<std::size_t>(c)] = master[static_cast<std::size_t>(cell - 1)];
    }
    out.push_back(line);
  }
  out.push_back("[NUMGRID]");
  for (const Answer& a : answers) {
    std::string line;
    for (int o : a.ordinals)
      line += std::to_string(cellOfOrdinal[static_cast<std::size_t>(o)]) + " ";
    out.push_back(line);
  }
  out.push_back("[title]");
  const std::string title = NoBrackets(PlainText(ipuz.value("title", Json())));
  out.push_back(title.empty() ? "Untitled" : title);
  out.push_back("[byline]");
  const std::string byline = NoBrackets(PlainText(ipuz.value("author", Json())));
  out.push_back(byline.empty() ? "by Anonymous" : byline);
  out.push_back("[copyright]");
  out.push_back(NoBrackets(PlainText(ipuz.value("copyright", Json()))));
  out.push_back("[labels]");
  out.push_back("");
  out.push_back("[keywords]");
  Tpuzzle labels;
  MakeLabels(labels);
  for (std::size_t k = 0; k < answers.size(); ++k) {
    const std::string& label = labels.Labels[k + 1];
    out.push_back(
        NoSectionTags(answers[k].clue.empty() ? label + "." : label + ". " + answers[k].clue));
    out.push_back(answers[k].word);
    out.push_back("");
  }
  out.push_back("[randseed]");
  out.push_back(kStoredSeed);
  result.ok = true;
  return result;
}

}  // namespace

IpuzImport ReadIpuz(std::string_view bytes) {
  try {
    return Read(bytes);
  } catch (const Failure& failure) {
    IpuzImport refused;
    refused.error = failure.message;
    return refused;
  } catch (const std::exception&) {
    IpuzImport refused;
    refused.error = "This ipuz file is damaged and cannot be read.";
    return refused;
  }
}

bool LoadIpuzFile(PuzzleDocument& doc, FileSession& session, const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) {
    doc.host().Message("Could not load file ");
    return false;
  }
  const IpuzImport read = ReadIpuz(*bytes);
  if (!read.ok) {
    doc.host().Message(read.error);
    return false;
  }
  if (session.BeforePuzzleLoad) session.BeforePuzzleLoad();
  for (const std::string& note : read.notes) doc.host().Message(note);
  session.Output.Lines = read.puzzleFile;
  if (!LoadPuzzleFromEditor(doc, session)) return false;
  // The puzzle is ours now: saving it must not write over the ipuz file.
  session.CurrentPuzzleFile = ChangeExtension(path, ".qtl");
  session.LastFile = session.CurrentPuzzleFile;
  if (const std::string folder = FolderOf(path); !folder.empty()) session.CurrentDir = folder;
  SetCaption(session, session.CurrentPuzzleFile);
  return true;
}

}  // namespace quotella
