#pragma once

#include <QObject>
#include <QString>

namespace quotella {

class MainWindow;

// The commands on word lists 1-4: opening and saving them, adding items through the
// add-item field, deleting an entry with the Delete key, laying a three-word solution
// from word list 4, and the list label. Remembers the list last shown, which the add-item
// field, the background's double click and the answer table's double click work on.
class ListCommands : public QObject {
  Q_OBJECT
 public:
  explicit ListCommands(MainWindow& window);

  // Open > Wordlist n and "Load List n": loads the list, then shows it with its label.
  void OpenList(int n);
  // Save > Wordlist n and "Save List n": shows the list first, then saves it.
  void SaveList(int n);
  // "Add Items" of list n: the add-item field opens, with the caret in it.
  void AddanItemClick(int n);
  // Enter in the add-item field adds its word to the list the field was opened for.
  void AddItemEntered();
  // The Delete key in word list n removes its selected entry.
  void DeleteListEntry(int n);
  // Double click on a line of word list 4: lays a three-word solution.
  void Wordlist4DblClick(int line);
  void SetListLabelToLines(const QString& fileName, int lines);

  int lastWordList() const { return m_lastWordList; }
  void setLastWordList(int n) { m_lastWordList = n; }

 private:
  MainWindow& w;
  int m_lastWordList = 1;
};

}  // namespace quotella
