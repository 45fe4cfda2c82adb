#pragma once

#include <QObject>
#include <functional>

namespace quotella {

class AnswerPane;
class FileSession;
class SettingsStore;
class WindowRequests;
class WordListPane;
struct WordSources;

// The editors and lists as the file and search operations see them: the operations work
// on the session's lines and the word sources; before one runs, the editors' texts are
// pulled into the session, and after it every result is pushed back to the controls.
// Typing in the quotes editor keeps the session's quotes up to date.
class EditorSync : public QObject {
  Q_OBJECT
 public:
  EditorSync(FileSession& session, SettingsStore& settings, WordSources& sources,
             AnswerPane& answer, WordListPane& lists, WindowRequests& requests);

  void PullEditors();
  void PushEditors();
  void PushLists();
  void PushIniText();
  // Runs a command on the editors' and lists' lines: pulls the editors' texts into the
  // session first, pushes every result back to the controls after.
  void RunPullPush(const std::function<void()>& operation);

 private:
  FileSession& m_session;
  SettingsStore& m_settings;
  WordSources& m_sources;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  WindowRequests& m_requests;
  bool m_syncing = false;  // the editors are being filled: not the user's typing
};

}  // namespace quotella
