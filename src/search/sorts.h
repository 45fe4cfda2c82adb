#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "search/wordlists.h"

namespace quotella {

// Ranking candidates by the letters that are hard to place. The problem letters are the
// NumProblemChars least common letters of FreqOrder (p.ProblemSet), the primary problem
// letters its 11 least common (the first 11 of ReverseFreqOrder).

// Characters of text whose upper-case form is a problem letter.
int NumProblemChars(const Tpuzzle& p, const std::string& text);
// Characters of text whose upper-case form is a primary problem letter.
int NumPrimaryProblemChars(const Tpuzzle& p, const std::string& text);
// Sum over the characters of text of their weight by position q (1-based) in freqOrder:
// q for q <= 6 and q = 14, 2q for 7..13, 3q from 15 on, nothing when absent.
int RarityScore(const std::string& freqOrder, const std::string& text);

// Longest first; equal lengths keep their order; empty lines are dropped.
void SortByLength(std::vector<std::string>& list);
// By the vowel percentage written as text ("100.00" before "33.30" before "5.50").
void SortByVowelPercent(std::vector<std::string>& list);
// Most problem letters after the initial first (all, or primary only); equal counts in
// reverse alphabetical order.
void SortbyProblemChars(const Tpuzzle& p, std::vector<std::string>& list, bool all);
// Highest rarity score of the five letters after the initial first; equal scores in
// reverse alphabetical order.
void SortByRarity(const Tpuzzle& p, std::vector<std::string>& list);

// Highest score in the constructor's scored lists first, equal scores alphabetical; the
// candidates the lists do not hold follow in their order.
void SortByScore(std::vector<std::string>& list, const ScoredWords& words);
// The score shown beside a candidate ("90"); "" when the lists do not hold it.
std::string CandidateScoreText(const ScoredWords& words, const std::string& candidate);

// The sort commands of the candidates' context menu, with their sounds. Score sorts by the
// word sources' scored lists.
enum class CandidateSort { Length, VowelPercent, AllProblems, PrimaryProblems, Rarity, Score };
void SortCandidates(PuzzleDocument& doc, WordSources& src, CandidateSort sort);

// The problem-letter search: its two parameters last for the run.
struct ProblemSearchParams {
  int minProblems = 1;      // problem letters a word must hold, its initial included
  int wordsPerLetter = 18;  // words taken for each unfinished initial
};
// "Find Words using most Problem Chars" after the dialog's "Search Now": for each initial
// of an unfinished row, the dictionary words that fit (with the conditions, whatever the
// switch) and hold at least minProblems problem letters, the wordsPerLetter best by
// primary problem letters; all of them sorted by problem letters into the candidates.
// False when letter files were wanted and none of them could be read.
bool FindWordsUsingMostProblemChars(PuzzleDocument& doc, WordSources& src,
                                    const ProblemSearchParams& params);

}  // namespace quotella
