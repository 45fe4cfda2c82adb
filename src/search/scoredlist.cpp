#include "search/scoredlist.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_map>

#include "core/linescan.h"
#include "core/textio.h"
#include "search/wordlists.h"
#include "search/wordsource.h"

namespace quotella {

namespace {

// A list of half a million lines is read line by line into one reused word buffer: the
// only allocations per entry are the table's own.

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool IsNoteLine(std::string_view line) {
  const std::string_view trimmed = TrimBlanks(line);
  return trimmed.empty() || trimmed.front() == '#';
}

int ClampScore(int score) {
  return std::clamp(score, kMinWordScore, kMaxWordScore);
}

// A whole number 0-100, blanks around it allowed.
std::optional<int> ParseScore(std::string_view text) {
  text = TrimBlanks(text);
  int score = -1;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), score);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (score < kMinWordScore || score > kMaxWordScore) return std::nullopt;
  return score;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Appends the letters A-Z of ASCII text, upper-cased; everything else is left out.
void AppendAsciiLetters(std::string_view text, std::string& out) {
  for (char c : text) {
    if (c >= 'a' && c <= 'z') {
      out.push_back(static_cast<char>(c - 'a' + 'A'));
    } else if (c >= 'A' && c <= 'Z') {
      out.push_back(c);
    }
  }
}

// The word an entry means, into out: its letters before the comment marker folded to A-Z
// and upper-cased, blanks and punctuation left out. False when a letter has no A-Z form.
bool FoldEntry(std::string_view entry, std::string& out) {
  out.clear();
  entry = entry.substr(0, entry.find(kCommentMarker));
  if (IsAscii(entry)) {
    AppendAsciiLetters(entry, out);
    return true;
  }
  const FoldedText folded = FoldListEntry(entry);
  if (!folded.unfoldable.empty()) return false;
  AppendAsciiLetters(folded.text, out);
  return true;
}

enum class LineKind { Note, Entry, Bad };

struct ParsedLine {
  LineKind kind = LineKind::Note;
  int score = 0;
  std::string_view entry;  // the entry as written, before the separator
};

// One line of a list; an entry's word goes into word.
ParsedLine ParseLine(std::string_view line, int defaultScore, std::string& word) {
  if (IsNoteLine(line)) return {};
  const std::size_t separator = line.rfind(kScoreSeparator);
  ParsedLine parsed{LineKind::Bad, defaultScore, line};
  if (separator != std::string_view::npos) {
    parsed.entry = line.substr(0, separator);
    const std::optional<int> score = ParseScore(line.substr(separator + 1));
    if (!score) return parsed;
    parsed.score = *score;
  }
  if (FoldEntry(parsed.entry, word) && !word.empty()) parsed.kind = LineKind::Entry;
  return parsed;
}

// Lines of a text, as ForEachLine cuts them (near enough to reserve for).
std::size_t CountLines(std::string_view text) {
  std::size_t lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
      ++lines;
  }
  return lines;
}

// A bad line shown in a message: long ones are cut (at a character boundary).
std::string ShownLine(const std::string& text) {
  constexpr std::size_t kMaxShown = 80;
  if (text.size() <= kMaxShown) return text;
  std::size_t cut = kMaxShown;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut) + "...";
}

std::string EntryLine(std::string_view entry, int score) {
  std::string line(entry);
  line += kScoreSeparator;
  line += std::to_string(score);
  return line;
}

// The line end a file uses (its first); CR LF for a file that has none.
std::string_view LineEndOf(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) return "\r\n";
  if (text[end] == '\n') return "\n";
  return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

// The entries to write, folded, in the order given; a word given twice takes its last score.
class WantedScores {
 public:
  explicit WantedScores(const std::vector<ScoredEntry>& entries) {
    std::string word;
    for (const ScoredEntry& e : entries) {
      if (!FoldEntry(e.word, word) || word.empty()) continue;
      const auto [at, added] = m_index.try_emplace(word, m_words.size());
      if (added) {
        m_words.push_back({word, ClampScore(e.score)});
        m_written.push_back(false);
      } else {
        m_words[at->second].score = ClampScore(e.score);
      }
    }
  }

  // The score wanted for word, marking it written; nullopt when it is not wanted.
  std::optional<int> Take(const std::string& word) {
    const auto at = m_index.find(word);
    if (at == m_index.end()) return std::nullopt;
    m_written[at->second] = true;
    return m_words[at->second].score;
  }

  // The wanted words no line of the file held.
  template <typename Visit>
  void ForEachUnwritten(Visit&& visit) const {
    for (std::size_t i = 0; i < m_words.size(); ++i)
      if (!m_written[i]) visit(m_words[i]);
  }

 private:
  std::vector<ScoredEntry> m_words;
  std::vector<bool> m_written;
  std::unordered_map<std::string, std::size_t> m_index;
};

}  // namespace

