#pragma once

#include <string>
#include <vector>

namespace quotella {

enum class PartOfSpeech { Noun, Verb, Adjective, Adverb };

// "noun", "verb", "adjective", "adverb".
const char* PartName(PartOfSpeech pos);

// One meaning of a word as the lexical database gives it.
struct Sense {
  PartOfSpeech pos = PartOfSpeech::Noun;
  std::string lemma;  // the base form that holds this sense ("aquaplane" for "aquaplaned")
  std::string gloss;  // the definition, without its example sentences
  std::vector<std::string> synonyms;  // the other words of the sense, blanks for underscores
  std::vector<std::string> examples;  // example sentences, without their quotes
};

// What a look-up found: the senses in the database's order (nouns, verbs, adjectives,
// adverbs; each part's most common sense first), or why there are none.
struct Definition {
  std::string word;                    // as looked up, lower case
  std::vector<std::string> baseForms;  // the forms that had senses, in order
  std::vector<Sense> senses;
  std::string problem;  // set when the database could not be read; senses are then empty
};

// A gloss split into its definition and the example sentences that follow it:
// (a person who ...; "he is an artist"; "an artist's eye") -> definition and two examples.
void SplitGloss(const std::string& raw, std::string& gloss, std::vector<std::string>& examples);

}  // namespace quotella
