#include "app/dialogs/wordlisteditordialog.h"

#include <QAction>

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <functional>

#include "app/widgets/panelbar.h"
#include "render/qtext.h"
#include "rtf/rtfreader.h"

namespace quotella {

WordListEditorDialog::WordListEditorDialog(WordListEditor& editor, Host& host, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_host(host) {
  setObjectName(QStringLiteral("WordListEditor"));
  setWindowTitle(QString::fromLatin1(kWordListEditorCaption));
  setModal(false);
  resize(640, 480);

  auto* heading = new QLabel(QString::fromLatin1(kWordListEditorHeading), this);
  auto* listButtons = new QHBoxLayout;
  auto* lists = new QHBoxLayout;
  for (int n = 1; n <= 3; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    auto* b = new QPushButton(QStringLiteral("%1.").arg(n), this);
    b->setCheckable(true);
    connect(b, &QPushButton::clicked, this, [this, n] {
      m_editor.ShowList(n);
      refresh();
    });
    listButtons->addWidget(b);
    m_listButtons[i] = b;

    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("CheckList%1").arg(n));
    connect(list, &QListWidget::itemChanged, this, [this, n, list](QListWidgetItem* item) {
      if (m_refreshing) return;
      m_editor.SetChecked(n, list->row(item), item->checkState() == Qt::Checked);
    });
    connect(list, &QListWidget::currentRowChanged, this, [this, n](int row) {
      if (!m_refreshing) m_editor.Select(n, row);
    });
    // The check list's own look-up: the word selected in this list, whichever is shown.
    auto* lookup = new QAction(QString::fromLatin1(kEditorLookupMenuCaption), list);
    lookup->setObjectName(QStringLiteral("CheckListLookup%1").arg(n));
    connect(lookup, &QAction::triggered, this, [this, n] {
      if (const auto word = m_editor.LookupWord(n)) emit lookupRequested(ToQString(*word));
    });
    list->addAction(lookup);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    lists->addWidget(list);
    m_lists[i] = list;
  }
  m_workList = new QListWidget(this);
  m_workList->setObjectName(QStringLiteral("WorkList"));
  m_log = new QListWidget(this);
  m_log->setObjectName(QStringLiteral("ExpungeLog"));
  lists->addWidget(m_workList);
  lists->addWidget(m_log);
  m_help = new QTextEdit(this);
  m_help->setReadOnly(true);
  m_help->hide();
  m_help->viewport()->installEventFilter(this);

  auto* buttons = new QHBoxLayout;
  const auto add = [&](const QString& caption, const std::function<void()>& action) {
    auto* b = new QPushButton(caption, this);
    connect(b, &QPushButton::clicked, this, [this, action] {
      action();
      if (m_editor.IsOpen()) refresh();
    });
    buttons->addWidget(b);
  };
  add(QString::fromLatin1(kCopyChecksButtonCaption), [this] { m_editor.CopyChecks(); });
  add(QString::fromLatin1(kExpungeButtonCaption), [this] { m_editor.Expunge(m_host); });
  add(QStringLiteral("Lookup"), [this] {
    if (const auto word = m_editor.LookupWord()) emit lookupRequested(ToQString(*word));
  });
  add(QStringLiteral("Help"), [this] { m_editor.Help(m_host); });
  add(QStringLiteral("OK"), [this] {
    m_editor.Ok();
    hide();
  });
  add(QStringLiteral("Cancel"), [this] {
    m_editor.Cancel();
    hide();
  });

  m_status = new PanelBar(QStringLiteral("EditorStatus"), {QString(), QString(), QString()},
                          {200, 120, 0}, this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(listButtons);
  layout->addLayout(lists, 1);
  layout->addWidget(m_help, 1);
  layout->addLayout(buttons);
  layout->addWidget(m_status);
  m_editor.Repaint = [this] { refresh(); };
}

QPushButton* WordListEditorDialog::button(const QString& caption) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

void WordListEditorDialog::refresh() {
  m_refreshing = true;
  const int shown = m_editor.ShownList();
  for (int n = 1; n <= 3; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    QListWidget* list = m_lists[i];
    list->clear();
    for (const auto& entry : m_editor.List(n)) {
      auto* item = new QListWidgetItem(ToQString(entry.word), list);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(entry.checked ? Qt::Checked : Qt::Unchecked);
    }
    list->setCurrentRow(m_editor.Selected(n));
    list->setVisible(n == shown && !m_editor.HelpShown());
    m_listButtons[i]->setChecked(n == shown);
  }
  m_workList->clear();
  for (const auto& w : m_editor.WorkList()) m_workList->addItem(ToQString(w));
  m_workList->setCurrentRow(m_editor.WorkSelected());
  m_log->clear();
  for (const auto& w : m_editor.Log()) m_log->addItem(ToQString(w));
  m_workList->setVisible(!m_editor.HelpShown());
  m_log->setVisible(!m_editor.HelpShown());
  m_help->setVisible(m_editor.HelpShown());
  if (m_editor.HelpShown()) m_help->setHtml(RtfToHtml(m_editor.HelpText()));
  for (int p = 0; p < 3; ++p)
    m_status->setPanel(p, ToQString(m_editor.StatusPanels()[static_cast<std::size_t>(p)]));
  m_refreshing = false;
}

void WordListEditorDialog::reject() {
  // Closing the window leaves the editor as "Cancel" does.
  if (m_editor.IsOpen()) m_editor.Cancel();
  QDialog::reject();
}

}  // namespace quotella

namespace quotella {

bool WordListEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_help->viewport() && event->type() == QEvent::MouseButtonPress) {
    m_editor.HelpViewPressed();
    refresh();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quotella
