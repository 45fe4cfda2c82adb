#pragma once

#include <QFont>
#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QTextEdit;

namespace quotella {

// The quote window in the top left corner: the current quotation as rich text, or in its
// place the swap list while cells are being swapped.
class QuotePane : public QWidget {
  Q_OBJECT
 public:
  explicit QuotePane(QWidget* parent = nullptr);

  QTextEdit* quoteWindow() const { return m_quoteWindow; }
  QListWidget* swapList() const { return m_swapList; }
  // The font the Puzzle view gives the quote window.
  QFont quoteFont() const { return m_quoteFont; }
  void setQuoteFont(const QFont& font);

  // The quotation of the puzzle as the Puzzle view shows it.
  void showQuotation(const QString& text);
  void showLines(const std::vector<std::string>& lines);
  // Loads the quote-window file when there is one.
  void loadQuoteFile(const QString& path);
  // The swap list replaces the quote window and shows its last line.
  void showSwapList(const std::vector<std::string>& lines);
  void setSwapLines(const std::vector<std::string>& lines);
  void showQuoteWindow();

 signals:
  void swapLineDoubleClicked(int line);

 private:
  QTextEdit* m_quoteWindow = nullptr;
  QListWidget* m_swapList = nullptr;
  QFont m_quoteFont;
};

}  // namespace quotella
