#include "app/print/printroom.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>

#include "app/commands/editorsync.h"
#include "app/commands/viewcommands.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/wordlistpane.h"
#include "app/print/bitmapdialog.h"
#include "app/print/gridprintcontrols.h"
#include "app/print/printcommands.h"
#include "app/print/printsettingsdialog.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/cluepreviewwidget.h"
#include "app/widgets/fittedpicture.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/window/names.h"
#include "app/window/viewtable.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "core/geometry.h"
#include "files/filesession.h"
#include "files/textexport.h"
#include "render/qtext.h"

namespace quotella {

namespace {

// Shows and hides one control together with another.
class FollowVisibility : public QObject {
 public:
  FollowVisibility(QWidget* leader, QWidget* follower) : QObject(follower), m_follower(follower) {
    leader->installEventFilter(this);
    follower->setVisible(!leader->isHidden());
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) m_follower->show();
    if (event->type() == QEvent::Hide) m_follower->hide();
    return false;
  }

 private:
  QWidget* m_follower;
};

// Hides a control whenever one of the others is shown.
class HideWhenShown : public QObject {
 public:
  HideWhenShown(const QList<QWidget*>& others, QWidget* control)
      : QObject(control), m_control(control) {
    for (QWidget* w : others) w->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) m_control->hide();
    return false;
  }

 private:
  QWidget* m_control;
};

// While the output editor has the focus its own Ctrl+B (Bold) takes the key that
// Make Grid Bitmap has everywhere else; otherwise the two would cancel each other.
class EditorShortcutsFirst : public QObject {
 public:
  EditorShortcutsFirst(QWidget* editor, QAction* action) : QObject(editor), m_action(action) {
    editor->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (m_action->shortcut().isEmpty() ||
        QKeySequence(key->keyCombination()) != m_action->shortcut())
      return false;
    m_action->trigger();
    event->accept();
    return true;
  }

 private:
  QAction* m_action;
};

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& current, const QString& title) {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, current, parent, title);
  if (!ok) return std::nullopt;
  return font;
}

}  // namespace

PrintRoom::PrintRoom(WindowParts& parts) : m_parts(parts) {
  WindowParts& w = parts;
  PuzzleDocument& doc = *w.doc;
  m_commands = new PrintCommands(doc, (*w.session), (*w.fonts), w.window);
  connect(m_commands, &PrintCommands::geometryChanged, this,
          [this] { m_parts.requests->RefreshViews(); });

  m_controls = new GridPrintControls(*m_commands);
  w.gridView->addPrintControl(m_controls);
  connect(m_controls, &GridPrintControls::printNowClicked, this, [this] { PrintNowClick(); });
  connect(m_controls, &GridPrintControls::settingsClicked, this, [this] { PrintSettings1Click(); });
  connect(m_controls, &GridPrintControls::optionsChanged, this, [this] { RefreshPreview(); });

  m_preview = new CluePreviewWidget(
      doc, (*w.fonts), [this] { return m_parts.gridView->puzzleGrid()->style().background; });
  m_previewArea = new QScrollArea;
  m_previewArea->setObjectName(QStringLiteral("CluePreviewArea"));
  m_previewArea->setWidget(m_preview);
  // Under the grid; the preview shows the top of its columns and scrolls to the rest.
  m_previewArea->setMinimumHeight(60);
  w.gridView->setPreview(m_previewArea);
  new FollowVisibility(w.gridView->puzzleArea(), m_previewArea);
  doc.Subscribe([this](PuzzleDocument::Change) { RefreshPreview(); });

  m_settings = new PrintSettingsDialog(
      *m_commands, (*w.fonts),
      [this](const QFont& f, const QString& title) { return ChooseFont(m_settings, f, title); },
      w.window);
  connect(m_settings, &PrintSettingsDialog::printerSetupRequested, this,
          [this] { PrinterSettingsClick(); });
  connect(m_settings, &PrintSettingsDialog::fontsChanged, this, [this] {
    m_parts.gridView->puzzleGrid()->update();
    RefreshPreview();
  });

  m_bitmap = new BitmapDialog(
      doc,
      {[this](QColor current, const QString& title) -> std::optional<QColor> {
         const QColor c = QColorDialog::getColor(current, m_bitmap, title);
         if (!c.isValid()) return std::nullopt;
         return c;
       },
       [this](const QFont& f, const QString& title) { return ChooseFont(m_bitmap, f, title); }},
      w.window);
  connect(m_bitmap, &BitmapDialog::blockColourChanged, this, [this](QColor c) {
    m_parts.gridView->puzzleGrid()->style().block = c;
    m_parts.gridView->puzzleGrid()->update();
  });

  // The picture is drawn smaller when the area is short: the whole grid shows.
  m_side = new FittedPicture;
  m_side->setObjectName(QStringLiteral("SideBitmap"));
  m_sideArea = new QScrollArea(w.lists);
  m_sideArea->setObjectName(QStringLiteral("SideBitmapArea"));
  m_sideArea->setWidget(m_side);
  m_sideArea->setWidgetResizable(true);
  m_sideArea->setMinimumWidth(350);
  m_sideArea->hide();
  w.lists->layout()->addWidget(m_sideArea);
  w.lists->track(m_sideArea);
  connect(m_bitmap, &BitmapDialog::drawn, this,
          [this] { m_side->setPixmap(QPixmap::fromImage(m_bitmap->maker().Image())); });
}

