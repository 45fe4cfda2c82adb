#pragma once

#include <QColor>
#include <array>

#include "app/panes/pane.h"

class QPlainTextEdit;
class QTableView;
class QTextEdit;

namespace quotella {

class KeyTableView;
class PuzzleDocument;
class StringTableModel;

// The left pane: the answer-word table, and in its place the number map, the help pane,
// the settings text, the quotes editor or the output editor. The two editors may reach
// over the list pane when that stands empty.
class AnswerPane : public Pane {
  Q_OBJECT
 public:
  AnswerPane(PuzzleDocument& doc, QWidget* parent = nullptr);

  KeyTableView* keyWords() const { return m_keyWords; }
  QTableView* numberGrid() const { return m_numberGrid; }
  QTextEdit* helpFile() const { return m_helpFile; }
  QPlainTextEdit* iniFile() const { return m_iniFile; }
  QPlainTextEdit* quotesEditor() const { return m_quotesEditor; }
  QTextEdit* outputEditor() const { return m_outputEditor; }
  // The rarity colour of each letter, A to Z, that the table paints behind its letters.
  std::array<QColor, 26>& rarity() { return m_rarity; }

  // Picks up the document's tables and repaints them.
  void refresh();
  // Puts the cursor of the table on the document's current cell.
  void syncSelection();

 private:
  PuzzleDocument& m_doc;
  std::array<QColor, 26> m_rarity{};
  KeyTableView* m_keyWords = nullptr;
  StringTableModel* m_keyWordsModel = nullptr;
  QTableView* m_numberGrid = nullptr;
  StringTableModel* m_numberModel = nullptr;
  QTextEdit* m_helpFile = nullptr;
  QPlainTextEdit* m_iniFile = nullptr;
  QPlainTextEdit* m_quotesEditor = nullptr;
  QTextEdit* m_outputEditor = nullptr;
};

}  // namespace quotella
