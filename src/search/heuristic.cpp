#include "search/heuristic.h"

#include <algorithm>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/fittest.h"
#include "core/textio.h"
#include "search/wordlists.h"
#include "search/wordsource.h"

namespace quotella {
namespace {

// Forwards the search's reports as events, to a callback.
class EventSink : public ThreeWordSink {
 public:
  explicit EventSink(std::function<void(HeuristicEvent)> post) : m_post(std::move(post)) {}
  void LogLine(const std::string& line) override { Send(HeuristicEvent::Kind::Log, line); }
  void CandidateLine(const std::string& line) override {
    Send(HeuristicEvent::Kind::Candidate, line);
  }
  void StatusReport(const std::string& text) override { Send(HeuristicEvent::Kind::Status, text); }
  void Progress(const std::string& w1, const std::string& w2, const std::string& w3, std::size_t i,
                std::size_t n1) override {
    HeuristicEvent e;
    e.kind = HeuristicEvent::Kind::Progress;
    e.words = {w1, w2, w3};
    e.done = i + 1;
    e.total = n1;
    m_post(std::move(e));
  }

 private:
  void Send(HeuristicEvent::Kind kind, const std::string& text) {
    HeuristicEvent e;
    e.kind = kind;
    e.text = text;
    m_post(std::move(e));
  }
  std::function<void(HeuristicEvent)> m_post;
};

bool ContainsLetter(const std::string& entry, char letter) {
  for (char c : entry)
    if (c == letter || c == letter - 'A' + 'a') return true;
  return false;
}

}  // namespace

HeuristicSearch::HeuristicSearch(PuzzleDocument& doc, HeuristicLists lists)
    : m_doc(doc), m_lists(std::move(lists)) {
  m_control->searching.store(false);
}

HeuristicSearch::HeuristicSearch(PuzzleDocument& doc, WordSources& sources)
    : HeuristicSearch(doc, HeuristicLists{{&sources.Lists[0].Items, &sources.Lists[1].Items,
                                           &sources.Lists[2].Items, &sources.Lists[3].Items},
                                          &sources.Candidates,
                                          {sources.Lists[0].FileName, sources.Lists[1].FileName,
                                           sources.Lists[2].FileName, sources.Lists[3].FileName}}) {
  m_sources = &sources;
  ReloadWordLists = [&sources] { quotella::ReloadWordLists(sources); };
}

HeuristicSearch::~HeuristicSearch() {
  EndNow();
  Join();
}

void HeuristicSearch::Report(const std::string& text) {
  m_doc.host().Status(StatusBar::Main, kMessagePanel, text);
}

void HeuristicSearch::Log(const std::string& line) {
  m_lists.lists[3]->push_back(line);
}

void HeuristicSearch::SwitchBack() {
  if (m_switchSaved) m_doc.Conditions.on = m_savedSwitch;
}

void HeuristicSearch::EndEarly() {
  if (ReloadWordLists) ReloadWordLists();
  SwitchBack();
}

HeuristicSearch::Prepared HeuristicSearch::Prepare() {
  const Prepared begun = Begin();
  if (begun != Prepared::Ready) return begun;
  return ListsRead(ReadHeuristicLists(Reading(), m_doc.host(), ReadLetterFile));
}

HeuristicSearch::Prepared HeuristicSearch::Begin() {
  if (m_awaitingFinish || m_awaitingEditor) return Prepared::Busy;
  Join();
  if (NumEmpty(m_doc) != 3) return Prepared::NotThreeEmpty;

  if (m_sources != nullptr) {
    DictDir = m_sources->DictionaryDir();
    for (std::size_t n = 0; n < 4; ++n) m_lists.fileNames[n] = m_sources->Lists[n].FileName;
  }
  m_control->searching.store(true);
  m_control->skip.store(false);
  m_control->escape.store(false);
  m_savedSwitch = m_doc.Conditions.on;
  m_switchSaved = true;

  m_lists.lists[3]->clear();
  Report("Preparing Lists....");
  m_doc.Conditions.on = false;
  Log("One moment please.....");
  Log("Preparing the brute force search");

  m_targets = {-1, -1, -1};
  std::size_t found = 0;
  for (int row = 0; row < m_doc.P.NumWords && found < 3; ++row)
    if (m_doc.KeyWords.At(2, row).empty()) m_targets[found++] = row;
  m_poolTotal = 0;
  for (int n : m_doc.P.Pool) m_poolTotal += n;
  Report("");
  return Prepared::Ready;
}

HeuristicReading HeuristicSearch::Reading() const {
  HeuristicReading reading;
  reading.dictDir = DictDir;
  for (std::size_t t = 0; t < 3; ++t) {
    const std::string& cell = m_doc.KeyWords.At(1, m_targets[t]);
    reading.initials[t] = cell.empty() ? '?' : cell[0];
    reading.fileNames[t] = m_lists.fileNames[t];
    reading.lists[t] = *m_lists.lists[t];
  }
  reading.pool = m_doc.P.Pool;
  reading.locked = m_doc.LetterLocked;
  reading.poolTotal = m_poolTotal;
  return reading;
}

HeuristicListsRead ReadHeuristicLists(const HeuristicReading& reading, Host& host,
                                      const LetterFileReader& read) {
  const auto report = [&host](const std::string& text) {
    host.Status(StatusBar::Main, kMessagePanel, text);
  };
  HeuristicListsRead out;
  out.lists = reading.lists;
  for (std::size_t t = 0; t < 3; ++t) {
    if (host.ProcessPendingEvents()) {
      out.stopped = true;
      return out;
    }
    const char letter = reading.initials[t];
    report("Loading " + LetterFileName(reading.dictDir, letter));
    const std::string path = FindLetterFile(reading.dictDir, letter);
    auto lines = read ? read(path) : ReadWordFile(path);
    if (!lines) {
      host.Message("Could not load file ");
      continue;
    }
    SortNoCase(*lines);
    out.lists[t] = std::move(*lines);
  }

  auto& candidates = out.candidates;
  for (std::size_t t = 0; t < 3; ++t) {
    candidates.clear();
    for (const auto& entry : out.lists[t]) {
      const std::string word = NormaliseListEntry(entry);
      if (IsAnswerWord(word) &&
          WordFitsPool(word, reading.initials[t], reading.pool, reading.locked, nullptr))
        candidates.push_back(word);
    }
    out.lists[t] = candidates;
    if (candidates.empty()) {
      candidates.push_back("No words found in word list " + std::to_string(t + 1));
      candidates.push_back("(" + reading.fileNames[t] + ")");
      candidates.push_back("scanning with NO conditions ");
    }
  }

  const int p = reading.poolTotal;
  for (std::size_t t = 0; t < 3; ++t) {
    report("");
    report("WORKING, please wait...");
    report("Clearing empty lines in List " + std::to_string(t + 1));
    std::erase_if(out.lists[t], [](const std::string& s) { return s.empty(); });
    host.PlaySound("qclick", true);
  }
  report("");
  report("Pruning lists... please wait..");
  for (std::size_t t = 0; t < 3; ++t) {
    const auto removed = std::erase_if(
        out.lists[t], [p](const std::string& s) { return static_cast<int>(s.size()) - 1 > p - 4; });
    if (t < 2) host.PlaySound("ding");
    report("Pruned " + std::to_string(removed) + " words from list " + std::to_string(t + 1));
  }
  report("");
  report("Lists are ready for brute force search.");
  report(
      "This can take a long time... To end search, right-click menu, \"End Heurisitic Search "
      "Now\"");
  host.PlaySound("ding");
  return out;
}

void HeuristicSearch::Abandon() {
  EndEarly();
  m_control->searching.store(false);
}

HeuristicSearch::Prepared HeuristicSearch::ListsRead(HeuristicListsRead read) {
  Host& host = m_doc.host();
  for (std::size_t t = 0; t < 3; ++t) *m_lists.lists[t] = read.lists[t];
  *m_lists.candidates = std::move(read.candidates);
  // The rows were visited one by one as their words were weighed; the caret stays on the last.
  m_doc.view().CurRow = m_targets[2];

  std::string empty;
  for (std::size_t t = 0; t < 3; ++t)
    if (m_lists.lists[t]->empty()) empty += std::to_string(t + 1) + "* ";
  if (!empty.empty()) {
    Report("Sorry, could not find any words in list " + empty);
    SwitchBack();
    if (ReloadWordLists) ReloadWordLists();
    return Prepared::EmptyList;
  }

  if (host.Confirm("Do you want to prune the 3 lists?", ConfirmKind::Question)) {
    if (OpenPruneEditor) {
      m_awaitingEditor = true;
      OpenPruneEditor(TargetLists());
      return Prepared::AwaitingEditor;
    }
    if (PruneEditor) {
      ThreeWordSearch::Lists edited = TargetLists();
      const bool kept = PruneEditor(edited);
      return AfterEditor(!kept, &edited);
    }
    return AfterEditor(false, nullptr);
  }
  return CheckLists();
}

HeuristicSearch::Prepared HeuristicSearch::EditorClosed(bool bailedOut,
                                                        ThreeWordSearch::Lists lists) {
  if (!m_awaitingEditor) return Prepared::NotThreeEmpty;
  m_awaitingEditor = false;
  return AfterEditor(bailedOut, &lists);
}

HeuristicSearch::Prepared HeuristicSearch::AfterEditor(bool bailedOut,
                                                       ThreeWordSearch::Lists* lists) {
  if (lists != nullptr)
    for (std::size_t t = 0; t < 3; ++t) *m_lists.lists[t] = (*lists)[t];
  if (bailedOut) {
    SwitchBack();
    return Prepared::BailedOut;
  }
  m_doc.host().PlaySound("ding");
  return CheckLists();
}

HeuristicSearch::Prepared HeuristicSearch::CheckLists() {
  Host& host = m_doc.host();
  const int p = m_poolTotal;
  int longest = 0;
  for (std::size_t t = 0; t < 3; ++t) {
    int m = -1;
    for (const auto& s : *m_lists.lists[t]) m = std::max(m, static_cast<int>(s.size()) - 1);
    longest += m;
  }
  if (longest < p) {
    Report("Quotella search failed because words in list are too short");
    host.PlaySound("ding");
    EndEarly();
    return Prepared::TooShort;
  }

  std::string missing;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (m_doc.P.PoolOf(letter) <= 0) continue;
    bool present = false;
    for (std::size_t t = 0; t < 3 && !present; ++t)
      for (const auto& s : *m_lists.lists[t])
        if (ContainsLetter(s, letter)) {
          present = true;
          break;
        }
    if (!present) missing += letter;
  }
  if (!missing.empty()) {
    Report("Ooops! Letter(s) missing from the lists: " + missing);
    EndEarly();
    return Prepared::MissingLetters;
  }
  return Prepared::Ready;
}

