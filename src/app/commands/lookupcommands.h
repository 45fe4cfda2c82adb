#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

class QUrl;

namespace quotella {

class AnswerPane;
class FileSession;
class Host;
class PuzzleDocument;
class WordListPane;

// The commands that leave the program: the reference look-ups on the web, the
// documentation page, and the companion programs beside the executable.
class LookUpCommands : public QObject {
  Q_OBJECT
 public:
  // Hands an address to the desktop; false when the desktop has nothing to open it with.
  using UrlOpener = std::function<bool(const QUrl&)>;

  LookUpCommands(PuzzleDocument& doc, Host& host, AnswerPane& answer, WordListPane& lists,
                 const QString& programDir);

  void OpenAddress(const std::optional<std::string>& address);
  // Hands an address to the desktop. When nothing opens it, says so and offers to copy
  // the address to the clipboard; `opener` names what should have opened it.
  bool Open(const QUrl& url, const std::string& opener = "web browser");
  // F5 (dictionary) and F7 (Google): the current answer while the answer table has the
  // focus, the current candidate while the candidate list has it, else a typed word.
  void LookUpFocused(bool google);
  std::string CurrentAnswer() const;
  std::string CurrentCandidate() const;
  // The program's documentation page, installed with it, in the desktop's browser.
  void Website1Click();
  // Starts a companion program installed beside the executable; false when it is not
  // there or does not start.
  bool StartCompanion(const QString& program, const QStringList& args);
  // In place of the solver: the puzzle's playable web page, written to the temporary
  // folder, in the browser.
  void OpenPlayablePage(const FileSession& session);
  // In place of the text editor: the output file in the desktop's editor, saved first
  // when it is not on disk yet.
  void OpenOutputFile(FileSession& session);
  // The file names of the companion programs in the program directory.
  static QString SolverProgram() { return QStringLiteral("quotella-solver"); }
  static QString TextEditorProgram() { return QStringLiteral("quotella-editor"); }
  static QString PuzzleManagerProgram() { return QStringLiteral("quotella-manager"); }
  void setUrlOpener(UrlOpener opener) { m_open = std::move(opener); }

 private:
  PuzzleDocument& m_doc;
  Host& m_host;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  const QString m_programDir;
  UrlOpener m_open;
};

}  // namespace quotella
