#include "app/commands/lookupcommands.h"

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
  if (address) m_open(QUrl(ToQString(*address)));
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
      const QString path = QFileInfo(page).canonicalFilePath();
      if (!m_open(QUrl::fromLocalFile(path)))
        m_host.Message("No web browser is set up on this desktop to show " + ToUtf8(path));
      return;
    }
  m_host.Message("Cannot find file " + ToUtf8(places.front()));
}

void LookUpCommands::RunCompanion(const QString& program, const QStringList& args) {
  const QString path = QDir(m_programDir).filePath(program);
  if (!QFileInfo(path).isExecutable()) {
    m_host.Message("Program not found: " + ToUtf8(path));
    return;
  }
  QStringList list;
  for (const auto& a : args)
    if (!a.isEmpty()) list << a;
  QProcess::startDetached(path, list, m_programDir);
}

}  // namespace quotella
