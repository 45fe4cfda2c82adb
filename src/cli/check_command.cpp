#include <algorithm>
#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/command.h"
#include "core/linescan.h"
#include "core/quoteparse.h"
#include "core/textio.h"

namespace quotella::cli {
namespace {

using nlohmann::ordered_json;

const char* const kUsage =
    "  quotella-cli check \"<author@work@quotation>\" [--json]\n"
    "      the line as parsed, the quotella string, the master quote and whether a\n"
    "      puzzle can be made of it\n"
    "  quotella-cli check --file QUOTES [--json]\n"
    "      one verdict per line of a quotes file: POSSIBLE, IMPOSSIBLE, UNPARSABLE, BLANK";

struct Verdict {
  std::string name;
  std::string message;
};

// The verdict of a quotes-editor line, judged as a double click on it would be.
Verdict Judge(const std::string& line, const QuoteLineCheck& check) {
  if (Trim(line).empty()) return {"BLANK", ""};
  if (!check.parts.ok) return {"UNPARSABLE", "Could not parse Quote line. Check formatting."};
  if (!check.possible) return {"IMPOSSIBLE", check.message};
  return {"POSSIBLE", ""};
}

std::string SpareText(const QuoteLineCheck& c) {
  std::string out;
  const LetterCounts quote = CountAZ(c.masterQuote);
  const LetterCounts initials = CountAZ(c.quotellaStr);
  for (std::size_t l = 0; l < 26; ++l) {
    if (quote[l] == 0 && initials[l] == 0) continue;
    if (!out.empty()) out += ' ';
    out += std::string(1, static_cast<char>('A' + l)) + "=" + std::to_string(c.spareCount[l]);
  }
  return out;
}

ordered_json SpareJson(const QuoteLineCheck& c) {
  ordered_json spare = ordered_json::object();
  const LetterCounts quote = CountAZ(c.masterQuote);
  const LetterCounts initials = CountAZ(c.quotellaStr);
  for (std::size_t l = 0; l < 26; ++l)
    if (quote[l] != 0 || initials[l] != 0)
      spare[std::string(1, static_cast<char>('A' + l))] = c.spareCount[l];
  return spare;
}

int CheckOne(const std::string& line, bool json) {
  const std::string trimmed = Trim(line);
  const QuoteLineCheck c = CheckQuoteLine(trimmed);
  const Verdict v = Judge(trimmed, c);
  if (json) {
    ordered_json j;
    j["line"] = trimmed;
    j["verdict"] = v.name;
    j["possible"] = v.name == "POSSIBLE";
    j["message"] = v.message;
    j["author"] = c.parts.author;
    j["work"] = c.parts.work;
    j["quotation"] = c.parts.quote;
    j["authorText"] = c.authorText;
    j["workText"] = c.workText;
    j["quotellaStr"] = c.quotellaStr;
    j["quote"] = c.quote;
    j["masterQuote"] = c.masterQuote;
    j["numWords"] = c.quotellaStr.size();
    j["numCells"] = c.masterQuote.size();
    j["spareCount"] = SpareJson(c);
    j["singletonStr"] = c.singletonStr;
    std::cout << j.dump(2) << "\n";
    return 0;
  }
  const std::pair<const char*, std::string> rows[] = {
      {"Author:          ", c.parts.author}, {"Work:            ", c.parts.work},
      {"Quotation:       ", c.parts.quote},  {"Reduced author:  ", c.authorText},
      {"Reduced work:    ", c.workText},     {"Quotella string: ", c.quotellaStr},
      {"Normalised:      ", c.quote},        {"Master quote:    ", c.masterQuote},
      {"Verdict:         ", v.name},         {"Message:         ", v.message},
      {"Spare counts:    ", SpareText(c)},   {"Singletons:      ", c.singletonStr},
  };
  for (const auto& [label, text] : rows) PrintLine(std::cout, label + text);
  return 0;
}

// Indents every line of a JSON text after the first by `by` blanks, so that an item
// dumped alone sits where the whole document's dump would put it.
std::string Indented(const std::string& text, const std::string& by) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '\n') out += by;
  }
  return out;
}

// Goes through the file's lines once, printing each verdict as it is found, so that a file
// of millions of lines needs no more memory than its text.
int CheckFile(const std::string& path, bool json) {
  const auto text = ReadText(path);
  if (!text) {
    std::cerr << "quotella-cli: cannot read " << path << "\n";
    return 1;
  }
  std::size_t counts[4] = {0, 0, 0, 0};
  const char* const names[4] = {"POSSIBLE", "IMPOSSIBLE", "UNPARSABLE", "BLANK"};
  std::size_t n = 0;
  std::string out;
  const auto flush = [&](std::size_t atLeast) {
    if (out.size() < atLeast) return;
    std::cout << out;
    out.clear();
  };
  if (json) out = "{\n  \"file\": " + ordered_json(path).dump() + ",\n  \"lines\": [";
  const Verdict blank{"BLANK", ""};
  ForEachLine(*text, [&](std::string_view raw) {
    ++n;
    const bool isBlank = std::all_of(raw.begin(), raw.end(),
                                     [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (isBlank && !json) {
      ++counts[3];
      char number[24];
      out.append(number, std::to_chars(number, number + sizeof number, n).ptr);
      out += "\tBLANK\n";
      flush(1 << 16);
      return;
    }
    const std::string line = Trim(std::string(raw));
    const Verdict v = isBlank ? blank : Judge(line, CheckQuoteLine(line));
    for (int k = 0; k < 4; ++k)
      if (v.name == names[k]) ++counts[k];
    if (json) {
      const ordered_json item = {{"line", n}, {"verdict", v.name}, {"message", v.message}};
      out += n == 1 ? "\n    " : ",\n    ";
      out += Indented(item.dump(2), "    ");
    } else {
      out += std::to_string(n);
      out += '\t';
      out += v.name;
      if (!v.message.empty()) {
        out += '\t';
        out += v.message;
      }
      out += '\n';
    }
    flush(1 << 16);
  });
  if (json) {
    ordered_json summary;
    for (int k = 0; k < 4; ++k) summary[names[k]] = counts[k];
    out += n == 0 ? "]" : "\n  ]";
    out += ",\n  \"summary\": " + Indented(summary.dump(2), "  ") + "\n}\n";
    flush(0);
  } else {
    flush(0);
    std::cerr << n << " lines: " << counts[0] << " possible, " << counts[1] << " impossible, "
              << counts[2] << " unparsable, " << counts[3] << " blank\n";
  }
  return 0;
}

int RunCheck(const std::vector<std::string>& args) {
  bool json = false;
  std::optional<std::string> file;
  std::optional<std::string> line;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i == optionsEnd) continue;
    // After "--" every argument is the quotation line, however it starts.
    if (i > optionsEnd || args[i].rfind("--", 0) != 0) {
      if (line) return UsageError("check", "give one quotation line (quote it)");
      line = TextArg(args[i]);
    } else if (args[i] == "--json") {
      json = true;
    } else if (args[i] == "--file") {
      if (i + 1 >= args.size()) return UsageError("check", "--file needs a file name");
      if (file) return UsageError("check", "only one --file");
      file = args[++i];
    } else {
      return UsageError("check", "unknown option " + args[i]);
    }
  }
  if (file && line) return UsageError("check", "give a quotation line or --file, not both");
  if (file) return CheckFile(*file, json);
  if (line) return CheckOne(*line, json);
  return UsageError("check", "give a quotation line or --file QUOTES");
}

const Registration reg{{"check", kUsage, RunCheck}};

}  // namespace
}  // namespace quotella::cli
