#include "app/commands/dialogcommands.h"

#include <QAction>
#include <QColorDialog>
#include <QDir>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "app/commands/editorsync.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/commands/windowcommands.h"
#include "app/dialogs/browsedialog.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/dialogs/hotkeysdialog.h"
#include "app/dialogs/manualentrydialog.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/wordlistpane.h"
#include "app/print/printroom.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/controls.h"
#include "app/widgets/tablemodels.h"
#include "app/window/windowrequests.h"
#include "app/window/windowsettings.h"
#include "app/wordscores/scoredlistsgroup.h"
#include "app/wordscores/scoredlisttext.h"
#include "core/clues.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "render/qtext.h"
#include "settings/lookups.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

DialogCommands::DialogCommands(PuzzleDocument& doc, FileSession& session, SettingsStore& settings,
                               Host& host, AnswerPane& answer, WordListPane& lists,
                               QuotePane& quote, GridViewPane& gridView, EditorSync& sync,
                               ViewCommands& viewCommands, PuzzleCommands& puzzleCommands,
                               WindowCommands& commands, PrintRoom& print, SearchController& search,
                               WindowSettings& windowSettings, WindowRequests& requests)
    : m_doc(doc),
      m_session(session),
      m_settings(settings),
      m_host(host),
      m_answer(answer),
      m_lists(lists),
      m_quote(quote),
      m_gridView(gridView),
      m_sync(sync),
      m_viewCommands(viewCommands),
      m_puzzleCommands(puzzleCommands),
      m_commands(commands),
      m_print(print),
      m_search(search),
      m_windowSettings(windowSettings),
      m_requests(requests) {}

GeneralSettingsDialog* DialogCommands::MakeGeneralSettings() {
  auto* dialog = new GeneralSettingsDialog(&m_requests.window());
  m_print.WatchCopyrightPlacement(dialog);
  connect(dialog, &GeneralSettingsDialog::closeRequested, this, [this, dialog] {
    SettingsStore& settings = m_settings;
    const std::string before = settings.Values().CopyrightText;
    dialog->store(settings.Form());
    settings.CloseGeneralSettings();
    m_windowSettings.ApplyToRooms();
    // A notice changed in the window is the puzzle's new notice.
    if (settings.Values().CopyrightText != before)
      m_session.CopyrightText = settings.Values().CopyrightText;
    dialog->hide();
  });
  connect(dialog, &GeneralSettingsDialog::saveRequested, this, [this, dialog] {
    dialog->store(m_settings.Form());
    m_sync.RunPullPush([this] {
      m_windowSettings.NoteSessionFiles();
      m_settings.SaveGeneralSettings();
      m_windowSettings.ApplyToRooms();
      m_session.CurrentDir = m_settings.Values().CurrentDir;  // the quotes file's folder
    });
    dialog->load(m_settings.Form());
    dialog->setVisible(m_settings.Form().Visible);
  });
  connect(dialog, &GeneralSettingsDialog::browseFile, this, [this, dialog](int index) {
    Settings& v = m_settings.Values();
    const auto chosen = m_host.OpenFileName("Open", kFileFilter, v.CurrentDir);
    if (!chosen) return;
    dialog->fileBox(index)->setText(ToQString(*chosen));
    if (index == 0)
      v.QuotesFile = *chosen;
    else
      v.WordListFiles[static_cast<std::size_t>(index - 1)] = *chosen;
  });
  connect(dialog->scoredLists(), &ScoredListsGroup::addRequested, this, [this, dialog] {
    const auto chosen = m_host.OpenFileName("Add Scored Word List", kScoredListFilter,
                                            m_settings.Values().CurrentDir);
    if (chosen) dialog->scoredLists()->addFile(ToQString(*chosen));
  });
  connect(dialog, &GeneralSettingsDialog::colourRequested, this,
          [this](int colour) { ColourRequested(colour); });
  connect(dialog, &GeneralSettingsDialog::answersFontRequested, this,
          [this] { ChooseFont(m_answer.keyWords()); });
  return dialog;
}

void DialogCommands::ColourRequested(int colour) {
  const QString title = QStringLiteral("Color");
  switch (colour) {
    case GeneralSettingsDialog::Background:
      ChooseColour(&m_requests.background(), QPalette::Window, title);
      break;
    case GeneralSettingsDialog::Quotes:
      ChooseColour(m_answer.quotesEditor(), QPalette::Base, title);
      break;
    case GeneralSettingsDialog::Editor:
      ChooseColour(m_answer.outputEditor(), QPalette::Base, title);
      break;
    case GeneralSettingsDialog::Clues:
      ChooseColour(m_lists.clueList(), QPalette::Base, title);
      break;
    case GeneralSettingsDialog::QuoteWindow:
      ChooseColour(m_quote.quoteWindow(), QPalette::Base, title);
      break;
    default:
      m_commands.Color7Click();
      break;
  }
}

