#include "app/commands/edithistory.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QTimer>

#include "app/panes/answerpane.h"
#include "app/widgets/tablemodels.h"
#include "app/window/names.h"
#include "app/window/windowrequests.h"
#include "files/filesession.h"

namespace quotella {

namespace {

const QString kUndo = QString::fromLatin1(names::kUndo);
const QString kRedo = QString::fromLatin1(names::kRedo);

// "&Clear Word" -> "Clear Word": a menu caption as a step name.
QString StepName(const QAction* action) {
  QString name = action->text();
  name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  name.remove(QLatin1Char('&'));
  name.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  return name;
}

}  // namespace

EditHistory::EditHistory(PuzzleDocument& doc, FileSession& session, AnswerPane& answer,
                         WindowRequests& requests)
    : m_doc(doc), m_requests(requests), m_history(doc) {
  m_history.BindTexts({&session.TitleBox, &session.BylineBox, &session.CopyrightText});
  m_history.Changed = [this] { updateActions(); };
  m_history.Start();
  // A puzzle made or loaded outside a command (a double click in the quotes editor, the
  // manual-entry window, the start-up load) starts the new history as soon as the
  // handler that made it has finished, before the user's next change.
  doc.Subscribe([this](PuzzleDocument::Change) {
    if (m_history.Current() || m_startQueued) return;
    m_startQueued = true;
    QTimer::singleShot(0, this, [this] {
      m_startQueued = false;
      if (!m_history.Current()) m_history.Start();
    });
  });
  if (QAction* redo = m_requests.command(kRedo))
    redo->setShortcuts({redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // The caret leaving a row ends the word typed into it.
  connect(answer.keyWords()->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) m_history.CaretAt(current.row());
          });
  updateActions();
}

void EditHistory::Step(const QString& name, const std::function<void()>& change) {
  m_history.Record(name.toStdString(), change);
  updateActions();
}

void EditHistory::Command(const QAction* action, const std::function<void()>& run) {
  if (action->objectName() == kUndo || action->objectName() == kRedo) {
    run();
    return;
  }
  Step(StepName(action), run);
}

void EditHistory::Typing(int row, const std::function<void()>& change) {
  const QString name = QStringLiteral("Typing in ") + QString::fromLatin1(m_doc.Label(row));
  m_history.RecordTyping(row, name.toStdString(), change);
  updateActions();
}

void EditHistory::BoxEdit(int box, const QString& name, const std::function<void()>& change) {
  change();
  m_history.Checkpoint(name.toStdString(), box);
  updateActions();
}

void EditHistory::Changed(const QString& name) {
  m_history.Checkpoint(name.toStdString());
  updateActions();
}

void EditHistory::Swap(const std::function<void()>& change) {
  m_history.Begin("Swap");
  change();
  const std::vector<int> moved = m_history.ReassignedCells();
  if (moved.size() == 2)
    m_history.Rename(
        SwapStepName(m_history.CellNumberBefore(moved[0]), m_history.CellNumberBefore(moved[1])));
  m_history.Commit();
  updateActions();
}

void EditHistory::StepIn(EditHistory* history, const QString& name,
                         const std::function<void()>& change) {
  if (history)
    history->Step(name, change);
  else
    change();
}

void EditHistory::undo() {
  // A change not yet recorded (a box being typed in) becomes a step first, so that undo
  // takes back exactly what the user last did.
  m_history.Checkpoint("Edit");
  if (m_history.Undo()) m_requests.RefreshViews();
  updateActions();
}

void EditHistory::redo() {
  if (m_history.Redo()) m_requests.RefreshViews();
  updateActions();
}

void EditHistory::updateActions() {
  QAction* undo = m_requests.command(kUndo);
  QAction* redo = m_requests.command(kRedo);
  if (undo) {
    undo->setEnabled(canUndo());
    undo->setText(canUndo() ? QStringLiteral("Undo ") + QString::fromStdString(m_history.UndoName())
                            : QStringLiteral("Undo"));
  }
  if (redo) {
    redo->setEnabled(canRedo());
    redo->setText(canRedo() ? QStringLiteral("Redo ") + QString::fromStdString(m_history.RedoName())
                            : QStringLiteral("Redo"));
  }
}

}  // namespace quotella