ThreeWordSearch::Lists HeuristicSearch::TargetLists() const {
  return {*m_lists.lists[0], *m_lists.lists[1], *m_lists.lists[2]};
}

ThreeWordOutcome HeuristicSearch::Run() {
  m_lists.candidates->clear();
  m_lists.lists[3]->clear();
  Host& host = m_doc.host();
  m_control->poll = [this, &host] {
    if (host.ProcessPendingEvents()) m_control->escape.store(true);
  };
  EventSink sink([this](const HeuristicEvent& e) { Apply(e); });
  const ThreeWordOutcome outcome =
      ThreeWordSearch::RunFast(TargetLists(), m_doc.P.Pool, *m_control, sink);
  m_control->poll = nullptr;
  Finish(outcome);
  return outcome;
}

void HeuristicSearch::Start(std::function<void(HeuristicEvent)> post) {
  Join();
  m_lists.candidates->clear();
  m_lists.lists[3]->clear();
  m_control->poll = nullptr;
  m_awaitingFinish = true;
  m_workerDone = std::make_shared<std::atomic<bool>>(false);
  // The worker holds only its own copies and the shared flags: it may outlive this search.
  m_worker =
      std::jthread([control = m_control, done = m_workerDone, lists = TargetLists(),
                    pool = m_doc.P.Pool, post = std::move(post)](const std::stop_token& stop) {
        std::stop_callback onStop(stop, [&control] { control->searching.store(false); });
        EventSink sink(post);
        HeuristicEvent finished;
        finished.kind = HeuristicEvent::Kind::Finished;
        finished.outcome = ThreeWordSearch::RunFast(lists, pool, *control, sink);
        post(std::move(finished));
        done->store(true);
      });
}

