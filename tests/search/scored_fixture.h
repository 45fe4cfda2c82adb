#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/textio.h"
#include "search/autofillsource.h"
#include "search/scoredlist.h"
#include "search_fixture.h"

namespace quotella::test {

// The puzzle "S@TA@seat tale ale" (rows S, T, A) asks for three answers taking A A E E E L L
// T after their initials. SEAT and TALE are words of the quotation, so the dictionary below
// fills it as SALE TEAL ATE (the most familiar), SEAL TEAL ATE or SATE TEAL ALE.
inline constexpr const char* kSeatTaleAleLine = "S@TA@seat tale ale";

// A whole dictionary (every letter file, familiarity, an offensive-word list) in a folder
// whose name has accents and a blank, inside dir; returns the folder, ending in "/".
inline std::string WriteSeatDictionary(const TempDir& dir) {
  const std::string folder = dir.Path("w\xc3\xb6rter \xc3\xa9t\xc3\xa9/");
  std::filesystem::create_directories(folder);
  const std::map<char, std::vector<std::string>> words{
      {'a', {"ale", "ate"}}, {'s', {"sale", "sate", "seal"}}, {'t', {"tea", "teal"}}};
  for (char c = 'a'; c <= 'z'; ++c) {
    const auto it = words.find(c);
    EXPECT_TRUE(WriteLinesAtomic(folder + c + ".txt",
                                 it == words.end() ? std::vector<std::string>{} : it->second)
                    .ok());
  }
  EXPECT_TRUE(
      WriteLinesAtomic(folder + "familiarity.txt",
                       {"ale 20", "ate 10", "sale 10", "sate 35", "seal 20", "tea 10", "teal 40"})
          .ok());
  EXPECT_TRUE(WriteLinesAtomic(folder + kOffensiveFileName, {"# none"}).ok());
  return folder;
}

// Scored lists that name one file, with these words and scores.
inline std::shared_ptr<ScoredWords> ScoredTable(const std::map<std::string, int>& scores,
                                                int minScore = kDefaultMinScore,
                                                bool dictionaryAllowed = true) {
  auto words = std::make_shared<ScoredWords>();
  words->files = {"mine.txt"};
  words->minScore = minScore;
  words->dictionaryAllowed = dictionaryAllowed;
  for (const auto& [word, score] : scores) words->table.Put(word, score);
  return words;
}

}  // namespace quotella::test
