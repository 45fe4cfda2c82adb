#include "formats/ipuzimport.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
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

constexpr long long kMaxSide = 1000;
constexpr long long kMaxPositions = 100000;

// Plain text as one line.
std::string OneLine(const std::string& utf8) {
  std::string text = utf8;
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return Trim(text);
}

std::string PlainText(const Json& value) {
  return value.is_string() ? OneLine(HtmlToText(value.get<std::string>())) : std::string();
}

// A grid position as the file writes it.
std::string Position(long long column, long long row) {
  return "column " + std::to_string(column) + ", row " + std::to_string(row);
}

// The index into a width x height grid of a position the file writes with the given
// base; nullopt when it lies outside. Any written values are safe.
std::optional<std::size_t> GridIndex(long long column, long long row, int base, int width,
                                     int height) {
  if (column < base || row < base || column - base >= width || row - base >= height)
    return std::nullopt;
  return static_cast<std::size_t>((row - base) * width + (column - base));
}

// A JSON number that is a whole number, as 21 or 21.0; nullopt for anything else and for
// numbers beyond 2^53, where a float no longer tells whole numbers apart.
std::optional<long long> WholeNumber(const Json& value) {
  constexpr long long kLimit = 1LL << 53;
  if (value.is_number_integer()) {
    if (value.is_number_unsigned())
      return value.get<unsigned long long>() <= static_cast<unsigned long long>(LLONG_MAX)
                 ? std::optional<long long>(value.get<long long>())
                 : std::nullopt;
    return value.get<long long>();
  }
  if (!value.is_number_float()) return std::nullopt;
  const double number = value.get<double>();
  if (!std::isfinite(number) || std::trunc(number) != number || number < -kLimit || number > kLimit)
    return std::nullopt;
  return static_cast<long long>(number);
}

// The characters of UTF-8 text, each as its code point and its bytes. A byte that does
// not start a character stands for itself as U+FFFD.
std::vector<std::pair<char32_t, std::string>> Characters(const std::string& utf8) {
  std::vector<std::pair<char32_t, std::string>> out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead >= 0x80 && (lead < 0xC0 || i + length > utf8.size())) {
      out.emplace_back(0xFFFD, utf8.substr(i, 1));
      ++i;
      continue;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.emplace_back(code, utf8.substr(i, length));
    i += length;
  }
  return out;
}

// A character a cell may hold besides a letter: ASCII punctuation, and the punctuation
// and symbols of Windows-1252. Letters beyond A to Z are not among them.
bool IsCellPunctuation(char32_t code) {
  static const char32_t kSymbols[] = {0x20AC, 0x201A, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6,
                                      0x2030, 0x2039, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                      0x2013, 0x2014, 0x02DC, 0x2122, 0x203A, 0xD7,   0xF7};
  if (code < 0x80) return !std::isalpha(static_cast<int>(code));
  if (code >= 0xA0 && code <= 0xBF) return code != 0xAA && code != 0xB5 && code != 0xBA;
  return std::find(std::begin(kSymbols), std::end(kSymbols), code) != std::end(kSymbols);
}

// "U+00C9" for a code point.
std::string CodePointName(char32_t code) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(code));
  return buffer;
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
  std::optional<std::string> answer;                // letters of "answer", when given
  std::vector<std::pair<long long, long long>> at;  // "cells" as written
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
  const std::string written = Trim(*text);
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
  for (const auto& [code, character] : Characters(written))
    if (!IsCellPunctuation(code))
      throw Failure{"The cell at " + Position(column + 1, row + 1) + " holds \"" + character +
                    "\" (" + CodePointName(code) +
                    "); a quotation cell holds one of the letters A to Z."};
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
      const bool isPair = pair.is_array() && pair.size() == 2;
      const std::optional<long long> column = isPair ? WholeNumber(pair[0]) : std::nullopt;
      const std::optional<long long> row = isPair ? WholeNumber(pair[1]) : std::nullopt;
      if (!column.has_value() || !row.has_value())
        throw Failure{"Answer " + clue.label + ": its cells are not [column, row] pairs."};
      clue.at.emplace_back(column.value(), row.value());
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
        const auto at = GridIndex(clue.at[j].first, clue.at[j].second, base, width, height);
        if (!at) return false;
        const Cell& cell = grid[*at];
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

// A text field of our own extension object, as written (UTF-8).
std::optional<std::string> OwnField(const Json& ipuz, const char* key) {
  const auto own = ipuz.find(kIpuzExtensionKey);
  if (own == ipuz.end() || !own->is_object()) return std::nullopt;
  const auto field = own->find(key);
  if (field == own->end() || !field->is_string()) return std::nullopt;
  return field->get<std::string>();
}

// Author, work and quotation give their letters folded to A-Z, as in a new puzzle.
std::string Folded(const std::string& text) {
  return FoldLetters(text).text;
}