void HeuristicSearch::Join() {
  if (m_worker.joinable()) m_worker.join();
}

HeuristicWorker HeuristicSearch::TakeWorker() {
  if (!m_worker.joinable()) return {};
  m_worker.request_stop();
  return {std::move(m_worker), std::move(m_workerDone)};
}

void HeuristicSearch::Apply(const HeuristicEvent& event) {
  Host& host = m_doc.host();
  switch (event.kind) {
    case HeuristicEvent::Kind::Log:
      Log(event.text);
      break;
    case HeuristicEvent::Kind::Candidate:
      m_lists.candidates->push_back(event.text);
      break;
    case HeuristicEvent::Kind::Status:
      Report(event.text);
      break;
    case HeuristicEvent::Kind::Progress:
      for (int n = 0; n < 3; ++n)
        if (!event.words[static_cast<std::size_t>(n)].empty())
          host.Status(StatusBar::Search, n, event.words[static_cast<std::size_t>(n)]);
      break;
    case HeuristicEvent::Kind::Finished:
      m_awaitingFinish = false;
      Finish(event.outcome);
      break;
  }
}

void HeuristicSearch::Finish(const ThreeWordOutcome& outcome) {
  m_control->searching.store(false);
  SwitchBack();
  if (outcome.solutions == 0 && ReloadWordLists) ReloadWordLists();
}

