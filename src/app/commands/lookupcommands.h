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
  // F5 (dictionary) and F7 (Google): the current answer while the answer table has the
  // focus, the current candidate while the candidate list has it, else a typed word.
  void LookUpFocused(bool google);
  std::string CurrentAnswer() const;
  std::string CurrentCandidate() const;
  // The program's documentation page, installed with it, in the desktop's browser.
  void Website1Click();
  void RunCompanion(const QString& program, const QStringList& args);
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
