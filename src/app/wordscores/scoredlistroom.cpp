#include "app/wordscores/scoredlistroom.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>

#include "app/commands/editorsync.h"
#include "app/commands/viewcommands.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/window/actiontable.h"
#include "app/window/names.h"
#include "app/window/windowparts.h"
#include "app/wordscores/scoredlistsgroup.h"
#include "app/wordscores/scoredlisttext.h"
#include "core/document.h"
#include "core/host.h"
#include "core/savereport.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "render/qtext.h"
#include "search/heuristic.h"
#include "search/wordlists.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

// The settings and the word-score table start from the same choices.
static_assert(kFreshMinWordScore == kDefaultMinScore);
static_assert(kFreshListWordScore == kDefaultListScore);
static_assert(kLowestWordScore == kMinWordScore && kHighestWordScore == kMaxWordScore);

namespace {

constexpr const char* kAddAnswersCaption = "Add Answers to My List";

bool SameChoices(const ScoredWords& a, const ScoredWords& b) {
  return a.files == b.files && a.minScore == b.minScore && a.defaultScore == b.defaultScore &&
         a.dictionaryAllowed == b.dictionaryAllowed;
}

// "words1.txt" -> "words1 scored.txt": a scored copy never replaces the list's own file.
std::string ScoredCopyName(const std::string& name) {
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return name + " scored.txt";
  return name.substr(0, dot) + " scored" + name.substr(dot);
}

// Moves a command added at the end of its menu to stand after another.
void PlaceAfter(QMenu* menu, QAction* anchor, QAction* action) {
  const QList<QAction*> actions = menu->actions();
  const auto at = actions.indexOf(anchor);
  if (at < 0 || at + 1 >= actions.size() || actions[at + 1] == action) return;
  menu->removeAction(action);
  menu->insertAction(actions[at + 1], action);
}

}  // namespace

ScoredListRoom::ScoredListRoom(WindowParts& parts)
    : m_parts(parts), m_reader([this](const ScoredListReader::Result& r) { ListsRead(r); }) {
  m_count = new QLabel(parts.window);
  m_count->setObjectName(QStringLiteral("ScoredCount"));
  m_count->hide();
  parts.window->statusBar()->addPermanentWidget(m_count);
  AddCommands(*parts.actions);
}

// Each list's scored save stands after the plain saves of the lists; adding the answers
// stands after "Reload Word Lists".
void ScoredListRoom::AddCommands(ActionTable& actions) {
  QMenu* save = actions.mainMenu(QStringLiteral("&Save"));
  QAction* anchor = actions.command(QStringLiteral("Wordlist42"));
  for (int n = 1; n <= 4; ++n) {
    const std::string caption = "Wordlist " + std::to_string(n) + " with Scores\u2026";
    QAction* action =
        actions.add({names::kSaveListWithScores[n - 1], "&Save", caption.c_str(), "",
                     [this, n](WindowParts&) { SaveListWithScores(n); }, false,
                     [n](const WindowParts& w) { return !w.sources->List(n).Items.empty(); }});
    action->setStatusTip(QStringLiteral("Saves word list %1 as a scored list: each word with its "
                                        "score, or the default score (needs entries)")
                             .arg(n));
    PlaceAfter(save, anchor, action);
    anchor = action;
  }
  QAction* add = actions.add({names::kAddAnswersToMyList, "&Tools", "Add Answers to My List\u2026",
                              "", [this](WindowParts&) { AddAnswersToMyList(); }, false,
                              [this](const WindowParts&) { return HasFilledAnswers(); }});
  add->setStatusTip(QStringLiteral(
      "Adds the puzzle's answers, with a score, to your first scored list (needs an answer)"));
  PlaceAfter(actions.mainMenu(QStringLiteral("&Tools")),
             actions.command(QStringLiteral("ReloadWordLists1")), add);
}

ScoredListRoom::~ScoredListRoom() = default;

ScoredWords ScoredListRoom::ChoicesInForce() const {
  const Settings& v = m_parts.settings->Values();
  ScoredWords choices;
  choices.files = v.ScoredListFiles;
  choices.minScore = v.MinWordScore;
  choices.defaultScore = v.ListWordScore;
  choices.dictionaryAllowed = v.DictionaryWordsAllowed;
  return choices;
}

void ScoredListRoom::SettingsApplied() {
  if (m_readOnce && SameChoices(ChoicesInForce(), m_requested)) return;
  ReadLists();
}

void ScoredListRoom::ReadLists() {
  m_requested = ChoicesInForce();
  m_readOnce = true;
  m_reader.Read(m_requested);
}

