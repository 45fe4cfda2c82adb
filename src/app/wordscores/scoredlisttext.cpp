#include "app/wordscores/scoredlisttext.h"

#include <algorithm>

#include "core/answertable.h"
#include "core/document.h"
#include "core/textio.h"
#include "search/wordlists.h"
#include "search/wordsource.h"

namespace quotella {

namespace {

bool HasLetter(const std::string& word) {
  return std::any_of(word.begin(), word.end(),
                     [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

// "12345678" -> "12,345,678".
std::string Grouped(std::size_t n) {
  std::string digits = std::to_string(n);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

}  // namespace

std::string ScoredListFileText(const WordList& list, const ScoredList& scored, int defaultScore) {
  std::string text;
  const auto line = [&text](std::string_view s) {
    text.append(s);
    text += "\r\n";
  };
  for (auto it = list.Notes.begin(); it != list.Notes.end(); ++it) line(it.View());
  ScoredList written;
  for (auto it = list.Items.begin(); it != list.Items.end(); ++it) {
    const std::string_view entry = it.View();
    const std::size_t marker = entry.find(kCommentMarker);
    // The separator cannot stand inside a word: the reader would take it for the score's.
    std::string word = Trim(std::string(entry.substr(0, marker)));
    std::erase(word, kScoreSeparator);
    if (!HasLetter(word) || written.ScoreOf(word) >= 0) continue;
    const int listed = scored.ScoreOf(word);
    const int score = listed >= 0 ? listed : defaultScore;
    written.Put(word, score);
    if (marker != std::string_view::npos) line("# " + std::string(entry));
    line(word + kScoreSeparator + std::to_string(score));
  }
  for (auto it = list.Unlisted.begin(); it != list.Unlisted.end(); ++it)
    line("# " + std::string(it.View()));
  return text;
}

std::vector<ScoredEntry> FilledAnswers(const PuzzleDocument& doc, int score) {
  std::vector<ScoredEntry> answers;
  if (!doc.PuzzleExists) return answers;
  for (int row = 0; row < doc.P.NumWords; ++row) {
    std::string word = Keystring(doc, row);
    if (word.size() > 1) answers.push_back({std::move(word), score});
  }
  return answers;
}

std::string ScoredCountText(std::size_t words, std::size_t usable, int minScore, bool brief) {
  return (brief ? "Scored: " : "Scored lists: ") + Grouped(words) + " words, " + Grouped(usable) +
         " at " + std::to_string(minScore) + (brief ? "+" : " or more");
}

}  // namespace quotella
