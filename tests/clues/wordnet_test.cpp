// Definitions from the installed WordNet database: inflected forms, several parts of
// speech, unknown words, and a missing database that leaves the rest working.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "clues/sense.h"
#include "clues/wordnet.h"

namespace quotella {
namespace {

bool HasPart(const Definition& d, PartOfSpeech pos) {
  for (const Sense& s : d.senses)
    if (s.pos == pos) return true;
  return false;
}

class WordNetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!wordnet.available()) GTEST_FAIL() << wordnet.problem();
  }
  WordNet wordnet;
};

TEST_F(WordNetTest, AnInflectedFormIsDefinedThroughItsBaseForm) {
  const Definition d = wordnet.Define("AQUAPLANED");
  EXPECT_TRUE(d.problem.empty());
  ASSERT_FALSE(d.senses.empty());
  EXPECT_EQ(d.word, "aquaplaned");
  ASSERT_EQ(d.baseForms, std::vector<std::string>{"aquaplane"});
  EXPECT_TRUE(HasPart(d, PartOfSpeech::Verb));
  for (const Sense& s : d.senses) {
    EXPECT_EQ(s.lemma, "aquaplane");
    EXPECT_FALSE(s.gloss.empty());
    EXPECT_EQ(s.gloss.find('('), std::string::npos) << "the wrapping parentheses are gone";
  }
  // An irregular plural comes through the exception lists.
  const Definition geese = wordnet.Define("geese");
  ASSERT_FALSE(geese.senses.empty());
  EXPECT_EQ(geese.senses.front().lemma, "goose");
  EXPECT_TRUE(wordnet.Knows("AQUAPLANED"));
  EXPECT_TRUE(wordnet.Knows("Geese"));
}

TEST_F(WordNetTest, AWordOfSeveralPartsOfSpeechListsEachWithGlossSynonymsAndExamples) {
  const Definition d = wordnet.Define("LIGHT");
  EXPECT_TRUE(HasPart(d, PartOfSpeech::Noun));
  EXPECT_TRUE(HasPart(d, PartOfSpeech::Verb));
  EXPECT_TRUE(HasPart(d, PartOfSpeech::Adjective));
  EXPECT_TRUE(HasPart(d, PartOfSpeech::Adverb));
  // Nouns first, then verbs, adjectives and adverbs: the parts never interleave.
  for (std::size_t i = 1; i < d.senses.size(); ++i)
    EXPECT_LE(static_cast<int>(d.senses[i - 1].pos), static_cast<int>(d.senses[i].pos));
  bool example = false;
  bool synonym = false;
  for (const Sense& s : d.senses) {
    for (const std::string& e : s.examples) {
      EXPECT_EQ(e.find('"'), std::string::npos) << e;
      example = true;
    }
    for (const std::string& w : s.synonyms) {
      EXPECT_NE(w, "light") << "the word itself is no synonym";
      EXPECT_EQ(w.find('_'), std::string::npos) << w;
      synonym = synonym || w == "visible light";
    }
  }
  EXPECT_TRUE(example);
  EXPECT_TRUE(synonym) << "multi-word synonyms read with blanks";
}

TEST_F(WordNetTest, AnUnknownWordHasNoSensesAndNoProblem) {
  for (const char* word : {"QXZVYK", "", "12345", "--"}) {
    const Definition d = wordnet.Define(word);
    EXPECT_TRUE(d.senses.empty()) << word;
    EXPECT_TRUE(d.problem.empty()) << word;
    EXPECT_FALSE(wordnet.Knows(word)) << word;
  }
  // Accents are folded before the look-up.
  EXPECT_FALSE(wordnet.Define("Café").senses.empty());
  // A text far longer than any word is not handed to the library.
  EXPECT_TRUE(wordnet.Define(std::string(5000, 'a')).senses.empty());
}

TEST_F(WordNetTest, AMissingDatabaseIsAClearProblemAndTheInstalledOneStillAnswers) {
  const auto empty = std::filesystem::temp_directory_path() /
                     ("quotella-no-wordnet-" + std::to_string(::getpid()));
  std::filesystem::create_directories(empty);
  std::ofstream(empty / "index.noun") << "truncated";
  const WordNet missing(empty);
  EXPECT_FALSE(missing.available());
  EXPECT_NE(missing.problem().find(empty.string()), std::string::npos) << missing.problem();
  EXPECT_NE(missing.problem().find("wordnet-base"), std::string::npos);
  const Definition d = missing.Define("light");
  EXPECT_TRUE(d.senses.empty());
  EXPECT_EQ(d.problem, missing.problem());
  EXPECT_FALSE(missing.Knows("light"));
  // The library's global state was not left pointing at the empty folder.
  EXPECT_FALSE(wordnet.Define("light").senses.empty());
  EXPECT_FALSE(missing.Define("light").problem.empty());
  std::filesystem::remove_all(empty);
}

TEST_F(WordNetTest, LookUpsFromSeveralThreadsGiveTheSameSenses) {
  const std::size_t expected = wordnet.Define("running").senses.size();
  ASSERT_GT(expected, 10u);
  std::vector<std::size_t> counts(4);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < counts.size(); ++t)
    threads.emplace_back([&, t] {
      for (int i = 0; i < 20; ++i) counts[t] = wordnet.Define("running").senses.size();
    });
  for (auto& th : threads) th.join();
  for (std::size_t c : counts) EXPECT_EQ(c, expected);
}

TEST(Gloss, SplitsTheDefinitionFromItsQuotedExamples) {
  std::string gloss;
  std::vector<std::string> examples;
  SplitGloss("(a person who creates art; \"he is an artist\"; \"an artist's eye\") ", gloss,
             examples);
  EXPECT_EQ(gloss, "a person who creates art");
  EXPECT_EQ(examples, (std::vector<std::string>{"he is an artist", "an artist's eye"}));
  // A field label in front keeps its parentheses; semicolons inside the gloss stay.
  SplitGloss("((physics) radiation; emitted or reflected)", gloss, examples);
  EXPECT_EQ(gloss, "(physics) radiation; emitted or reflected");
  EXPECT_TRUE(examples.empty());
  // An unclosed quote keeps what follows it.
  SplitGloss("(a gloss; \"an unfinished example", gloss, examples);
  EXPECT_EQ(examples, std::vector<std::string>{"an unfinished example"});
}

TEST(Spelling, FoldsLettersAndJoinsWordsWithUnderscores) {
  EXPECT_EQ(WordNetSpelling("Ice Hockey"), "ice_hockey");
  EXPECT_EQ(WordNetSpelling("  Naïve  "), "naive");
  EXPECT_EQ(WordNetSpelling("O'Brien!"), "o'brien");
  EXPECT_EQ(WordNetSpelling("?!"), "");
}

}  // namespace
}  // namespace quotella
