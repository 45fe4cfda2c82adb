#pragma once

#include <string>
#include <vector>

namespace quotella {

class RankingDialog;
struct QuoteRank;
struct WindowParts;

// Tools > Rank Quotes: ranks the quotes editor's lines in the long scans' worker (progress
// in the status bar, Esc stops and keeps the lines ranked so far) and shows the ranking.
void RankQuotesClick(WindowParts& w);

// Makes the puzzle of a ranked line through the quotes editor's double click, provided
// the line still reads as it did when ranked.
void MakePuzzleOfRankedLine(WindowParts& w, const QuoteRank& rank);

// Save Ranking: the lines as the ranking shows them, written as a quotes file.
void SaveRanking(WindowParts& w, const RankingDialog& dialog);

}  // namespace quotella
