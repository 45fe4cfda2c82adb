#include "quotes/quoteimport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "core/textio.h"

namespace quotella {
namespace {

// The dashes an attribution follows: two hyphens, the em dash, the en dash, the bar.
constexpr std::array<std::string_view, 4> kDashes = {"--", "\xE2\x80\x94", "\xE2\x80\x93",
                                                     "\xE2\x80\x95"};
constexpr std::size_t kExcerptLength = 40;

// The length of the dash the text starts with; 0 when it starts with none.
std::size_t DashAt(std::string_view text) {
  for (std::string_view dash : kDashes)
    if (text.substr(0, dash.size()) == dash) return dash.size();
  return 0;
}

// Where the last dash of a line that follows text begins and how long it is; npos when the
// line holds none. A lone hyphen counts only with blanks on both sides ("end - Author").
std::pair<std::size_t, std::size_t> LastDash(std::string_view line) {
  for (std::size_t i = line.size(); i-- > 0;) {
    if (const std::size_t n = DashAt(line.substr(i)); n > 0) {
      // "---" or "--" inside a longer run: take the run's start.
      std::size_t start = i;
      while (start > 0 && line[start - 1] == '-') --start;
      return {start, i + n - start};
    }
    if (line[i] == '-' && i > 0 && i + 1 < line.size() && line[i - 1] == ' ' && line[i + 1] == ' ')
      return {i, 1};
  }
  return {std::string_view::npos, 0};
}

std::string Joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) {
    std::string line = Trim(lines[i]);
    std::replace(line.begin(), line.end(), '\t', ' ');
    if (line.empty()) continue;
    if (!out.empty()) out += ' ';
    out += line;
  }
  return out;
}

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// A quotation wrapped whole in quotation marks loses them: the puzzle shows its own.
std::string Unquoted(std::string quote) {
  const std::pair<std::string_view, std::string_view> marks[] = {
      {"\"", "\""}, {"\xE2\x80\x9C", "\xE2\x80\x9D"}, {"\xC2\xAB", "\xC2\xBB"}};
  for (const auto& [open, close] : marks) {
    if (quote.size() > open.size() + close.size() && StartsWith(quote, open) &&
        EndsWith(quote, close)) {
      const std::string inner =
          quote.substr(open.size(), quote.size() - open.size() - close.size());
      if (inner.find(open) == std::string::npos) return Trim(inner);
    }
  }
  return quote;
}

// Two entries are one quotation when author and quotation agree in their letters and
// digits, whatever the case, blanks and punctuation.
std::string DuplicateKey(const std::string& author, const std::string& quote) {
  std::string key;
  const auto add = [&key](const std::string& text) {
    for (unsigned char c : text)
      if (std::isalnum(c) || c >= 0x80) key += static_cast<char>(std::tolower(c));
  };
  add(author);
  key += '\x01';
  add(quote);
  return key;
}

bool HasLetter(const std::string& text) {
  return std::any_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isalpha(c) || c >= 0x80; });
}

bool IsBlank(const std::string& line) {
  return Trim(line).empty();
}

}  // namespace

bool IsFortuneText(const std::vector<std::string>& lines) {
  return std::any_of(lines.begin(), lines.end(),
                     [](const std::string& line) { return TrimRight(line) == "%"; });
}

void QuoteImport::AddText(const std::string& text, const std::string& source) {
  const std::vector<std::string> lines = SplitLines(text);
  if (IsFortuneText(lines))
    AddFortuneEntries(lines, source);
  else
    AddParagraphs(lines, source);
}

std::vector<std::string> QuoteImport::Lines() const {
  std::vector<std::string> out;
  out.reserve(m_quotes.size());
  for (const auto& q : m_quotes) out.push_back(q.author + "@" + q.work + "@" + q.quote);
  return out;
}

void QuoteImport::AddFortuneEntries(const std::vector<std::string>& lines,
                                    const std::string& source) {
  Entry entry;
  for (std::size_t i = 0; i <= lines.size(); ++i) {
    if (i == lines.size() || TrimRight(lines[i]) == "%") {
      if (std::any_of(entry.lines.begin(), entry.lines.end(),
                      [](const std::string& l) { return !IsBlank(l); }))
        AddFortune(entry, source);
      entry = Entry{};
      continue;
    }
    if (entry.lines.empty()) entry.line = static_cast<int>(i) + 1;
    entry.lines.push_back(lines[i]);
  }
}

void QuoteImport::AddParagraphs(const std::vector<std::string>& lines, const std::string& source) {
  Entry entry;
  for (std::size_t i = 0; i <= lines.size(); ++i) {
    if (i == lines.size() || IsBlank(lines[i])) {
      if (!entry.lines.empty()) AddParagraph(entry, source);
      entry = Entry{};
      continue;
    }
    if (entry.lines.empty()) entry.line = static_cast<int>(i) + 1;
    entry.lines.push_back(lines[i]);
  }
}

void QuoteImport::AddFortune(const Entry& entry, const std::string& source) {
  for (std::size_t i = entry.lines.size(); i-- > 0;) {
    const std::string line = Trim(entry.lines[i]);
    if (const std::size_t n = DashAt(line); n > 0) {
      std::size_t start = n;
      while (start < line.size() && line[start] == '-') ++start;
      Keep(line.substr(start), Joined(entry.lines, 0, i), entry, source);
      return;
    }
  }
  Skip(entry, source, "no author");
}

void QuoteImport::AddParagraph(const Entry& entry, const std::string& source) {
  const std::size_t last = entry.lines.size() - 1;
  const std::string line = Trim(entry.lines[last]);
  const auto [at, length] = LastDash(line);
  if (at == std::string_view::npos) {
    Skip(entry, source, "no author");
    return;
  }
  std::string quote = Joined(entry.lines, 0, last);
  const std::string before = Trim(line.substr(0, at));
  if (!before.empty()) quote += (quote.empty() ? "" : " ") + before;
  Keep(line.substr(at + length), quote, entry, source);
}

void QuoteImport::Keep(const std::string& attribution, const std::string& quote, const Entry& entry,
                       const std::string& source) {
  const std::size_t comma = attribution.find(',');
  const std::string author = Trim(attribution.substr(0, comma));
  const std::string work = comma == std::string::npos ? "" : Trim(attribution.substr(comma + 1));
  const std::string text = Unquoted(Trim(quote));
  if (author.empty()) return Skip(entry, source, "no author");
  if (work.empty()) return Skip(entry, source, "no work");
  if (author.find('@') != std::string::npos || work.find('@') != std::string::npos)
    return Skip(entry, source, "an at sign in the author or work");
  if (!HasLetter(text)) return Skip(entry, source, "no quotation");
  if (!m_seen.insert(DuplicateKey(author, text)).second) {
    ++m_duplicates;
    return;
  }
  m_quotes.push_back({author, work, text, source, entry.line});
}

void QuoteImport::Skip(const Entry& entry, const std::string& source, const std::string& reason) {
  std::string excerpt = Joined(entry.lines, 0, entry.lines.size());
  if (Utf8Length(excerpt) > kExcerptLength) {
    const std::u32string cps = CodePoints(excerpt);
    excerpt.clear();
    for (std::size_t i = 0; i < kExcerptLength; ++i) excerpt += Utf8Of(cps[i]);
    excerpt += "...";
  }
  m_skipped.push_back({source, entry.line, reason, excerpt});
}

}  // namespace quotella