void HeuristicSearch::EndNow() {
  m_control->searching.store(false);
  m_control->skip.store(true);
  if (m_worker.joinable()) m_worker.request_stop();
}

}  // namespace quotella

namespace quotella {

int HeuristicSearch::LaySolution(const std::string& line) {
  Host& host = m_doc.host();
  if (NumEmpty(m_doc) != 3) {
    host.Message(" There must be 3 and only 3 empty Answers available ");
    SwitchBack();
    return 0;
  }
  if (Searching()) {
    host.Message(
        "First you must exit the Heuristic Search!\rRight-Click Wordlist and select \"End Search "
        "Now\"");
    SwitchBack();
    return 0;
  }
  const std::size_t star1 = line.find('*');
  const std::size_t star2 = star1 == std::string::npos ? star1 : line.find('*', star1 + 1);
  if (star2 == std::string::npos) {
    SwitchBack();
    return 0;
  }
  const std::string words[3] = {UpperCase(Trim(line.substr(0, star1))),
                                UpperCase(Trim(line.substr(star1 + 1, star2 - star1 - 1))),
                                UpperCase(Trim(line.substr(star2 + 1)))};
  int laid = 0;
  for (const auto& word : words) {
    if (word.empty()) continue;
    for (int row = 0; row < m_doc.P.NumWords; ++row) {
      const std::string& initial = m_doc.KeyWords.At(1, row);
      if (initial.empty() || initial[0] != word[0] || !m_doc.KeyWords.At(2, row).empty()) continue;
      if (LayInString(m_doc, word, row)) ++laid;
      break;
    }
  }
  m_doc.PuzzleChanged = laid > 0 || m_doc.PuzzleChanged;
  EndNow();
  return laid;
}

}  // namespace quotella
