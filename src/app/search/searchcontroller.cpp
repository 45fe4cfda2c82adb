#include "app/search/searchcontroller.h"

#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/dialogs/wordlisteditordialog.h"
#include "app/panes/statuspane.h"
#include "app/search/backgroundwork.h"
#include "app/search/otheranswerslist.h"
#include "app/search/workerscans.h"
#include "app/widgets/panelbar.h"
#include "core/answertable.h"
#include "core/document.h"
#include "core/poolstatus.h"
#include "render/qtext.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/autofillworker.h"
#include "search/filljob.h"
#include "search/heuristic.h"
#include "search/wordlisteditor.h"
#include "search/wordlists.h"

namespace quotella {

namespace {

constexpr const char* kExitSearchFirst =
    "First you must exit the Heuristic Search!\rRight-Click Wordlist and select \"End Search "
    "Now\"";
// The heuristic search's last report before the brute force starts; it means nothing once
// the search is over.
constexpr const char* kLongTimeNote = "This can take a long time";

}  // namespace

SearchController::SearchController(PuzzleDocument& doc, WordSources& sources, Host& host,
                                   StatusPane& status, QWidget* window, Hooks hooks)
    : QObject(nullptr),
      m_doc(doc),
      m_sources(sources),
      m_host(host),
      m_status(status),
      m_window(window),
      m_hooks(std::move(hooks)),
      m_otherAnswers(std::make_unique<OtherAnswersList>(
          doc, sources, host, status,
          OtherAnswersList::Hooks{m_hooks.listsChanged, m_hooks.viewsChanged})),
      m_background(std::make_unique<BackgroundWork>(host, status)) {
  m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  m_escape->setObjectName(QStringLiteral("SearchEscape"));
  m_escape->setEnabled(false);
  connect(m_escape, &QShortcut::activated, this, [this] { Escape(); });
  connect(m_background.get(), &BackgroundWork::runningChanged, this, [this] { UpdateEscape(); });
  // Another long scan took the worker while autofill read its dictionary: autofill ends.
  connect(m_background.get(), &BackgroundWork::finished, this, [this](bool taken) {
    if (!taken && m_autofillRunning && !m_job) SetAutofillRunning(false);
    if (!taken && m_heuristicReading) AbandonHeuristicReading();
  });
}

SearchController::~SearchController() {
  delete m_listEditorDialog;  // it works on m_listEditor
  m_listEditorDialog = nullptr;
  m_autofill.reset();   // stops and joins a running fill before its dictionary goes
  m_heuristic.reset();  // ends and joins a running search before the lists go
  m_endedWorkers.clear();
}

bool SearchController::heuristicSearching() const {
  return m_heuristicRunning || (m_heuristic && m_heuristic->Searching());
}

void SearchController::UpdateEscape() {
  m_escape->setEnabled(m_heuristicRunning || m_autofillRunning || m_background->running());
}

// ---------------------------------------------------------------------------------
// The heuristic search

void SearchController::HeuristicButtonClick() {
  // A preparation that ended early leaves the searching flag set (no solution can be laid
  // until the search is ended); the button starts afresh all the same. Only a worker
  // still delivering results, or the open prune editor, keeps it from starting.
  if (!m_doc.PuzzleExists || m_heuristicRunning || m_heuristicReading) return;
  if (!m_heuristic) {
    m_heuristic = std::make_unique<HeuristicSearch>(m_doc, m_sources);
    m_heuristic->OpenPruneEditor = [this](const ThreeWordSearch::Lists& lists) {
      OpenWordListEditor(lists);
    };
  }
  // A search about to start shows its log empty, not the last search's words.
  if (NumEmpty(m_doc) == 3) {
    m_sources.List(4).Items.clear();
    if (m_hooks.listsChanged) m_hooks.listsChanged();
  }
  if (m_hooks.showSearchLog) m_hooks.showSearchLog();
  const HeuristicSearch::Prepared begun = m_heuristic->Begin();
  if (begun == HeuristicSearch::Prepared::Ready)
    ReadHeuristicLists();
  else
    AfterPreparation(static_cast<int>(begun));
}

void SearchController::ReadHeuristicLists() {
  m_heuristicReading = true;
  if (m_hooks.listsChanged) m_hooks.listsChanged();
  const int generation = m_generation;
  WorkerScans::ReadHeuristicLists(
      *m_background, m_doc, m_heuristic->Reading(), m_letterReader,
      [this, generation](HeuristicListsRead read) {
        if (!m_heuristicReading || !m_heuristic || generation != m_generation) return;
        if (read.stopped || m_background->stopRequested()) {
          AbandonHeuristicReading();
          return;
        }
        m_heuristicReading = false;
        AfterPreparation(static_cast<int>(m_heuristic->ListsRead(std::move(read))));
      });
}

void SearchController::AbandonHeuristicReading() {
  m_heuristicReading = false;
  const QString report = m_status.statusBar1()->panel(kMessagePanel);  // why it ended
  if (m_heuristic) m_heuristic->Abandon();
  if (m_hooks.listsChanged) m_hooks.listsChanged();
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  m_status.statusBar1()->setPanel(kMessagePanel, report);
}

void SearchController::AfterPreparation(int prepared) {
  using Prepared = HeuristicSearch::Prepared;
  const auto step = static_cast<Prepared>(prepared);
  // The repaint moves the table's cursor, which puts the pool hint into the message panel;
  // an early end's report is put back so that it can be read.
  const QString report = m_status.statusBar1()->panel(kMessagePanel);
  if (m_hooks.listsChanged) m_hooks.listsChanged();
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  const bool early = step == Prepared::EmptyList || step == Prepared::TooShort ||
                     step == Prepared::MissingLetters || step == Prepared::BailedOut;
  if (step == Prepared::BailedOut && m_hooks.bailedOut) m_hooks.bailedOut();
  if (early) m_status.statusBar1()->setPanel(kMessagePanel, report);
  if (step == Prepared::Ready) StartHeuristicWorker();
}

void SearchController::OpenWordListEditor(const std::array<std::vector<std::string>, 3>& lists) {
  if (!m_listEditor) m_listEditor = std::make_unique<WordListEditor>();
  m_listEditor->DictDir = m_sources.DictionaryDir();
  if (m_hooks.programDir) m_listEditor->ProgramDir = m_hooks.programDir();
  if (!m_listEditorDialog) {
    m_listEditorDialog = new WordListEditorDialog(*m_listEditor, m_host, m_window);
    connect(m_listEditorDialog, &WordListEditorDialog::lookupRequested, this,
            [this](const QString& word) {
              if (m_hooks.lookUp) m_hooks.lookUp(word);
            });
  }
  const int generation = m_generation;
  m_listEditor->Open(lists, [this, generation](bool bailedOut, WordListEditor::Lists pruned) {
    // The editor calls this from its own button handler: carry on once that is done.
    QTimer::singleShot(
        0, this, [this, generation, bailedOut, pruned = std::move(pruned)]() mutable {
          if (!m_heuristic || generation != m_generation) return;
          AfterPreparation(
              static_cast<int>(m_heuristic->EditorClosed(bailedOut, std::move(pruned))));
        });
  });
  m_listEditorDialog->refresh();
  m_listEditorDialog->show();
  m_listEditorDialog->raise();
}

void SearchController::StartHeuristicWorker() {
  std::erase_if(m_endedWorkers, [](const HeuristicWorker& w) { return w.done->load(); });
  QPointer<SearchController> self(this);
  m_heuristicRunning = true;
  UpdateEscape();
  const int generation = m_generation;
  m_heuristic->Start([self, generation](const HeuristicEvent& event) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, generation, event] {
          if (!self || !self->m_heuristic || generation != self->m_generation) return;
          self->m_heuristic->Apply(event);
          if (self->m_hooks.listsChanged) self->m_hooks.listsChanged();
          if (event.kind == HeuristicEvent::Kind::Finished) {
            self->m_heuristicRunning = false;
            self->UpdateEscape();
            PanelBar* bar = self->m_status.statusBar1();
            if (bar->panel(kMessagePanel).startsWith(QLatin1String(kLongTimeNote)))
              bar->setPanel(kMessagePanel, QString());
            if (self->m_hooks.viewsChanged) self->m_hooks.viewsChanged();
          }
        },
        Qt::QueuedConnection);
  });
}