struct AuthorWork {
  std::string author, work;  // one line each
  std::string source;        // where they were found, for the import's note; empty for ours
};

// Author and work when they spell the given initials of the answers (all of them, or the
// first ones of a file that lacks its last clues).
bool Spells(const AuthorWork& candidate, const std::string& initials) {
  const std::string spelled = MakeQuotellaString(StripParens(Folded(candidate.author)) +
                                                 StripParens(Folded(candidate.work)));
  return !spelled.empty() && spelled.size() >= initials.size() &&
         spelled.compare(0, initials.size(), initials) == 0;
}

// Author and work split from a text written "author@work" (our older files' notes) or
// "author", an em dash, "work" (the explanation), or the author alone.
std::vector<AuthorWork> SplitsOf(const Json& field, const std::string& source) {
  std::vector<AuthorWork> out;
  if (!field.is_string()) return out;
  const std::string text = HtmlToText(field.get<std::string>());
  const auto add = [&](const std::string& author, const std::string& work) {
    out.push_back({OneLine(author), OneLine(work), source});
  };
  for (const std::string_view separator :
       {std::string_view("@"), std::string_view(kAuthorWorkSeparator)}) {
    const std::size_t at = text.find(separator);
    if (at != std::string::npos && text.find(separator, at + 1) == std::string::npos)
      add(text.substr(0, at), text.substr(at + separator.size()));
  }
  add(text, "");
  return out;
}

std::optional<AuthorWork> FindAuthorAndWork(const Json& ipuz, const std::string& initials) {
  std::vector<AuthorWork> candidates;
  const auto author = OwnField(ipuz, "author"), work = OwnField(ipuz, "work");
  if (author) candidates.push_back({OneLine(*author), OneLine(work.value_or("")), ""});
  if (const auto line = OwnField(ipuz, "quotation")) {
    const QuoteLineParts parts = ParseQuoteLine(*line);
    if (parts.ok) candidates.push_back({Trim(parts.author), Trim(parts.work), ""});
  }
  for (const auto& [key, source] :
       {std::pair<const char*, const char*>{"explanation", "explanation"}, {"notes", "notes"}})
    for (AuthorWork& split :
         SplitsOf(ipuz.value(key, Json()), std::string(source) + " of the ipuz file"))
      candidates.push_back(std::move(split));
  for (const AuthorWork& candidate : candidates)
    if (Spells(candidate, initials)) return candidate;
  return std::nullopt;
}

// The byline: ours as typed, else "by " and the file's author; the default without one.
std::string BylineOf(const Json& ipuz) {
  if (const auto own = OwnField(ipuz, "byline"); own && !OneLine(*own).empty())
    return OneLine(*own);
  const std::string author = PlainText(ipuz.value("author", Json()));
  if (author.empty()) return "by Anonymous";
  return LowerCase(author.substr(0, 3)) == "by " ? author : "by " + author;
}

// The copyright line: ours as typed, else the file's notice; a new puzzle's without one.
std::string CopyrightOf(const Json& ipuz) {
  if (const auto own = OwnField(ipuz, "copyright"); own && !OneLine(*own).empty())
    return OneLine(*own);
  const std::string copyright = PlainText(ipuz.value("copyright", Json()));
  return copyright.empty() ? FileSession().CopyrightText : copyright;
}

// The letters of a master quote, in order.
std::string LettersOf(const std::string& master) {
  std::string letters;
  for (char c : master)
    if (IsUpperLetter(c)) letters += c;
  return letters;
}

std::string MasterOf(const std::string& quote) {
  return CollapseBlanks(MakeMasterQuote(UpperCase(FixSpacesAndHyphens(Folded(quote)))));
}

// The JSON inside a script wrapper such as ipuz({...}) or callback({...}); in which
// files are often published for loading by a web page; the text itself otherwise.
std::string WithoutScriptWrapper(const std::string& text) {
  const std::string trimmed = Trim(text);
  std::size_t name = 0;
  while (name < trimmed.size() &&
         (std::isalnum(static_cast<unsigned char>(trimmed[name])) || trimmed[name] == '_' ||
          trimmed[name] == '$' || trimmed[name] == '.'))
    ++name;
  std::size_t open = name;
  while (open < trimmed.size() && std::isspace(static_cast<unsigned char>(trimmed[open]))) ++open;
  if (name == 0 || open >= trimmed.size() || trimmed[open] != '(') return text;
  std::string inner = Trim(trimmed.substr(open + 1));
  if (!inner.empty() && inner.back() == ';') inner = TrimRight(inner.substr(0, inner.size() - 1));
  if (inner.empty() || inner.back() != ')') return text;
  inner.pop_back();
  return inner;
}

