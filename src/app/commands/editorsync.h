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

// What a file or list operation reads or writes besides the puzzle, as flags: the
// editors and lists it syncs with the session. kFileOnly: none of them, but the window
// still hears that a file operation finished.
namespace touches {
constexpr unsigned kFileOnly = 0;
constexpr unsigned kOutput = 1u << 0;  // the output editor's lines
constexpr unsigned kQuotes = 1u << 1;  // the quotes editor's lines
constexpr unsigned kIni = 1u << 2;     // the settings view
constexpr unsigned kLists = 1u << 3;   // the four word lists
constexpr unsigned kAll = kOutput | kQuotes | kIni | kLists;
}  // namespace touches

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

  // The editors the user changed, into the session (those of `editors` only).
  void PullEditors(unsigned editors = touches::kAll);
  // The texts the session changed, into their editors (those of `editors` only).
  void PushEditors(unsigned editors = touches::kAll);
  void PushLists();
  void PushIniText();
  // Runs a file or list operation on the session: the edited editors among those it
  // touches are read first; afterwards what it changed among them is shown and the window
  // hears that a file operation finished.
  void RunPullPush(const std::function<void()>& operation, unsigned editors = touches::kAll);

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
