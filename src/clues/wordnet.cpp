#include "clues/wordnet.h"

#include <wn.h>

#include <cstdlib>
#include <mutex>
#include <set>
#include <utility>

#include "core/letterfold.h"

namespace quotella {

namespace {

constexpr const char* kDebianFolder = "/usr/share/wordnet";
constexpr std::size_t kLongestWord = 64;
constexpr int kParts[] = {NOUN, VERB, ADJ, ADV};

// The library's state is process-wide: one lock and the folder it has open.
std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}
std::string g_openFolder;
bool g_libraryStarted = false;

// The library reports its own failures on stderr; ours are messages to the user.
int Quiet(char*) {
  return -1;
}

std::string MissingMessage(const std::filesystem::path& folder) {
  return "Definitions need the WordNet database, which was not found in " + folder.string() +
         " (install the Debian package wordnet-base).";
}

bool HoldsDatabase(const std::filesystem::path& folder) {
  std::error_code ec;
  for (const char* part : {"noun", "verb", "adj", "adv"})
    for (const char* kind : {"index.", "data."})
      if (!std::filesystem::is_regular_file(folder / (std::string(kind) + part), ec)) return false;
  return true;
}

// Starts or restarts the library on a folder, which it takes from $WNSEARCHDIR while it
// opens its files; the variable is put back afterwards.
int StartLibraryOn(const std::filesystem::path& folder) {
  const char* before = std::getenv("WNSEARCHDIR");
  const std::string saved = before ? before : "";
  setenv("WNSEARCHDIR", folder.c_str(), 1);
  display_message = Quiet;
  const int rc = g_libraryStarted ? re_wninit() : wninit();
  if (before)
    setenv("WNSEARCHDIR", saved.c_str(), 1);
  else
    unsetenv("WNSEARCHDIR");
  return rc;
}

PartOfSpeech PartOf(int pos) {
  switch (pos) {
    case VERB:
      return PartOfSpeech::Verb;
    case ADJ:
    case SATELLITE:
      return PartOfSpeech::Adjective;
    case ADV:
      return PartOfSpeech::Adverb;
    default:
      return PartOfSpeech::Noun;
  }
}

// "ice_hockey" -> "ice hockey"; an adjective's position marker "(p)" goes.
std::string Readable(std::string word) {
  const auto marker = word.find('(');
  if (marker != std::string::npos) word.resize(marker);
  for (char& c : word)
    if (c == '_') c = ' ';
  return word;
}

// The word and the base forms morphology finds for it in one part of speech.
std::vector<std::string> FormsOf(const std::string& word, int pos) {
  std::vector<std::string> forms{word};
  std::string buffer = word;
  for (char* base = morphstr(buffer.data(), pos); base; base = morphstr(nullptr, pos)) {
    std::string form = base;
    bool known = false;
    for (const auto& f : forms) known = known || f == form;
    if (!known) forms.push_back(std::move(form));
  }
  return forms;
}

Sense SenseOf(const Synset& synset, const std::string& lemma, int pos) {
  Sense sense;
  sense.pos = PartOf(pos);
  sense.lemma = Readable(lemma);
  SplitGloss(synset.defn ? synset.defn : "", sense.gloss, sense.examples);
  for (int i = 0; i < synset.wcount; ++i) {
    std::string word = Readable(synset.words[i]);
    bool seen = word == sense.lemma;
    for (const auto& s : sense.synonyms) seen = seen || s == word;
    if (!seen) sense.synonyms.push_back(std::move(word));
  }
  return sense;
}

}  // namespace

std::filesystem::path WordNet::DefaultFolder() {
  const char* env = std::getenv("WNSEARCHDIR");
  return env && *env ? std::filesystem::path(env) : std::filesystem::path(kDebianFolder);
}

WordNet::WordNet(std::filesystem::path folder) : m_folder(std::move(folder)) {}

bool WordNet::Select(std::string& problem) const {
  if (g_openFolder == m_folder.string()) return true;
  if (!HoldsDatabase(m_folder)) {
    problem = MissingMessage(m_folder);
    return false;
  }
  const int rc = StartLibraryOn(m_folder);
  g_libraryStarted = true;
  if (rc != 0) {
    g_openFolder.clear();
    problem = "The WordNet database in " + m_folder.string() + " could not be read.";
    return false;
  }
  g_openFolder = m_folder.string();
  return true;
}

std::string WordNet::problem() const {
  std::lock_guard<std::mutex> lock(LibraryLock());
  std::string problem;
  Select(problem);
  return problem;
}

Definition WordNet::Define(const std::string& word) const {
  Definition result;
  result.word = WordNetSpelling(word);
  std::lock_guard<std::mutex> lock(LibraryLock());
  if (!Select(result.problem) || result.word.empty()) return result;
  std::set<std::pair<int, long>> seen;
  for (int pos : kParts) {
    for (const std::string& form : FormsOf(result.word, pos)) {
      std::string buffer = form;
      SynsetPtr found = findtheinfo_ds(buffer.data(), pos, SYNS, ALLSENSES);
      bool any = false;
      for (SynsetPtr s = found; s; s = s->nextss) {
        if (!seen.insert({pos, s->hereiam}).second) continue;
        result.senses.push_back(SenseOf(*s, form, pos));
        any = true;
      }
      if (found) free_syns(found);
      const std::string readable = Readable(form);
      bool listed = false;
      for (const auto& b : result.baseForms) listed = listed || b == readable;
      if (any && !listed) result.baseForms.push_back(readable);
    }
  }
  return result;
}

bool WordNet::Knows(const std::string& word) const {
  const std::string spelled = WordNetSpelling(word);
  std::lock_guard<std::mutex> lock(LibraryLock());
  std::string problem;
  if (spelled.empty() || !Select(problem)) return false;
  for (int pos : kParts)
    for (const std::string& form : FormsOf(spelled, pos)) {
      std::string buffer = form;
      if (IndexPtr index = index_lookup(buffer.data(), pos)) {
        free_index(index);
        return true;
      }
    }
  return false;
}

std::string WordNetSpelling(const std::string& word) {
  const std::string folded = FoldLetters(word).text;
  std::string out;
  for (char c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if ((c >= 'a' && c <= 'z') || c == '-' || c == '\'' || c == '.')
      out += c;
    else if ((c == ' ' || c == '_') && !out.empty() && out.back() != '_')
      out += '_';
  }
  while (!out.empty() && out.back() == '_') out.pop_back();
  bool letters = false;
  for (char c : out) letters = letters || (c >= 'a' && c <= 'z');
  if (!letters || out.size() > kLongestWord) return {};
  return out;
}

}  // namespace quotella
