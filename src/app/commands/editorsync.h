#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/linestore.h"

namespace quotella {

class AnswerPane;
class FileSession;
class SettingsStore;
class WindowRequests;
class WordListPane;
struct WordSources;

// The editors and lists as the file and search operations see them. The session owns
// the texts: the output editor's lines, the quotes editor's lines and the settings view.
// Typing into an editor marks it dirty, and only a dirty editor is read back into the
// session; after an operation only a text the session changed is put into its editor.
// Typing in the quotes editor keeps the session's quotes up to date at once.
class EditorSync : public QObject {
  Q_OBJECT
 public:
  EditorSync(FileSession& session, SettingsStore& settings, WordSources& sources,
             AnswerPane& answer, WordListPane& lists, WindowRequests& requests);

  // The editors the user changed, into the session.
  void PullEditors();
  // The texts the session changed, into their editors.
  void PushEditors();
  void PushLists();
  void PushIniText();
  // Runs a file or list operation on the session: the edited editors are read first;
  // afterwards what the operation changed is shown and the window hears that a file
  // operation finished.
  void RunPullPush(const std::function<void()>& operation);

  // Whether an editor holds typing the session has not read yet.
  bool OutputDirty() const { return m_outputDirty; }
  bool IniDirty() const { return m_iniDirty; }

 private:
  FileSession& m_session;
  SettingsStore& m_settings;
  WordSources& m_sources;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  WindowRequests& m_requests;
  bool m_syncing = false;  // the editors are being filled: not the user's typing
  bool m_outputDirty = false;
  bool m_iniDirty = false;
  // What each editor and the session last agreed on; the editors start empty.
  LineStore m_outputShown;
  std::vector<std::string> m_quotesShown;
  std::vector<std::string> m_iniShown;
};

}  // namespace quotella
