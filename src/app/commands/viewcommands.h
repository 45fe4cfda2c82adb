#pragma once

#include <QObject>

namespace quotella {

class AnswerPane;
class EditorSync;
class GridViewPane;
class PoolPane;
class PuzzleDocument;
class SettingsStore;
class WindowRequests;
class WordListPane;

// The commands that switch views (the View menu, the bottom bar's view and list buttons,
// the help topics, the pool order buttons): each opens a row of the view table and adds
// what that view needs beyond it. Also the output editor's width and the views the file
// operations ask for.
class ViewCommands : public QObject {
  Q_OBJECT
 public:
  ViewCommands(PuzzleDocument& doc, SettingsStore& settings, AnswerPane& answer,
               WordListPane& lists, PoolPane& pool, GridViewPane& gridView, EditorSync& sync,
               WindowRequests& requests);

  void Puzzle3Click();
  void Grid1Click();
  void Quotes3Click();
  void Output1Click();
  void WordListButtonClick(int n);
  void CluesButtonClick();
  void CandidatesButtonClick();
  void HelpTopicClick(int topic);
  void NumberMap1Click();
  void NumberGridDblClick();
  void PoolViewClick(int view);
  // View > Ini File: the settings text read again, then shown.
  void IniFile2Click();
  // "Short" / "Wide" of the output editor's menu: a short editor leaves room for a list.
  void Short1Click();
  bool outputShort() const { return m_outputShort; }
  void SetOutputShort(bool shortEditor);
  // A view a file operation asks for (the editors show its lines first).
  void ShowRequestedView(int view);
  void HideAllLists();
  void ClearSwapMarksAndHighlights();

 private:
  PuzzleDocument& m_doc;
  SettingsStore& m_settings;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  PoolPane& m_pool;
  GridViewPane& m_gridView;
  EditorSync& m_sync;
  WindowRequests& m_requests;
  bool m_outputShort = false;
};

}  // namespace quotella