void SearchController::EndHeuristicSearchNow1Click() {
  if (m_heuristic) m_heuristic->EndNow();
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
}

void SearchController::SkipHeuristic() {
  if (m_heuristic) m_heuristic->Skip();
}

bool SearchController::LaySolution(const std::string& line) {
  if (!m_doc.PuzzleExists) return false;
  if (NumEmpty(m_doc) != 3) {
    m_host.Message(" There must be 3 and only 3 empty Answers available ");
    return false;
  }
  if (heuristicSearching()) {
    m_host.Message(kExitSearchFirst);
    return false;
  }
  if (!m_heuristic) m_heuristic = std::make_unique<HeuristicSearch>(m_doc, m_sources);
  AsStep(QStringLiteral("Three-Word Solution"), [&] { m_heuristic->LaySolution(line); });
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  return true;
}

void SearchController::Escape() {
  if (m_autofillRunning && m_autofill) m_autofill->Stop();
  if (m_heuristicRunning && m_heuristic) m_heuristic->Escape();
  m_background->Stop();
}

void SearchController::EndAll() {
  ++m_generation;
  m_heuristicReading = false;  // the reading's result is dropped with the search
  m_background->Cancel();
  // The search's worker is stopped and set aside, not waited for: it holds only its own
  // copies, and whatever it still posts is dropped by the generation.
  if (m_heuristic) {
    HeuristicWorker worker = m_heuristic->TakeWorker();
    if (worker.thread.joinable()) m_endedWorkers.push_back(std::move(worker));
  }
  m_heuristic.reset();
  m_heuristicRunning = false;
  if (m_listEditorDialog) m_listEditorDialog->hide();
  if (m_autofillRunning) {
    m_autofillRunning = false;
    if (m_autofill) m_autofill->Stop();
    SetAutofillRunning(false);
  }
  UpdateEscape();
}

