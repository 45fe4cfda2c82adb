#include "app/panes/answerpane.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/widgets/tablemodels.h"
#include "core/document.h"

namespace quotella {

AnswerPane::AnswerPane(PuzzleDocument& doc, QWidget* parent)
    : Pane(QStringLiteral("AnswerPane"), parent), m_doc(doc) {
  m_rarity.fill(QColor(Qt::white));
  const auto rows = [this] { return m_doc.PuzzleExists ? m_doc.P.NumWords : 0; };

  m_keyWords = new KeyTableView(this);
  m_keyWords->setObjectName(QStringLiteral("KeyWords"));
  m_keyWordsModel = new StringTableModel(m_doc.KeyWords, rows, this);
  m_keyWords->setModel(m_keyWordsModel);
  m_keyWords->setItemDelegate(new KeyWordsDelegate(m_doc, m_rarity, this));
  m_keyWords->setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
  m_keyWords->horizontalHeader()->hide();
  m_keyWords->verticalHeader()->hide();
  m_keyWords->horizontalHeader()->setDefaultSectionSize(22);
  m_keyWords->horizontalHeader()->setMinimumSectionSize(10);
  m_keyWords->verticalHeader()->setDefaultSectionSize(22);
  m_keyWords->verticalHeader()->setMinimumSectionSize(10);
  m_keyWords->setStyleSheet(QStringLiteral("QTableView { background-color: #FFFFE0; }"));

  m_numberGrid = new QTableView(this);
  m_numberGrid->setObjectName(QStringLiteral("NumberGrid"));
  m_numberModel = new StringTableModel(m_doc.NumberGrid, rows, this);
  m_numberGrid->setModel(m_numberModel);
  m_numberGrid->horizontalHeader()->hide();
  m_numberGrid->verticalHeader()->hide();
  m_numberGrid->horizontalHeader()->setDefaultSectionSize(30);
  m_numberGrid->verticalHeader()->setDefaultSectionSize(20);
  m_numberGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_numberGrid->hide();

  m_helpFile = new QTextEdit(this);
  m_helpFile->setObjectName(QStringLiteral("HelpFile"));
  m_helpFile->setReadOnly(true);
  m_helpFile->hide();
  m_iniFile = new QPlainTextEdit(this);
  m_iniFile->setObjectName(QStringLiteral("IniFile"));
  m_iniFile->hide();
  m_quotesEditor = new QPlainTextEdit(this);
  m_quotesEditor->setObjectName(QStringLiteral("QuotesEditor"));
  m_quotesEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_quotesEditor->hide();
  m_outputEditor = new QTextEdit(this);
  m_outputEditor->setObjectName(QStringLiteral("OutputEditor"));
  m_outputEditor->setLineWrapMode(QTextEdit::NoWrap);
  m_outputEditor->setAcceptRichText(true);
  m_outputEditor->hide();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : std::initializer_list<QWidget*>{m_keyWords, m_numberGrid, m_helpFile, m_iniFile,
                                                    m_quotesEditor, m_outputEditor}) {
    layout->addWidget(w);
    track(w);
  }
}

void AnswerPane::refresh() {
  m_keyWordsModel->refresh();
  m_numberModel->refresh();
  m_keyWords->viewport()->update();
  syncSelection();
}

void AnswerPane::syncSelection() {
  const QModelIndex want = m_keyWordsModel->index(m_doc.view().CurRow, m_doc.view().CurCol);
  if (want.isValid() && m_keyWords->currentIndex() != want) m_keyWords->setCurrentIndex(want);
}

}  // namespace quotella
