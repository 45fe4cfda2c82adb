#include "app/commands/lookupcommands.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QUrl>

#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/controls.h"
#include "app/widgets/tablemodels.h"
#include "app/window/windowrequests.h"
#include "core/answertable.h"
#include "files/filesession.h"
#include "files/textexport.h"
#include "formats/webpage.h"
#include "render/qtext.h"
#include "settings/lookups.h"

namespace quotella {

LookUpCommands::LookUpCommands(PuzzleDocument& doc, Host& host, AnswerPane& answer,
                               WordListPane& lists, const QString& programDir)
    : m_doc(doc),
      m_host(host),
      m_answer(answer),
      m_lists(lists),
      m_programDir(programDir),
      m_open([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

void LookUpCommands::OpenAddress(const std::optional<std::string>& address) {
  if (address) Open(QUrl(ToQString(*address)));
}

bool LookUpCommands::Open(const QUrl& url, const std::string& opener) {
  if (m_open(url)) return true;
  const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
  if (m_host.Confirm("No " + opener + " is set up on this desktop to show " + ToUtf8(address) +
                         "\rCopy the address to the clipboard?",
                     ConfirmKind::Question))
    QApplication::clipboard()->setText(address);
  return false;
}

void LookUpCommands::LookUpFocused(bool google) {
  Host& host = m_host;
  if (m_answer.keyWords()->hasFocus()) {
    OpenAddress(google ? KeywordGoogleLookup(host, CurrentAnswer())
                       : KeywordMerriamLookup(CurrentAnswer()));
  } else if (m_lists.candidates()->hasFocus()) {
    OpenAddress(google ? CandidateGoogleLookup(host, CurrentCandidate())
                       : CandidateMerriamLookup(CurrentCandidate()));
  } else {
    OpenAddress(google ? GoogleLookup(host) : MainMerriamLookup(host));
  }
}

std::string LookUpCommands::CurrentAnswer() const {
  return Keystring(m_doc, m_doc.view().CurRow);
}

std::string LookUpCommands::CurrentCandidate() const {
  const QListWidgetItem* item = m_lists.candidates()->currentItem();
  return item ? ToUtf8(item->text()) : std::string();
}

void LookUpCommands::Website1Click() {
  // Beside the program, or in the data folder of an installed copy.
  const QDir program(m_programDir);
  const QStringList places{program.filePath(QStringLiteral("quotella.html")),
                           program.filePath(QStringLiteral("../share/quotella/quotella.html"))};
  for (const QString& page : places)
    if (QFileInfo::exists(page)) {
      Open(QUrl::fromLocalFile(QFileInfo(page).canonicalFilePath()));
      return;
    }
  m_host.Message("Cannot find file " + ToUtf8(places.front()));
}

bool LookUpCommands::StartCompanion(const QString& program, const QStringList& args) {
  const QString path = QDir(m_programDir).filePath(program);
  if (!QFileInfo(path).isExecutable()) return false;
  QStringList list;
  for (const auto& a : args)
    if (!a.isEmpty()) list << a;
  return QProcess::startDetached(path, list, m_programDir);
}

void LookUpCommands::OpenPlayablePage(const FileSession& session) {
  if (!m_doc.PuzzleExists) {
    m_host.Message("First you must load a puzzle!");
    return;
  }
  QString name = QFileInfo(ToQString(session.CurrentPuzzleFile)).completeBaseName();
  if (name.isEmpty()) name = QStringLiteral("puzzle");
  const QString page =
      QDir(QDir::tempPath()).filePath(QStringLiteral("quotella-%1.html").arg(name));
  if (WriteWebPage(m_doc, session, ToUtf8(page))) Open(QUrl::fromLocalFile(page));
}

void LookUpCommands::OpenOutputFile(FileSession& session) {
  const auto onDisk = [&session] {
    const QFileInfo file(ToQString(session.Output.OutputFileName));
    return file.isAbsolute() && file.isFile();
  };
  if (!onDisk()) Output2Click(session, m_host);
  if (onDisk()) Open(QUrl::fromLocalFile(ToQString(session.Output.OutputFileName)), "text editor");
}

}  // namespace quotella