ScoredListRead ScoredList::AddText(std::string_view text, int defaultScore) {
  ScoredListRead read;
  defaultScore = ClampScore(defaultScore);
  m_scores.reserve(m_scores.size() + CountLines(text));
  std::string word;
  std::size_t number = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++number;
    const ParsedLine parsed = ParseLine(line, defaultScore, word);
    if (parsed.kind == LineKind::Note) return;
    if (parsed.kind == LineKind::Bad) {
      if (read.badLines++ == 0) {
        read.firstBadLine = number;
        read.firstBadText = std::string(line);
      }
      return;
    }
    ++read.entries;
    const auto [at, added] = m_scores.try_emplace(word, parsed.score);
    if (!added) {
      ++read.duplicates;
      at->second = std::max(at->second, parsed.score);
    }
  });
  return read;
}

ScoredListRead ScoredList::AddFile(const std::string& path, int defaultScore) {
  const std::optional<std::string> text = ReadWordFileText(path);
  if (!text) {
    ScoredListRead unreadable;
    unreadable.readable = false;
    return unreadable;
  }
  return AddText(*text, defaultScore);
}

void ScoredList::Put(std::string_view word, int score) {
  std::string folded;
  if (FoldEntry(word, folded) && !folded.empty()) m_scores[folded] = ClampScore(score);
}

int ScoredList::ScoreOf(std::string_view word) const {
  std::string folded;
  if (!FoldEntry(word, folded) || folded.empty()) return -1;
  const auto at = m_scores.find(folded);
  return at == m_scores.end() ? -1 : at->second;
}

std::vector<ScoredEntry> ScoredList::Sorted() const {
  std::vector<ScoredEntry> entries;
  entries.reserve(m_scores.size());
  for (const auto& [word, score] : m_scores) entries.push_back({word, score});
  std::sort(entries.begin(), entries.end(),
            [](const ScoredEntry& a, const ScoredEntry& b) { return a.word < b.word; });
  return entries;
}

std::vector<ScoredEntry> ScoredList::BestWithInitial(char initial, int minScore) const {
  std::vector<ScoredEntry> entries;
  for (const auto& [word, score] : m_scores)
    if (score >= minScore && word.front() == initial) entries.push_back({word, score});
  std::sort(entries.begin(), entries.end(), [](const ScoredEntry& a, const ScoredEntry& b) {
    return a.score != b.score ? a.score > b.score : a.word < b.word;
  });
  return entries;
}

std::string ScoredList::Text() const {
  std::string text;
  for (const ScoredEntry& e : Sorted()) {
    text += EntryLine(e.word, e.score);
    text += '\n';
  }
  return text;
}

int ScoredWords::UsableScore(std::string_view word) const {
  const int score = table.ScoreOf(word);
  return score >= minScore ? score : -1;
}

bool ScoredWords::RuledOut(std::string_view word) const {
  const int score = table.ScoreOf(word);
  return score >= 0 && score < minScore;
}

std::vector<std::string> LoadScoredWords(ScoredWords& words) {
  std::vector<std::string> messages;
  words.table.Clear();
  for (const std::string& file : words.files) {
    const ScoredListRead read = words.table.AddFile(file, words.defaultScore);
    if (!read.readable) {
      messages.push_back("Could not read the scored word list " + file);
    } else if (read.badLines > 0) {
      messages.push_back("The scored word list " + file + " has " + std::to_string(read.badLines) +
                         " bad lines (the first is line " + std::to_string(read.firstBadLine) +
                         ": " + ShownLine(read.firstBadText) + "); they were skipped");
    }
  }
  return messages;
}

SaveResult AddToScoredListFile(const std::string& path, const std::vector<ScoredEntry>& entries) {
  std::string text;
  TextEncoding encoding = TextEncoding::Utf8;
  if (FileExists(path)) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) return SaveResult::Failed("the file could not be read");
    DecodedText decoded = DecodeText(*bytes);
    text = std::move(decoded.text);
    encoding = decoded.encoding;
  }
  const std::string_view lineEnd = LineEndOf(text);
  WantedScores wanted(entries);
  std::string out;
  out.reserve(text.size() + entries.size() * 16);
  std::string word;
  // Every line stays as written; a line holding a wanted word (there may be several) takes
  // its new score, so that no older, higher score of it outlives the change.
  ForEachLine(text, [&](std::string_view line) {
    const ParsedLine parsed = ParseLine(line, kDefaultListScore, word);
    const std::optional<int> score =
        parsed.kind == LineKind::Entry ? wanted.Take(word) : std::nullopt;
    if (score) {
      out += EntryLine(TrimBlanks(parsed.entry), *score);
    } else {
      out += line;
    }
    out += lineEnd;
  });
  wanted.ForEachUnwritten([&](const ScoredEntry& e) {
    out += EntryLine(e.word, e.score);
    out += lineEnd;
  });
  return WriteFileAtomic(path, EncodeText(out, encoding));
}

}  // namespace quotella
