#include "app/window/editorsync.h"

#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/controls.h"
#include "app/window/mainwindow.h"
#include "app/window/recentpuzzlesmenu.h"
#include "files/filesession.h"
#include "files/quotesfile.h"
#include "render/qtext.h"
#include "search/wordlists.h"
#include "settings/settingsstore.h"

namespace quotella {

EditorSync::EditorSync(MainWindow& window) : QObject(&window), w(window) {
  QPlainTextEdit* quotes = w.m_answer->quotesEditor();
  connect(quotes, &QPlainTextEdit::textChanged, this, [this, quotes] {
    if (m_syncing) return;
    w.m_session->QuotesEditor = FromQText(quotes->toPlainText());
    QuotesEditorChange(*w.m_session);
  });
}

void EditorSync::PullEditors() {
  w.m_session->Output.Lines = FromQText(w.m_answer->outputEditor()->toPlainText());
  w.m_session->QuotesEditor = FromQText(w.m_answer->quotesEditor()->toPlainText());
  if (w.m_settings) w.m_settings->View().SetLines(FromQText(w.m_answer->iniFile()->toPlainText()));
}

void EditorSync::PushEditors() {
  m_syncing = true;
  const QString output = ToQLines(w.m_session->Output.Lines).join(QLatin1Char('\n'));
  if (w.m_answer->outputEditor()->toPlainText() != output)
    w.m_answer->outputEditor()->setPlainText(output);
  const QString quotes = ToQLines(w.m_session->QuotesEditor).join(QLatin1Char('\n'));
  if (w.m_answer->quotesEditor()->toPlainText() != quotes)
    w.m_answer->quotesEditor()->setPlainText(quotes);
  m_syncing = false;
}

void EditorSync::PushIniText() {
  if (!w.m_settings) return;
  const QString text = ToQLines(w.m_settings->View().Lines()).join(QLatin1Char('\n'));
  if (w.m_answer->iniFile()->toPlainText() != text) w.m_answer->iniFile()->setPlainText(text);
}

void EditorSync::PushLists() {
  w.m_lists->fill(*w.m_sources);
}

void EditorSync::RunPullPush(const std::function<void()>& operation) {
  PullEditors();
  operation();
  PushEditors();
  PushLists();
  PushIniText();
  w.setWindowTitle(ToQString(w.m_session->Caption));
  w.RefreshViews();
  w.m_recent->NoteRecentPuzzle();
}

}  // namespace quotella
