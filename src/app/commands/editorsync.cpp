#include "app/commands/editorsync.h"

#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/controls.h"
#include "app/window/windowrequests.h"
#include "files/filesession.h"
#include "files/quotesfile.h"
#include "render/qtext.h"
#include "search/wordlists.h"
#include "settings/settingsstore.h"

namespace quotella {

EditorSync::EditorSync(FileSession& session, SettingsStore& settings, WordSources& sources,
                       AnswerPane& answer, WordListPane& lists, WindowRequests& requests)
    : m_session(session),
      m_settings(settings),
      m_sources(sources),
      m_answer(answer),
      m_lists(lists),
      m_requests(requests) {
  QPlainTextEdit* quotes = m_answer.quotesEditor();
  connect(quotes, &QPlainTextEdit::textChanged, this, [this, quotes] {
    if (m_syncing) return;
    m_session.QuotesEditor = FromQText(quotes->toPlainText());
    QuotesEditorChange(m_session);
  });
}

void EditorSync::PullEditors() {
  m_session.Output.Lines = FromQText(m_answer.outputEditor()->toPlainText());
  m_session.QuotesEditor = FromQText(m_answer.quotesEditor()->toPlainText());
  m_settings.View().SetLines(FromQText(m_answer.iniFile()->toPlainText()));
}

void EditorSync::PushEditors() {
  m_syncing = true;
  const QString output = ToQLines(m_session.Output.Lines).join(QLatin1Char('\n'));
  if (m_answer.outputEditor()->toPlainText() != output)
    m_answer.outputEditor()->setPlainText(output);
  const QString quotes = ToQLines(m_session.QuotesEditor).join(QLatin1Char('\n'));
  if (m_answer.quotesEditor()->toPlainText() != quotes)
    m_answer.quotesEditor()->setPlainText(quotes);
  m_syncing = false;
}

void EditorSync::PushIniText() {
  const QString text = ToQLines(m_settings.View().Lines()).join(QLatin1Char('\n'));
  if (m_answer.iniFile()->toPlainText() != text) m_answer.iniFile()->setPlainText(text);
}

void EditorSync::PushLists() {
  m_lists.fill(m_sources);
}

void EditorSync::RunPullPush(const std::function<void()>& operation) {
  PullEditors();
  operation();
  PushEditors();
  PushLists();
  PushIniText();
  m_requests.FileOperationDone();
}

}  // namespace quotella
