#include "app/quotes/quoteranking.h"

#include <QMainWindow>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <memory>
#include <stop_token>

#include "app/commands/puzzlecommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/statuspane.h"
#include "app/quotes/rankingdialog.h"
#include "app/search/backgroundwork.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "app/window/windowparts.h"
#include "core/host.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "quotes/quoteranker.h"
#include "render/qtext.h"
#include "search/heuristic.h"
#include "search/wordlists.h"

namespace quotella {

namespace {

const QString kLabel = QStringLiteral("Ranking quotes");

std::vector<std::string> EditorLines(const QPlainTextEdit& editor) {
  std::vector<std::string> lines;
  for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next())
    lines.push_back(ToUtf8(block.text()));
  return lines;
}

QString Summary(const RankOutcome& outcome) {
  if (outcome.stopped)
    return QStringLiteral("Ranked %1 of %2 lines (stopped)")
        .arg(outcome.ranks.size())
        .arg(outcome.total);
  return QStringLiteral("Ranked %1 lines, best first").arg(outcome.ranks.size());
}

RankingDialog& RankingDialogOf(WindowParts& w) {
  auto* dialog = w.window->findChild<RankingDialog*>(QStringLiteral("QuoteRankingDialog"));
  if (dialog) return *dialog;
  dialog = new RankingDialog(w.window);
  QObject::connect(dialog, &RankingDialog::lineChosen, dialog,
                   [&w](const QuoteRank& rank) { MakePuzzleOfRankedLine(w, rank); });
  QObject::connect(dialog, &RankingDialog::saveRequested, dialog,
                   [&w, dialog] { SaveRanking(w, *dialog); });
  return *dialog;
}

// Shows a worker's count in the message panel; the panel's own thread runs it.
void PostProgress(PanelBar* bar, const RankProgress& progress) {
  // The count first: the message panel is narrow.
  const QString text =
      QStringLiteral("Ranked %1 of %2\u2026 (Esc stops)").arg(progress.done).arg(progress.total);
  QMetaObject::invokeMethod(
      bar, [bar, text] { bar->setPanel(kMessagePanel, text); }, Qt::QueuedConnection);
}

}  // namespace

void RankQuotesClick(WindowParts& w) {
  std::vector<std::string> lines = EditorLines(*w.answer->quotesEditor());
  if (std::all_of(lines.begin(), lines.end(),
                  [](const std::string& line) { return Trim(line).empty(); })) {
    w.host->Message("The quotes file has no lines to rank.");
    return;
  }
  auto outcome = std::make_shared<RankOutcome>();
  PanelBar* bar = w.status->statusBar1();
  BackgroundWork::Job job = [&w, lines = std::move(lines), dictDir = w.sources->DictionaryDir(),
                             outcome, bar](Host& host) -> BackgroundWork::Apply {
    const auto dictionary = PreloadDictionary(dictDir, &host);
    // Esc reaches the worker through its host; the ranking listens to a stop source.
    std::stop_source stop;
    if (host.ProcessPendingEvents()) stop.request_stop();
    *outcome = RankQuotes(lines, dictionary, RankOptions{}, stop.get_token(),
                          [&host, &stop, bar](const RankProgress& progress) {
                            if (host.ProcessPendingEvents()) stop.request_stop();
                            PostProgress(bar, progress);
                          });
    return [&w, outcome] { RankingDialogOf(w).Show(outcome->ranks, Summary(*outcome)); };
  };
  w.search->background().Start(kLabel, std::move(job), {});
}

void MakePuzzleOfRankedLine(WindowParts& w, const QuoteRank& rank) {
  QPlainTextEdit* editor = w.answer->quotesEditor();
  const QTextBlock block = editor->document()->findBlockByNumber(rank.line - 1);
  if (!block.isValid() || Trim(ToUtf8(block.text())) != rank.text) {
    w.host->Message("Line " + std::to_string(rank.line) +
                    " of the quotes file changed since it was ranked. Rank the quotes again.");
    return;
  }
  editor->setTextCursor(QTextCursor(block));
  w.puzzleCommands->QuotesEditorDblClick();
}

void SaveRanking(WindowParts& w, const RankingDialog& dialog) {
  const auto chosen = w.host->SaveFileName("Save Ranking", kPuzzleFileFilter, w.session->CurrentDir,
                                           "ranked quotes.txt");
  if (!chosen) return;
  if (FileExists(*chosen) &&
      !w.host->Confirm("File " + *chosen + " exists! Overwrite?", ConfirmKind::Question))
    return;
  const SaveResult saved = WriteLinesAtomic(*chosen, LineStore(dialog.ShownLines()));
  if (!saved.ok()) w.host->Message(saved.Message("Could not save file ", *chosen));
}

}  // namespace quotella
