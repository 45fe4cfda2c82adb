#include "app/dialogs/manualentrydialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "render/qtext.h"

namespace quotella {

ManualEntryDialog::ManualEntryDialog(PuzzleDocument& doc, LineStore& quotesEditor, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_quotesEditor(quotesEditor) {
  setObjectName(QStringLiteral("ManualEntry"));
  setWindowTitle(QString::fromLatin1(kManualEntryCaption));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QString::fromLatin1(kManualEntryHeading), this);
  heading->setObjectName(QStringLiteral("ManualEntryLabel"));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  layout->addWidget(new QLabel(QString::fromLatin1(kManualEntryQuoteLabel), this));
  m_quote = new QPlainTextEdit(this);
  m_quote->setObjectName(QStringLiteral("ManualQuote"));
  layout->addWidget(m_quote, 1);
  layout->addWidget(new QLabel(QString::fromLatin1(kManualEntryAuthorLabel), this));
  m_author = new QLineEdit(this);
  m_author->setObjectName(QStringLiteral("AuthorEdit"));
  layout->addWidget(m_author);
  layout->addWidget(new QLabel(QString::fromLatin1(kManualEntryWorkLabel), this));
  m_work = new QLineEdit(this);
  m_work->setObjectName(QStringLiteral("QuoteSourceEdit"));
  layout->addWidget(m_work);

  const auto button = [this](const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  auto* make = button("MakePuzzleButton", kMakePuzzleButtonCaption);
  auto* exit = button("ManualExitButton", kManualExitButtonCaption);
  auto* add = button("AddQuoteButton", kAddQuoteButtonCaption);
  auto* clear = button("SpeedButton1", kClearButtonCaption);
  connect(make, &QPushButton::clicked, this, [this] { MakePuzzleButtonClick(); });
  connect(add, &QPushButton::clicked, this, [this] { AddQuoteButtonClick(); });
  connect(clear, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
  connect(exit, &QPushButton::clicked, this, [this] {
    m_entry.Exit();
    FollowVisibility();
  });
  auto* row1 = new QHBoxLayout;
  row1->addWidget(make);
  row1->addWidget(exit);
  auto* row2 = new QHBoxLayout;
  row2->addWidget(add);
  row2->addWidget(clear);
  layout->addLayout(row1);
  layout->addLayout(row2);
  resize(520, 360);
}

void ManualEntryDialog::Pull() {
  m_entry.QuoteLines.clear();
  for (const QString& line : m_quote->toPlainText().split(QLatin1Char('\n')))
    m_entry.QuoteLines.push_back(ToUtf8(line));
  m_entry.AuthorEdit = ToUtf8(m_author->text());
  m_entry.QuoteSourceEdit = ToUtf8(m_work->text());
}

void ManualEntryDialog::Push() {
  QStringList lines;
  for (const auto& line : m_entry.QuoteLines) lines << ToQString(line);
  m_quote->setPlainText(lines.join(QLatin1Char('\n')));
  m_author->setText(ToQString(m_entry.AuthorEdit));
  m_work->setText(ToQString(m_entry.QuoteSourceEdit));
}

void ManualEntryDialog::FollowVisibility() {
  if (m_entry.Visible) {
    show();
    raise();
  } else {
    hide();
  }
}

void ManualEntryDialog::OpenFor() {
  m_entry.Open(m_doc);
  Push();
  FollowVisibility();
}

void ManualEntryDialog::MakePuzzleButtonClick() {
  Pull();
  const ManualEntry::MakeResult result = m_entry.MakePuzzle(m_doc);
  FollowVisibility();
  if (result == ManualEntry::MakeResult::Made && onPuzzleMade) onPuzzleMade();
}

void ManualEntryDialog::AddQuoteButtonClick() {
  Pull();
  const bool added = m_entry.AddQuote(m_quotesEditor, m_doc.host());
  FollowVisibility();
  if (added && onQuoteAdded) onQuoteAdded();
}

void ManualEntryDialog::ClearButtonClick() {
  m_entry.Clear();
  Push();
}

}  // namespace quotella