void ScoredListRoom::ListsRead(const ScoredListReader::Result& result) {
  m_parts.sources->Scored = result.words;
  const ScoredWords& words = *result.words;
  m_count->setVisible(words.Active());
  const auto count = [&](bool brief) {
    return ToQString(ScoredCountText(words.table.Count(), result.usable, words.minScore, brief));
  };
  // The status bar shows the count briefly; its tooltip says it in full and names the lists.
  m_count->setText(count(true));
  QStringList files{count(false)};
  for (const std::string& file : words.files) files << ToQString(file);
  m_count->setToolTip(files.join(QLatin1Char('\n')));
  // The scores beside the shown words and the commands that need scored lists follow at once.
  if (m_parts.sync) m_parts.sync->PushLists();
  if (m_parts.actions) m_parts.actions->updateEnabled();
  emit listsRead();
  // The lists are in use before a message box waits for the user. A list's problem is told
  // once; reading the lists again does not repeat it.
  for (const std::string& message : result.messages)
    if (m_told.insert(message).second) m_parts.host->Message(message);
}

void ScoredListRoom::SaveListWithScores(int n) {
  if (!ValidListNumber(n)) return;
  WindowParts& w = m_parts;
  w.viewCommands->WordListButtonClick(n);
  const WordSources& src = *w.sources;
  const std::string current = src.Resolve(src.List(n).FileName);
  const auto path =
      w.host->SaveFileName("Save Wordlist " + std::to_string(n) + " with Scores", kScoredListFilter,
                           FolderPart(current), ScoredCopyName(BaseName(current)));
  if (!path) return;
  const std::string target = src.Resolve(*path);
  const std::string text =
      ScoredListFileText(src.List(n), src.Scored->table, w.settings->Values().ListWordScore);
  const bool saved =
      ReportSave(*w.host, WriteFileAtomic(target, EncodeText(text, RememberedEncoding(target))),
                 "Word list " + std::to_string(n) + " with scores", "Could not save file ", target);
  const auto& named = w.settings->Values().ScoredListFiles;
  if (saved && std::find(named.begin(), named.end(), target) != named.end()) ReadLists();
}

bool ScoredListRoom::HasFilledAnswers() const {
  return !FilledAnswers(*m_parts.doc, kMinWordScore).empty();
}

std::optional<int> ScoredListRoom::AskScore() {
  Host& host = *m_parts.host;
  const auto reply = host.Prompt(kAddAnswersCaption, "Score of the answers (0 to 100)",
                                 std::to_string(m_parts.settings->Values().ListWordScore));
  if (!reply) return std::nullopt;
  const auto score = ParseIniInt(*reply);
  if (!score || *score < kMinWordScore || *score > kMaxWordScore) {
    host.Message("A score is a whole number from 0 to 100, not \"" + Trim(*reply) + "\"");
    return std::nullopt;
  }
  return score;
}

std::optional<std::string> ScoredListRoom::TargetList(bool& isNew) {
  const auto& named = m_parts.settings->Values().ScoredListFiles;
  isNew = named.empty();
  if (!isNew) return m_parts.settings->InProgramDir(named.front());
  return m_parts.host->SaveFileName(kAddAnswersCaption, kScoredListFilter,
                                    m_parts.session->CurrentDir, "my list.txt");
}

void ScoredListRoom::NameList(const std::string& path) {
  m_parts.settings->NameScoredList(path);
  // An open General Settings window shows the list, so that its Close keeps it.
  if (auto* dialog = m_parts.window->findChild<GeneralSettingsDialog*>())
    dialog->scoredLists()->addFile(ToQString(path));
}

void ScoredListRoom::AddAnswersToMyList() {
  if (!HasFilledAnswers()) return;
  const auto score = AskScore();
  if (!score) return;
  bool isNew = false;
  const auto path = TargetList(isNew);
  if (!path) return;
  const std::vector<ScoredEntry> answers = FilledAnswers(*m_parts.doc, *score);
  const SaveResult saved = AddToScoredListFile(*path, answers);
  if (!saved.ok()) {
    ReportSave(*m_parts.host, saved, {}, "Could not save file ", *path);
    return;
  }
  if (isNew) NameList(*path);
  const std::string count =
      std::to_string(answers.size()) + (answers.size() == 1 ? " answer" : " answers");
  m_parts.host->Status(StatusBar::Main, kMessagePanel, count + " added to " + *path);
  ReadLists();
}

}  // namespace quotella
