#pragma once

#include <QObject>
#include <QString>

namespace quotella {

class EditorSync;
class Host;
class PuzzleDocument;
class SearchController;
class StatusPane;
class ViewCommands;
class WindowRequests;
class WordListPane;
struct WordSources;

// The commands on word lists 1-4: opening and saving them, adding items through the
// add-item field, deleting an entry with the Delete key, laying a three-word solution
// from word list 4, and the list label. Remembers the list last shown, which the add-item
// field, the background's double click and the answer table's double click work on.
class ListCommands : public QObject {
  Q_OBJECT
 public:
  ListCommands(PuzzleDocument& doc, WordSources& sources, Host& host, WordListPane& lists,
               StatusPane& status, EditorSync& sync, ViewCommands& viewCommands,
               SearchController& search, WindowRequests& requests);

  // Open > Wordlist n and "Load List n": loads the list, then shows it with its label.
  // The file is read behind the window; the list is shown once it has been read.
  void OpenList(int n);
  // "Reload Word Lists": the four lists read from their files again, behind the window.
  void ReloadLists();
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
  PuzzleDocument& m_doc;
  WordSources& m_sources;
  Host& m_host;
  WordListPane& m_lists;
  StatusPane& m_status;
  EditorSync& m_sync;
  ViewCommands& m_viewCommands;
  SearchController& m_search;
  WindowRequests& m_requests;
  int m_lastWordList = 1;
};

}  // namespace quotella