void DialogCommands::GeneralSettings1Click() {
  m_settings.ShowGeneralSettings();
  if (!m_generalSettings) m_generalSettings = MakeGeneralSettings();
  m_generalSettings->load(m_settings.Form());
  m_generalSettings->show();
  m_generalSettings->raise();
}

void DialogCommands::PuzzlebyBrowsing1Click() {
  if (!m_browser) {
    auto* browser = new BrowseDialog(&m_requests.window());
    m_browser = browser;
    connect(browser, &BrowseDialog::folderChanged, this,
            [this](const QString& folder) { DirectoryListBox1Change(m_session, ToUtf8(folder)); });
    connect(browser, &BrowseDialog::fileClicked, this, [this, browser](const QString& path) {
      m_sync.PullEditors();
      const std::vector<std::string> lines = MakeInfoReport(m_session, m_host, ToUtf8(path));
      m_sync.PushEditors();
      browser->setSynopsis(ToQLines(lines));
    });
    connect(browser, &BrowseDialog::openRequested, this, [this, browser](const QString& path) {
      bool opened = false;
      m_sync.RunPullPush(
          [this, &path, &opened] { opened = OpenButtonClick(m_doc, m_session, ToUtf8(path)); });
      browser->hide();
      if (opened) {
        m_puzzleCommands.NewPuzzleShown();
        m_viewCommands.Puzzle3Click();
      }
    });
  }
  const std::string folder =
      m_session.CurrentDir.empty() ? ToUtf8(QDir::currentPath()) : m_session.CurrentDir;
  m_browser->setFolder(ToQString(folder));
  m_browser->show();
  m_browser->raise();
}

void DialogCommands::PuzzleHotkeys1Click() {
  if (!m_hotkeys) {
    m_hotkeys = new HotkeysDialog(
        [this](const std::string& item, const QString& text) {
          if (QAction* a = m_requests.command(ToQString(item)))
            a->setShortcut(QKeySequence(text, QKeySequence::PortableText));
        },
        &m_requests.window());
  }
  m_hotkeys->show();
  m_hotkeys->raise();
}

void DialogCommands::CopyrightButtonClick() {
  FileSession& session = m_session;
  session.CopyrightText = EditCopyrightNotice(m_host, session.CopyrightText, CurrentYear());
  m_settings.Form().Copyright = session.CopyrightText;
  m_settings.Values().CopyrightText = session.CopyrightText;
  // An open General Settings window shows the new notice, so closing it keeps it.
  if (m_generalSettings) m_generalSettings->load(m_settings.Form());
  m_gridView.copyrightButton()->setToolTip(ToQString(session.CopyrightText));
  m_print.RefreshPreview();
}

void DialogCommands::ManualEntry1Click() {
  if (!m_manualEntry) {
    m_manualEntry = new ManualEntryDialog(m_doc, m_session.QuotesEditor, &m_requests.window());
    m_manualEntry->entry().SwitchHeuristicOff = [this] { m_search.EndAll(); };
    m_manualEntry->onPuzzleMade = [this] {
      m_puzzleCommands.NewPuzzleMade();
      m_doc.view().CurCol = 2;
      m_doc.view().CurRow = 0;
      m_viewCommands.PoolViewClick(0);
      m_viewCommands.Puzzle3Click();
      m_quote.quoteWindow()->setPlainText(ToQString(m_manualEntry->entry().ManualQuoteLine));
      m_requests.RefreshViews();
    };
    m_manualEntry->onQuoteAdded = [this] {
      QuotesEditorChange(m_session);
      m_sync.PushEditors();
    };
  }
  m_manualEntry->OpenFor();
}

void DialogCommands::ChooseColour(QWidget* widget, QPalette::ColorRole role, const QString& title) {
  QPalette pal = widget->palette();
  const QColor c = QColorDialog::getColor(pal.color(role), &m_requests.window(), title);
  if (!c.isValid()) return;
  pal.setColor(role, c);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

void DialogCommands::ChooseFont(QWidget* widget) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, widget->font(), &m_requests.window());
  if (ok) widget->setFont(f);
}

}  // namespace quotella