// ---------------------------------------------------------------------------------
// Autofill

void SearchController::SetAutofillRunning(bool running) {
  m_autofillRunning = running;
  QProgressBar* progress = m_status.progress();
  progress->setVisible(running);
  if (!running) m_status.statusBar1()->setPanel(kMessagePanel, QString());
  UpdateEscape();
  if (m_hooks.autofillRunning) m_hooks.autofillRunning(running);
}

void SearchController::Autofill1Click() {
  if (m_autofillRunning) {
    // The result (a stop, or the fills found so far) still arrives through OnAutofillDone;
    // a stop while the dictionary is read is reported when the reading ends.
    if (!m_job)
      m_background->Stop();
    else if (m_autofill)
      m_autofill->Stop();
    return;
  }
  StartAutofill(m_hooks.autofillRequest ? m_hooks.autofillRequest() : AutofillRequest{});
}

void SearchController::StartAutofill(const AutofillRequest& request) {
  if (m_autofillRunning) return;
  if (!m_doc.PuzzleExists) return;
  if (heuristicSearching()) {
    m_host.Message(kExitSearchFirst);
    return;
  }
  // Which rows a fill covers needs no word: only the dictionary is read in a worker.
  const std::size_t rows = MakeRefillProblem(m_doc, request.rows).rowSlots.size();
  if (rows == 0) {
    m_host.Message(AutofillEndText(AutofillEnd::NothingToFill));
    return;
  }
  m_background->Cancel();  // before autofill counts as running: that scan is not autofill's
  m_request = request;
  m_job.reset();
  m_fills.clear();
  m_nextFill = 0;
  QProgressBar* progress = m_status.progress();
  progress->setRange(0, static_cast<int>(rows));
  progress->setValue(0);
  progress->setFormat(QStringLiteral("Autofill: %v of %m rows"));
  SetAutofillRunning(true);
  const FillRequest fill =
      WindowFillRequest(request.rows, request.maxRarity, request.seconds, request.seed, m_sources);
  WorkerScans::PrepareAutofill(
      *m_background, m_doc, fill, m_sources.DictionaryDir(),
      [this](std::shared_ptr<FillJob> job) { LaunchFill(std::move(job)); });
}

void SearchController::LaunchFill(std::shared_ptr<FillJob> job) {
  if (!m_autofillRunning) return;
  if (m_background->stopRequested()) {
    SetAutofillRunning(false);
    m_host.Message(AutofillEndText(AutofillEnd::Stopped));
    return;
  }
  if (m_budget) job->options.clock = m_budget;
  m_job = job;
  if (!m_autofill) m_autofill = std::make_unique<AutofillWorker>();
  m_status.statusBar1()->setPanel(kMessagePanel, QStringLiteral("Autofill: starting"));

  QPointer<SearchController> self(this);
  const int generation = m_generation;
  m_autofill->Start(
      std::move(job),
      [self, generation](const AutofillProgress& p) {
        const int depth = p.bestDepth;
        const QString format =
            QStringLiteral("Autofill: %v of %m rows, %1 s").arg(p.elapsed, 0, 'f', 1);
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, depth, format] {
              if (!self || !self->m_autofillRunning || generation != self->m_generation) return;
              QProgressBar* bar = self->m_status.progress();
              bar->setValue(std::min(depth, bar->maximum()));
              bar->setFormat(format);
              self->m_status.statusBar1()->setPanel(kMessagePanel, QString());
            },
            Qt::QueuedConnection);
      },
      [self, generation](AutofillResult result) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, result = std::move(result)] {
              if (self && generation == self->m_generation) self->OnAutofillDone(result);
            },
            Qt::QueuedConnection);
      });
}

