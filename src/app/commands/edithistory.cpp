#include "app/commands/edithistory.h"

#include <QAction>
#include <QChildEvent>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/wordlistpane.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/names.h"
#include "app/window/windowparts.h"
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

EditHistory::EditHistory(WindowParts& parts, const QList<QAction*>& commands)
    : m_parts(parts), m_history(*parts.doc) {
  FileSession& session = *parts.session;
  m_history.BindTexts({&session.TitleBox, &session.BylineBox, &session.CopyrightText});
  m_history.Changed = [this] { updateActions(); };
  m_history.Start();
  // A puzzle made or loaded outside a command (a double click in the quotes editor, the
  // manual-entry window, the start-up load) starts the new history as soon as the
  // handler that made it has finished, before the user's next change.
  parts.doc->Subscribe([this](PuzzleDocument::Change) {
    if (m_history.Current() || m_startQueued) return;
    m_startQueued = true;
    QTimer::singleShot(0, this, [this] {
      m_startQueued = false;
      if (!m_history.Current()) m_history.Start();
    });
  });

  for (QAction* action : commands) connectCommand(action);
  // Commands added later (ActionTable::add) are followed too, once their own handler is
  // connected: the child event comes from the action's constructor.
  parts.window->installEventFilter(this);
  if (QAction* redo = parts.requests->command(kRedo))
    redo->setShortcuts({redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y)});

  // Controls that change the puzzle without a command.
  KeyTableView* keyWords = parts.answer->keyWords();
  PuzzleDocument& doc = *parts.doc;
  connect(keyWords, &KeyTableView::keyTyped, this, [this, &doc] {
    checkpoint(QStringLiteral("Typing in ") + QString::fromLatin1(doc.Label(doc.view().CurRow)),
               doc.view().CurRow);
  });
  connect(keyWords->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) m_history.CaretAt(current.row());
          });
  WordListPane* lists = parts.lists;
  connect(lists, &WordListPane::candidateDoubleClicked, this, [this, lists] {
    const QListWidgetItem* item = lists->candidates()->currentItem();
    checkpoint(QStringLiteral("Candidate ") + (item ? item->text().trimmed() : QString()));
  });
  connect(lists, &WordListPane::wordList4DoubleClicked, this,
          [this] { checkpoint(QStringLiteral("Three-Word Solution")); });
  connect(parts.quote, &QuotePane::swapLineDoubleClicked, this, [this] { swapped(); });
  GridViewPane* grid = parts.gridView;
  connect(grid->puzzleGrid(), &PuzzleGridWidget::positionDoubleClicked, this,
          [this] { swapped(); });
  connect(grid->stretchButton(), &QPushButton::clicked, this,
          [this] { checkpoint(QStringLiteral("Stretch Grid")); });
  connect(grid->squeezeButton(), &QPushButton::clicked, this,
          [this] { checkpoint(QStringLiteral("Squeeze Grid")); });
  connect(grid->copyrightButton(), &QPushButton::clicked, this,
          [this] { checkpoint(QStringLiteral("Copyright")); });
  connect(grid->titleEdit(), &QLineEdit::textEdited, this,
          [this] { checkpoint(QStringLiteral("Title"), kTitleBox); });
  connect(grid->bylineEdit(), &QLineEdit::textEdited, this,
          [this] { checkpoint(QStringLiteral("Byline"), kBylineBox); });
  connect(parts.bottom->conditions(), &QLineEdit::textEdited, this,
          [this] { checkpoint(QStringLiteral("Must Have"), kMustHaveBox); });
  connect(parts.pool, &PoolPane::cellDoubleClicked, this,
          [this] { checkpoint(QStringLiteral("Must Have"), kMustHaveBox); });
  updateActions();
}

void EditHistory::connectCommand(QAction* action) {
  if (!action || m_connected.contains(action)) return;
  m_connected.insert(action);
  if (action->objectName() == kUndo || action->objectName() == kRedo) return;
  connect(action, &QAction::triggered, this, [this, action] {
    if (action->objectName() == QStringLiteral("Autofill1"))
      m_autofillAsked = m_parts.search->autofilling();
    checkpoint(StepName(action));
  });
  connect(action, &QObject::destroyed, this, [this, action] { m_connected.remove(action); });
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
  if (watched == static_cast<QObject*>(m_parts.window) && event->type() == QEvent::ChildAdded) {
    QPointer<QObject> child = static_cast<QChildEvent*>(event)->child();
    QMetaObject::invokeMethod(
        this, [this, child] { connectCommand(qobject_cast<QAction*>(child.data())); },
        Qt::QueuedConnection);
  }
  return false;
}

void EditHistory::checkpoint(const QString& name, int typingId) {
  m_history.Checkpoint(name.toStdString(), typingId);
  updateActions();
}

void EditHistory::swapped() {
  const std::vector<int> moved = m_history.ReassignedSinceLast();
  if (moved.size() == 2)
    checkpoint(QString::fromStdString(
        SwapStepName(m_history.CellNumberLast(moved[0]), m_history.CellNumberLast(moved[1]))));
  else
    checkpoint(QStringLiteral("Swap"));
}

void EditHistory::searchLaid() {
  if (m_autofillAsked && !m_parts.search->autofilling()) {
    m_autofillAsked = false;
    checkpoint(QStringLiteral("Autofill"));
  } else {
    checkpoint(QStringLiteral("Three-Word Solution"));
  }
}

void EditHistory::undo() {
  // A change not yet recorded (a box being typed in) becomes a step first, so that undo
  // takes back exactly what the user last did.
  m_history.Checkpoint("Edit");
  if (m_history.Undo()) m_parts.requests->RefreshViews();
  updateActions();
}

void EditHistory::redo() {
  if (m_history.Redo()) m_parts.requests->RefreshViews();
  updateActions();
}

void EditHistory::updateActions() {
  QAction* undo = m_parts.requests->command(kUndo);
  QAction* redo = m_parts.requests->command(kRedo);
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
