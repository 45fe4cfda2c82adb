#include "ipuzcheck.h"

#include <nlohmann/json.hpp>
#include <set>

namespace quotella::test {

namespace {

using Json = nlohmann::json;

bool IsLetter(const std::string& s) {
  return s.size() == 1 && s[0] >= 'A' && s[0] <= 'Z';
}

// Text fields may hold HTML: a raw "<" or an "&" that starts no entity is not allowed
// in our output (we write no markup).
bool HtmlSafe(const std::string& s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '<' || s[i] == '>') return false;
    if (s[i] == '&') {
      const std::size_t semi = s.find(';', i);
      if (semi == std::string::npos || semi - i > 8) return false;
    }
  }
  return true;
}

bool IsLabeledCell(const Json& v, std::string& why) {
  if (v.is_null() || v.is_number_integer() || v.is_string()) return true;
  if (!v.is_object()) {
    why = "is neither a number, a string, null nor an object";
    return false;
  }
  for (const auto& [key, value] : v.items()) {
    if (key == "cell") {
      if (!value.is_number_integer() && !value.is_string()) return why = "cell", false;
    } else if (key == "value") {
      if (!value.is_string()) return why = "value", false;
    } else if (key == "style") {
      if (!value.is_object()) return why = "style", false;
      for (const auto& [sk, sv] : value.items()) {
        if (sk != "mark") continue;
        static const std::set<std::string> kCorners = {"TL", "T",  "TR", "L", "C",
                                                       "R",  "BL", "B",  "BR"};
        if (!sv.is_object()) return why = "mark", false;
        for (const auto& [mk, mv] : sv.items())
          if (!kCorners.count(mk) || !mv.is_string()) return why = "mark " + mk, false;
      }
    } else {
      return why = "unknown key " + key, false;
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> CheckAcrosticIpuz(const std::string& text) {
  std::vector<std::string> problems;
  const auto fail = [&](const std::string& p) { problems.push_back(p); };
  const Json ipuz = Json::parse(text, nullptr, false);
  if (ipuz.is_discarded() || !ipuz.is_object()) return {"not a JSON object"};

  static const std::set<std::string> kKnown = {"version",
                                               "kind",
                                               "copyright",
                                               "publisher",
                                               "publication",
                                               "url",
                                               "uniqueid",
                                               "title",
                                               "intro",
                                               "explanation",
                                               "annotation",
                                               "author",
                                               "editor",
                                               "date",
                                               "notes",
                                               "difficulty",
                                               "origin",
                                               "block",
                                               "empty",
                                               "styles",
                                               "volatile",
                                               "checksum",
                                               "dimensions",
                                               "puzzle",
                                               "saved",
                                               "solution",
                                               "zones",
                                               "clues",
                                               "showenumerations",
                                               "clueplacement",
                                               "answer",
                                               "answers",
                                               "enumeration",
                                               "enumerations",
                                               "misses",
                                               "charset",
                                               "fakeclues",
                                               "enumerations"};
  for (const auto& [key, value] : ipuz.items())
    if (!kKnown.count(key) && key.find('.') == std::string::npos &&
        key.find(':') == std::string::npos)
      fail("bare key not defined by ipuz: " + key);

  if (!ipuz.contains("version") || !ipuz["version"].is_string() ||
      ipuz["version"].get<std::string>().rfind("http://ipuz.org/v", 0) != 0)
    fail("version missing or not an ipuz version");
  bool acrostic = false;
  if (ipuz.contains("kind") && ipuz["kind"].is_array())
    for (const auto& k : ipuz["kind"])
      acrostic = acrostic ||
                 (k.is_string() && k.get<std::string>().rfind("http://ipuz.org/acrostic", 0) == 0);
  if (!acrostic) fail("kind does not name the acrostic kind");
  for (const char* key : {"title", "author", "copyright", "notes"})
    if (ipuz.contains(key) && (!ipuz[key].is_string() || !HtmlSafe(ipuz[key].get<std::string>())))
      fail(std::string(key) + " is not an escaped text");

  const Json& dims = ipuz.value("dimensions", Json());
  if (!dims.is_object() || !dims.value("width", Json()).is_number_integer() ||
      !dims.value("height", Json()).is_number_integer()) {
    fail("dimensions missing");
    return problems;
  }
  const int width = dims["width"], height = dims["height"];
  if (width < 1 || height < 1) return fail("dimensions not positive"), problems;
  const std::string block = ipuz.value("block", std::string("#"));

  const Json& puzzle = ipuz.value("puzzle", Json());
  const Json& solution = ipuz.value("solution", Json());
  const auto shaped = [&](const Json& grid) {
    if (!grid.is_array() || grid.size() != static_cast<std::size_t>(height)) return false;
    for (const auto& row : grid)
      if (!row.is_array() || row.size() != static_cast<std::size_t>(width)) return false;
    return true;
  };
  if (!shaped(puzzle)) return fail("puzzle grid does not match the dimensions"), problems;
  if (!shaped(solution)) return fail("solution grid does not match the dimensions"), problems;

  std::vector<std::vector<int>> uses(height, std::vector<int>(width, 0));
  std::set<long long> numbers;
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) {
      const Json& p = puzzle[r][c];
      const Json& s = solution[r][c];
      std::string why;
      if (!IsLabeledCell(p, why))
        fail("puzzle cell " + std::to_string(c + 1) + "," + std::to_string(r + 1) + ": " + why);
      const bool pBlock = p.is_string() && p.get<std::string>() == block;
      const bool sBlock = s.is_string() && s.get<std::string>() == block;
      if (pBlock != sBlock)
        fail("block in only one grid at " + std::to_string(c + 1) + "," + std::to_string(r + 1));
      if (!s.is_string() && !s.is_null()) fail("solution value is not a string");
      if (s.is_string() && IsLetter(s.get<std::string>())) {
        const Json cell = p.is_object() ? p.value("cell", Json()) : p;
        if (!cell.is_number_integer() || cell.get<long long>() <= 0)
          fail("letter cell without a number");
        else if (!numbers.insert(cell.get<long long>()).second)
          fail("cell number used twice: " + std::to_string(cell.get<long long>()));
      }
    }

  const Json& clues = ipuz.value("clues", Json());
  if (!clues.is_object() || clues.empty()) return fail("clues missing"), problems;
  for (const auto& [direction, list] : clues.items()) {
    if (!list.is_array()) {
      fail("clue list " + direction + " is not an array");
      continue;
    }
    for (const auto& clue : list) {
      if (!clue.is_object()) {
        fail("clue is not an object");
        continue;
      }
      const Json& number = clue.value("number", Json());
      if (!number.is_string() && !number.is_number_integer()) fail("clue without a number");
      if (!clue.value("clue", Json()).is_string() || !HtmlSafe(clue["clue"].get<std::string>()))
        fail("clue text missing or not escaped");
      const Json& cells = clue.value("cells", Json());
      if (!cells.is_array() || cells.empty()) {
        fail("clue without cells");
        continue;
      }
      std::string letters;
      for (const auto& xy : cells) {
        if (!xy.is_array() || xy.size() != 2 || !xy[0].is_number_integer() ||
            !xy[1].is_number_integer()) {
          fail("cell is not a [column, row] pair");
          continue;
        }
        const int c = xy[0], r = xy[1];
        if (c < 1 || r < 1 || c > width || r > height) {
          fail("cell outside the grid: " + std::to_string(c) + "," + std::to_string(r));
          continue;
        }
        const Json& s = solution[r - 1][c - 1];
        if (!s.is_string() || !IsLetter(s.get<std::string>())) {
          fail("answer cell holds no letter");
          continue;
        }
        letters += s.get<std::string>();
        ++uses[r - 1][c - 1];
      }
      if (clue.contains("answer") && clue["answer"] != letters)
        fail("answer " + clue["answer"].dump() + " does not match its cells " + letters);
      if (clue.contains("enumeration") && clue["enumeration"] != std::to_string(cells.size()))
        fail("enumeration does not match the cells");
    }
  }
  for (int r = 0; r < height; ++r)
    for (int c = 0; c < width; ++c) {
      const Json& s = solution[r][c];
      if (s.is_string() && IsLetter(s.get<std::string>()) && uses[r][c] != 1)
        fail("letter cell " + std::to_string(c + 1) + "," + std::to_string(r + 1) + " is in " +
             std::to_string(uses[r][c]) + " answers");
    }
  return problems;
}

}  // namespace quotella::test
