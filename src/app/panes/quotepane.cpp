#include "app/panes/quotepane.h"

#include <QFileInfo>
#include <QListWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/panes/quotewindowfile.h"
#include "core/textio.h"
#include "render/qtext.h"

namespace quotella {

QuotePane::QuotePane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("QuotePane"));
  m_quoteFont = QFont(QStringLiteral("Times New Roman"), 11);
  m_quoteWindow = new QTextEdit(this);
  m_quoteWindow->setObjectName(QStringLiteral("QuoteWindow"));
  m_quoteWindow->setReadOnly(true);
  m_swapList = new QListWidget(this);
  m_swapList->setObjectName(QStringLiteral("SwapListBox"));
  m_swapList->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_quoteWindow);
  layout->addWidget(m_swapList);
  setFixedHeight(82);
  connect(m_swapList, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit swapLineDoubleClicked(m_swapList->row(item)); });
}

void QuotePane::setQuoteFont(const QFont& font) {
  m_quoteFont = font;
  m_quoteWindow->setFont(font);
  m_quoteWindow->setCurrentFont(font);
}

void QuotePane::showQuotation(const QString& text) {
  m_quoteWindow->setFont(m_quoteFont);
  m_quoteWindow->setPlainText(text);
}

void QuotePane::showLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << ToQString(line);
  m_quoteWindow->setPlainText(text.join(QLatin1Char('\n')));
}

void QuotePane::loadQuoteFile(const QString& path) {
  if (!QFileInfo::exists(path)) return;
  LoadQuoteWindowFile(*m_quoteWindow, ToUtf8(path));
}

void QuotePane::setSwapLines(const std::vector<std::string>& lines) {
  m_swapList->clear();
  for (const auto& line : lines) m_swapList->addItem(ToQString(line));
}

void QuotePane::showSwapList(const std::vector<std::string>& lines) {
  setSwapLines(lines);
  m_quoteWindow->hide();
  m_swapList->show();
  m_swapList->scrollToBottom();
}

void QuotePane::showQuoteWindow() {
  m_swapList->hide();
  m_quoteWindow->show();
}

}  // namespace quotella
