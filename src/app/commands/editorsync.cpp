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

namespace {

QString Joined(const std::vector<std::string>& lines) {
  return ToQLines(lines).join(QLatin1Char('\n'));
}

}  // namespace

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
    m_quotesShown = m_session.QuotesEditor;
    QuotesEditorChange(m_session);
  });
  connect(m_answer.outputEditor(), &QTextEdit::textChanged, this, [this] {
    if (!m_syncing) m_outputDirty = true;
  });
  connect(m_answer.iniFile(), &QPlainTextEdit::textChanged, this, [this] {
    if (!m_syncing) m_iniDirty = true;
  });
}

void EditorSync::PullEditors(unsigned editors) {
  if ((editors & touches::kOutput) && m_outputDirty) {
    m_session.Output.Lines = FromQText(m_answer.outputEditor()->toPlainText());
    m_outputShown = m_session.Output.Lines;
    m_outputDirty = false;
  }
  if ((editors & touches::kIni) && m_iniDirty) {
    m_iniShown = FromQText(m_answer.iniFile()->toPlainText());
    m_settings.View().SetLines(m_iniShown);
    m_iniDirty = false;
  }
}

void EditorSync::PushEditors(unsigned editors) {
  m_syncing = true;
  if ((editors & touches::kOutput) && !(m_session.Output.Lines == m_outputShown)) {
    m_outputShown = m_session.Output.Lines;
    m_answer.outputEditor()->setPlainText(Joined(m_outputShown));
    m_outputDirty = false;
  }
  if ((editors & touches::kQuotes) && m_session.QuotesEditor != m_quotesShown) {
    m_quotesShown = m_session.QuotesEditor;
    m_answer.quotesEditor()->setPlainText(Joined(m_quotesShown));
  }
  m_syncing = false;
}

void EditorSync::PushIniText() {
  std::vector<std::string> lines = m_settings.View().Lines();
  if (lines == m_iniShown) return;
  m_iniShown = std::move(lines);
  m_syncing = true;
  m_answer.iniFile()->setPlainText(Joined(m_iniShown));
  m_syncing = false;
  m_iniDirty = false;
}

void EditorSync::PushLists() {
  m_lists.fill(m_sources);
}

void EditorSync::RunPullPush(const std::function<void()>& operation, unsigned editors) {
  PullEditors(editors);
  operation();
  PushEditors(editors);
  if (editors & touches::kLists) PushLists();
  if (editors & touches::kIni) PushIniText();
  m_requests.FileOperationDone();
}

}  // namespace quotella