void PrintRoom::ConnectViews(ViewTable& views) {
  WindowParts& w = m_parts;
  views.setGroup(QStringLiteral("@lists"), views.controls(QStringLiteral("@lists")) << m_sideArea);
  views.addRow({names::kBitmapView,
                {"@lists", "WordListFileLabel", "@pool", "CandidateStatusBar"},
                {"SideBitmapArea"},
                [this](WindowParts&, int) {
                  m_bitmap->setBlockColour(m_parts.gridView->puzzleGrid()->style().block);
                  m_bitmap->maker().FitToSideArea();
                  m_bitmap->SyncControls();
                },
                [](WindowParts& mw) {
                  if (!mw.answer->outputEditor()->isHidden() ||
                      !mw.answer->quotesEditor()->isHidden() ||
                      !mw.gridView->puzzleArea()->isHidden() || mw.search->heuristicSearching())
                    return false;
                  if (mw.doc->PuzzleExists) return true;
                  mw.host->Message("There is no puzzle loaded yet!");
                  return false;
                },
                MiddlePage::kPanes});
  // The table's captions are Latin-1; this one carries a real ellipsis.
  if (QAction* pdf = w.requests->command(names::kPrintToPdf))
    pdf->setText(QStringLiteral("To PDF\u2026"));
  if (QAction* bold = w.requests->command(names::kBold))
    new EditorShortcutsFirst(w.answer->outputEditor(), bold);
  // The side picture gives way to the editors, the help and the puzzle grid, as the views
  // that show them hide it.
  new HideWhenShown({w.answer->outputEditor(), w.answer->quotesEditor(), w.answer->helpFile(),
                     w.gridView->puzzleArea()},
                    m_sideArea);
}

void PrintRoom::WatchCopyrightPlacement(GeneralSettingsDialog* dialog) {
  PrintOptions& o = m_commands->options;
  QCheckBox* under = dialog->copyrightUnderBylineBox();
  QCheckBox* last = dialog->copyrightOnLastPageBox();
  under->setChecked(o.copyrightUnderByline);
  last->setChecked(o.copyrightOnLastPage);
  connect(under, &QCheckBox::toggled, this,
          [this](bool on) { m_commands->options.copyrightUnderByline = on; });
  connect(last, &QCheckBox::toggled, this,
          [this](bool on) { m_commands->options.copyrightOnLastPage = on; });
}

void PrintRoom::RefreshPreview() {
  m_controls->setCopyrightText(ToQString((*m_parts.session).CopyrightText));
  m_preview->update();
}

void PrintRoom::PrintNowClick() {
  m_commands->blockColour = m_parts.gridView->puzzleGrid()->style().block;
  m_commands->PrintNow();
  m_parts.requests->RefreshViews();
}

void PrintRoom::Formatted1Click() {
  if (!(*m_parts.doc).PuzzleExists) {
    (*m_parts.host).Message("First you must load or create a puzzle!");
    return;
  }
  m_parts.viewCommands->Grid1Click();
}

void PrintRoom::AsText1Click() {
  m_parts.sync->RunPullPush([this] {
    if (quotella::AsText1Click((*m_parts.doc), (*m_parts.session)))
      m_commands->PrintText((*m_parts.session).Output.Lines);
  });
}

void PrintRoom::ToPdfClick() {
  if (!(*m_parts.doc).PuzzleExists) {
    (*m_parts.host).Message("First you must load or create a puzzle!");
    return;
  }
  m_commands->blockColour = m_parts.gridView->puzzleGrid()->style().block;
  m_commands->ToPdf();
  m_parts.requests->RefreshViews();
}

void PrintRoom::PrinterSettingsClick() {
  m_commands->PrinterSetup();
  UpdatePrintStatusBar((*m_parts.doc));
}

void PrintRoom::PrintSettings1Click() {
  m_settings->show();
  m_settings->raise();
  m_settings->activateWindow();
}

void PrintRoom::MakeGridBitmap1Click() {
  m_bitmap->setBlockColour(m_parts.gridView->puzzleGrid()->style().block);
  m_bitmap->show();
  m_bitmap->raise();
  m_bitmap->Redraw();
}

void PrintRoom::BitmapView1Click() {
  m_parts.requests->ShowView(names::kBitmapView);
}

void PrintRoom::Wider1Click() {
  m_bitmap->maker().Wider();
  m_bitmap->SyncControls();
  m_parts.requests->RefreshViews();
}

void PrintRoom::Narrower1Click() {
  m_bitmap->maker().Narrower();
  m_bitmap->SyncControls();
  m_parts.requests->RefreshViews();
}

void PrintRoom::IncreaseCellsize1Click() {
  m_bitmap->maker().IncreaseCellSize();
  m_bitmap->SyncControls();
}

void PrintRoom::DecreaseCellsize1Click() {
  m_bitmap->maker().DecreaseCellSize();
  m_bitmap->SyncControls();
}

}  // namespace quotella
