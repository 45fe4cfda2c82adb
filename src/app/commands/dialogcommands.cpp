#include "app/commands/dialogcommands.h"

#include <QAction>
#include <QColorDialog>
#include <QDir>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

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
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "app/window/windowsettings.h"
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

DialogCommands::DialogCommands(MainWindow& window) : QObject(&window), w(window) {}

GeneralSettingsDialog* DialogCommands::MakeGeneralSettings() {
  auto* dialog = new GeneralSettingsDialog(&w);
  w.m_print->WatchCopyrightPlacement(dialog);
  connect(dialog, &GeneralSettingsDialog::closeRequested, this, [this, dialog] {
    SettingsStore& settings = *w.m_settings;
    const std::string before = settings.Values().CopyrightText;
    dialog->store(settings.Form());
    settings.CloseGeneralSettings();
    w.m_windowSettings->Apply();
    // A notice changed in the window is the puzzle's new notice.
    if (settings.Values().CopyrightText != before)
      w.m_session->CopyrightText = settings.Values().CopyrightText;
    dialog->hide();
  });
  connect(dialog, &GeneralSettingsDialog::saveRequested, this, [this, dialog] {
    dialog->store(w.m_settings->Form());
    w.m_sync->RunPullPush([this] {
      w.m_settings->SaveGeneralSettings();
      w.m_windowSettings->Apply();
    });
    dialog->load(w.m_settings->Form());
    dialog->setVisible(w.m_settings->Form().Visible);
  });
  connect(dialog, &GeneralSettingsDialog::browseFile, this, [this, dialog](int index) {
    Settings& v = w.m_settings->Values();
    const auto chosen = w.host().OpenFileName("Open", kFileFilter, v.CurrentDir);
    if (!chosen) return;
    dialog->fileBox(index)->setText(ToQString(*chosen));
    if (index == 0)
      v.QuotesFile = *chosen;
    else
      v.WordListFiles[static_cast<std::size_t>(index - 1)] = *chosen;
  });
  connect(dialog, &GeneralSettingsDialog::colourRequested, this,
          [this](int colour) { ColourRequested(colour); });
  connect(dialog, &GeneralSettingsDialog::answersFontRequested, this,
          [this] { ChooseFont(w.m_answer->keyWords()); });
  return dialog;
}

void DialogCommands::ColourRequested(int colour) {
  const QString title = QStringLiteral("Color");
  switch (colour) {
    case GeneralSettingsDialog::Background:
      ChooseColour(w.centralWidget(), QPalette::Window, title);
      break;
    case GeneralSettingsDialog::Quotes:
      ChooseColour(w.m_answer->quotesEditor(), QPalette::Base, title);
      break;
    case GeneralSettingsDialog::Editor:
      ChooseColour(w.m_answer->outputEditor(), QPalette::Base, title);
      break;
    case GeneralSettingsDialog::Clues:
      ChooseColour(w.m_lists->clueList(), QPalette::Base, title);
      break;
    case GeneralSettingsDialog::QuoteWindow:
      ChooseColour(w.m_quote->quoteWindow(), QPalette::Base, title);
      break;
    default:
      w.m_commands->Color7Click();
      break;
  }
}

void DialogCommands::GeneralSettings1Click() {
  w.m_settings->ShowGeneralSettings();
  if (!m_generalSettings) m_generalSettings = MakeGeneralSettings();
  m_generalSettings->load(w.m_settings->Form());
  m_generalSettings->show();
  m_generalSettings->raise();
}

void DialogCommands::PuzzlebyBrowsing1Click() {
  if (!m_browser) {
    auto* browser = new BrowseDialog(&w);
    m_browser = browser;
    connect(browser, &BrowseDialog::folderChanged, this, [this](const QString& folder) {
      DirectoryListBox1Change(*w.m_session, ToUtf8(folder));
    });
    connect(browser, &BrowseDialog::fileClicked, this, [this, browser](const QString& path) {
      w.m_sync->PullEditors();
      const std::vector<std::string> lines = MakeInfoReport(*w.m_session, w.host(), ToUtf8(path));
      w.m_sync->PushEditors();
      browser->setSynopsis(ToQLines(lines));
    });
    connect(browser, &BrowseDialog::openRequested, this, [this, browser](const QString& path) {
      bool opened = false;
      w.m_sync->RunPullPush([this, &path, &opened] {
        opened = OpenButtonClick(*w.m_doc, *w.m_session, ToUtf8(path));
      });
      browser->hide();
      if (opened) {
        w.m_puzzleCommands->NewPuzzleShown();
        w.m_viewCommands->Puzzle3Click();
      }
    });
  }
  const std::string folder =
      w.m_session->CurrentDir.empty() ? ToUtf8(QDir::currentPath()) : w.m_session->CurrentDir;
  m_browser->setFolder(ToQString(folder));
  m_browser->show();
  m_browser->raise();
}

void DialogCommands::PuzzleHotkeys1Click() {
  if (!m_hotkeys) {
    m_hotkeys = new HotkeysDialog(
        [this](const std::string& item, const QString& text) {
          if (QAction* a = w.command(ToQString(item)))
            a->setShortcut(QKeySequence(text, QKeySequence::PortableText));
        },
        &w);
  }
  m_hotkeys->show();
  m_hotkeys->raise();
}

void DialogCommands::CopyrightButtonClick() {
  FileSession& session = *w.m_session;
  session.CopyrightText = EditCopyrightNotice(w.host(), session.CopyrightText, CurrentYear());
  w.m_settings->Form().Copyright = session.CopyrightText;
  w.m_settings->Values().CopyrightText = session.CopyrightText;
  // An open General Settings window shows the new notice, so closing it keeps it.
  if (m_generalSettings) m_generalSettings->load(w.m_settings->Form());
  w.m_gridView->copyrightButton()->setToolTip(ToQString(session.CopyrightText));
}

void DialogCommands::ManualEntry1Click() {
  if (!m_manualEntry) {
    m_manualEntry = new ManualEntryDialog(*w.m_doc, w.m_session->QuotesEditor, &w);
    m_manualEntry->entry().SwitchHeuristicOff = [this] { w.m_search->EndAll(); };
    m_manualEntry->onPuzzleMade = [this] {
      FileSession& session = *w.m_session;
      session.CurrentPuzzleFile = "noname.txt";
      SetCaption(session, session.CurrentPuzzleFile);
      w.setWindowTitle(ToQString(session.Caption));
      w.m_puzzleCommands->NewPuzzleShown();
      w.m_doc->CurCol = 2;
      w.m_doc->CurRow = 0;
      w.m_viewCommands->PoolViewClick(0);
      w.m_viewCommands->Puzzle3Click();
      w.m_quote->quoteWindow()->setPlainText(ToQString(m_manualEntry->entry().ManualQuoteLine));
      w.RefreshViews();
    };
    m_manualEntry->onQuoteAdded = [this] {
      QuotesEditorChange(*w.m_session);
      w.m_sync->PushEditors();
    };
  }
  m_manualEntry->OpenFor();
}

void DialogCommands::ChooseColour(QWidget* widget, QPalette::ColorRole role, const QString& title) {
  QPalette pal = widget->palette();
  const QColor c = QColorDialog::getColor(pal.color(role), &w, title);
  if (!c.isValid()) return;
  pal.setColor(role, c);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

void DialogCommands::ChooseFont(QWidget* widget) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, widget->font(), &w);
  if (ok) widget->setFont(f);
}

}  // namespace quotella