void SearchController::OfferPartialFill(const AutofillResult& result) {
  const int partialRows = RowsLaidBy(*m_job, result.partial);
  // When time runs out the best partial fill is offered rather than thrown away.
  if (result.end == AutofillEnd::TimeLimit && partialRows > 0 && FillStillFits(m_doc, *m_job)) {
    const std::string question = AutofillEndText(result.end) + ".\rKeep the " +
                                 std::to_string(partialRows) + " rows of the best partial fill?";
    if (!m_host.Confirm(question, ConfirmKind::Question)) return;
    LayFillAsStep(result.partial);
    m_status.statusBar1()->setPanel(
        kMessagePanel, QStringLiteral("Autofill: %1 rows of a partial fill kept").arg(partialRows));
    return;
  }
  // A proof says why, on a line of its own.
  m_host.Message(AutofillEndText(result.end) +
                 (result.reason.empty() ? std::string() : ".\r" + result.reason));
}

void SearchController::AsStep(const QString& name, const std::function<void()>& change) {
  if (m_hooks.step)
    m_hooks.step(name, change);
  else
    change();
}

FillLaid SearchController::LayFillAsStep(const AutofillFill& fill) {
  FillLaid laid = FillLaid::TableChanged;
  AsStep(QStringLiteral("Autofill"), [&] { laid = LayChosenFill(m_doc, *m_job, fill); });
  if (laid != FillLaid::TableChanged) m_doc.PuzzleChanged = true;
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  return laid;
}

void SearchController::OnAutofillDone(const AutofillResult& result) {
  if (!m_autofillRunning || !m_job) return;
  SetAutofillRunning(false);
  if (result.end != AutofillEnd::Filled || result.fills.empty()) {
    OfferPartialFill(result);
    return;
  }
  // The table may have changed while the search ran: a fill that no longer fits is
  // reported rather than laid half-way.
  if (LayFillAsStep(result.fills.front()) != FillLaid::Laid) {
    m_host.Message("The answers changed during Autofill: its fill no longer fits");
    return;
  }
  m_fills = result.fills;
  m_nextFill = 1;
  m_laidTable = TableAnswers(m_doc);
  const std::size_t laid =
      m_job->rows.empty() ? m_job->problem.rowSlots.size() : m_job->rows.size();
  m_status.statusBar1()->setPanel(kMessagePanel,
                                  QStringLiteral("Autofill: %1 rows filled").arg(laid));
  if (PoolIsEmpty(m_doc)) m_host.PlaySound("cheer");
}

void SearchController::FillAgain() {
  if (m_autofillRunning || !m_doc.PuzzleExists || !m_job) return;
  // The rows the last fill laid: the next fill refills exactly those.
  FillRequest last;
  last.rows = m_request.rows;
  last.seed = m_request.seed;
  const FillRequest next = NextFillRequest(last, *m_job);
  if (m_nextFill < m_fills.size() && TableAnswers(m_doc) == m_laidTable) {
    auto named = std::make_shared<FillJob>(*m_job);
    named->rows = next.rows;
    m_job = std::move(named);
    if (LayFillAsStep(m_fills[m_nextFill]) == FillLaid::Laid) {
      ++m_nextFill;
      m_laidTable = TableAnswers(m_doc);
      m_status.statusBar1()->setPanel(
          kMessagePanel,
          QStringLiteral("Autofill: fill %1 of %2").arg(m_nextFill).arg(m_fills.size()));
      return;
    }
  }
  AutofillRequest again = m_request;
  again.rows = next.rows;
  again.seed = next.seed;
  StartAutofill(again);
}

bool SearchController::ShowOtherAnswers(int row, std::function<void()> shown) {
  if (!m_doc.PuzzleExists || m_autofillRunning) return false;
  if (row < 0 || row >= m_doc.P.NumWords || m_doc.KeyWords.At(2, row).empty()) {
    m_host.Message("Other answers need a row that holds a word");
    return false;
  }
  const AutofillRequest request =
      m_hooks.autofillRequest ? m_hooks.autofillRequest() : AutofillRequest{};
  const FillRequest fill =
      WindowFillRequest({row}, request.maxRarity, request.seconds, request.seed, m_sources);
  m_otherAnswers->Find(*m_background, row, fill, m_budget, std::move(shown));
  return true;
}

bool SearchController::LayOtherAnswer(int line) {
  return m_otherAnswers->Lay(line);
}

}  // namespace quotella