// Reads the document section by section in one pass; one reader per section is still to do.
// NOLINTNEXTLINE(readability-function-size)
IpuzImport Read(std::string_view bytes) {
  IpuzImport result;
  if (bytes.size() > kMaxIpuzBytes) throw Failure{kIpuzTooLarge};
  std::string text(bytes);
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  text = WithoutScriptWrapper(text);
  if (JsonNestingTooDeepAt(text, kMaxIpuzNesting) != std::string_view::npos)
    throw Failure{kIpuzTooDeep};
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
  const auto widthGiven =
      dims.is_object() ? WholeNumber(dims.value("width", Json())) : std::nullopt;
  const auto heightGiven =
      dims.is_object() ? WholeNumber(dims.value("height", Json())) : std::nullopt;
  if (!widthGiven || !heightGiven)
    throw Failure{"The ipuz file gives no grid size (\"dimensions\")."};
  const long long width = *widthGiven, height = *heightGiven;
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
      const std::string where = Position(fileColumn, fileRow);
      const auto index = GridIndex(fileColumn, fileRow, base, w, h);
      if (!index)
        throw Failure{"Answer " + raw.label + ": letter " + std::to_string(j + 1) +
                      " lies outside the grid (" + where + ")."};
      const std::size_t at = *index;
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

  // Author and work: from our own fields, the explanation or (in older files of ours)
  // the notes when they spell the answers' initials, else the initials themselves. A file
  // that lacks its last clues still names them in full.
  std::string author = initials, work;
  const std::optional<AuthorWork> found = FindAuthorAndWork(ipuz, initials);
  if (found) {
    author = found->author;
    work = found->work;
  }
  // Our own fields are no guess of the reader's and need no note.
  if (!found)
    result.notes.push_back("Author and work were taken from the initials of the answers.");
  else if (!found->source.empty())
    result.notes.push_back("Author and work were taken from the " + found->source + ".");
  const std::string quotellaStr =
      MakeQuotellaString(StripParens(Folded(author)) + StripParens(Folded(work)));
  for (std::size_t k = 0; k < answers.size(); ++k)
    if (k >= quotellaStr.size() || answers[k].word[0] != quotellaStr[k])
      throw Failure{"Answer " + answers[k].label + " (" + answers[k].word +
                    ") does not fit its row: the row's initial is " +
                    (k < quotellaStr.size() ? std::string(1, quotellaStr[k]) : "missing") + "."};

  // The quotation: our own line when the file carries it and it matches the grid.
  std::string quote = QuotationOfGrid(grid);
  if (const auto line = OwnField(ipuz, "quotation")) {
    const QuoteLineParts parts = ParseQuoteLine(*line);
    std::string single = parts.quote;
    std::replace(single.begin(), single.end(), '\r', ' ');
    std::replace(single.begin(), single.end(), '\n', ' ');
    if (parts.ok && LettersOf(MasterOf(single)) == gridLetters) quote = single;
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
  const std::string quoteLine = author + "@" + work + "@" + quote;
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
  const std::string title = PlainText(ipuz.value("title", Json()));
  out.push_back(title.empty() ? "Untitled" : title);
  out.push_back("[byline]");
  out.push_back(BylineOf(ipuz));
  out.push_back("[copyright]");
  out.push_back(CopyrightOf(ipuz));
  out.push_back("[labels]");
  out.push_back("");
  out.push_back("[keywords]");
  Tpuzzle labels;
  MakeLabels(labels);
  for (std::size_t k = 0; k < answers.size(); ++k) {
    const std::string& label = labels.Labels[k + 1];
    out.push_back(answers[k].clue.empty() ? label + "." : label + ". " + answers[k].clue);
    out.push_back(answers[k].word);
    out.push_back("");
  }
  // Rows the file has no clue for (a file cut short) hold their initials.
  for (std::size_t k = answers.size(); k < quotellaStr.size(); ++k) {
    out.push_back(labels.Labels[k + 1] + ".");
    out.push_back(std::string(1, quotellaStr[k]));
    out.push_back("");
  }
  if (answers.size() < quotellaStr.size())
    result.notes.push_back("The ipuz file gives " + std::to_string(answers.size()) + " of the " +
                           std::to_string(quotellaStr.size()) +
                           " answers; the others hold only their initials.");
  out.push_back("[randseed]");
  out.push_back(kStoredSeed);
  result.ok = true;
  return result;
}

}  // namespace

std::size_t JsonNestingTooDeepAt(std::string_view json, int limit) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const char c = json[i];
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return i;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return std::string_view::npos;
}

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
  // A huge file is refused before it is read.
  std::error_code error;
  if (const auto size = std::filesystem::file_size(path, error); !error && size > kMaxIpuzBytes) {
    doc.host().Message(kIpuzTooLarge);
    return false;
  }
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
