#include "app/dialogs/generalsettingsdialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/wordscores/scoredlistsgroup.h"
#include "render/qtext.h"

namespace quotella {

namespace {

QLineEdit* Box(const char* name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

}  // namespace

GeneralSettingsDialog::GeneralSettingsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SettingsForm"));
  setWindowTitle(QStringLiteral("General Settings"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setModal(false);

  auto* heading = new QLabel(QStringLiteral("General Settings in Initialization File"), this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);

  auto* form = new QFormLayout;
  const char* fileNames[] = {"QuotenameEdit", "List1NameEdit", "List2NameEdit", "List3NameEdit",
                             "List4NameEdit"};
  for (std::size_t i = 0; i < m_files.size(); ++i) {
    m_files[i] = Box(fileNames[i], this);
    m_files[i]->installEventFilter(this);
    form->addRow(
        i == 0 ? QStringLiteral("Quotes Filename") : QStringLiteral("Wordlist %1 Filename").arg(i),
        m_files[i]);
  }
  form->addRow(new QLabel(QStringLiteral("(Dbl-click above to Browse)"), this));
  m_startup = Box("StartupEdit", this);
  form->addRow(QStringLiteral("Startup Directory"), m_startup);
  m_dictDir = Box("DictDirEdit", this);
  form->addRow(QStringLiteral("Dictionary Directory"), m_dictDir);
  m_frequency = Box("LetFreqLabel", this);
  form->addRow(QStringLiteral("Letter Frequency String"), m_frequency);
  m_numProblems = Box("NumProbsEdit", this);
  form->addRow(QStringLiteral("Num Problems"), m_numProblems);
  m_copyright = Box("CopyrightEdit", this);
  auto* sign = new QPushButton(QStringLiteral("\u00A9"), this);
  sign->setObjectName(QStringLiteral("CopyrightSignButton"));
  connect(sign, &QPushButton::clicked, this,
          [this] { m_copyright->setText(QStringLiteral("\u00A9") + m_copyright->text()); });
  auto* copyrightRow = new QHBoxLayout;
  copyrightRow->addWidget(m_copyright, 1);
  copyrightRow->addWidget(sign);
  form->addRow(QStringLiteral("Copyright String"), copyrightRow);
  m_loadLast = new QCheckBox(QStringLiteral("Load Last File"), this);
  m_loadLast->setObjectName(QStringLiteral("LoadLastCheck"));
  m_launch = new QCheckBox(QStringLiteral("Launch at Windows Startup"), this);
  m_launch->setObjectName(QStringLiteral("LaunchAtStartupCheckbox"));
  form->addRow(m_loadLast);
  form->addRow(m_launch);
  auto* placement = new QGroupBox(QStringLiteral("Copyright Placement"), this);
  m_underByline = new QCheckBox(QStringLiteral("Put Copyright under the Byline"), placement);
  m_underByline->setObjectName(QStringLiteral("CopyrightUnderBylineCheck"));
  m_underByline->setChecked(true);
  m_lastPage = new QCheckBox(QStringLiteral("Put Copyright on Last Page"), placement);
  m_lastPage->setObjectName(QStringLiteral("CopyrightLastPageCheck"));
  auto* placementLayout = new QVBoxLayout(placement);
  placementLayout->addWidget(m_underByline);
  placementLayout->addWidget(m_lastPage);
  form->addRow(placement);

  auto* colours = new QGridLayout;
  const char* colourCaptions[] = {"Background Color", "Quotes Color",       "Editor Color",
                                  "Clues Color",      "Quote Window Color", "Puzzle Grid Color"};
  for (int i = 0; i < kColours; ++i) {
    auto* button = new QPushButton(QString::fromLatin1(colourCaptions[i]), this);
    connect(button, &QPushButton::clicked, this, [this, i] { emit colourRequested(i); });
    colours->addWidget(button, i / 3, i % 3);
  }
  auto* font = new QPushButton(QStringLiteral("Answers Font"), this);
  connect(font, &QPushButton::clicked, this, [this] { emit answersFontRequested(); });
  colours->addWidget(font, 2, 0);

  m_close = new QPushButton(QStringLiteral("Close"), this);
  m_close->setObjectName(QStringLiteral("CloseButton"));
  m_save = new QPushButton(QStringLiteral("Save Ini"), this);
  m_save->setObjectName(QStringLiteral("SaveIniButton"));
  connect(m_close, &QPushButton::clicked, this, [this] { emit closeRequested(); });
  connect(m_save, &QPushButton::clicked, this, [this] { emit saveRequested(); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_save);
  buttons->addWidget(m_close);

  // The scored lists stand beside the boxes: below them the window would be taller than
  // the main window.
  m_scored = new ScoredListsGroup(this);
  auto* boxes = new QVBoxLayout;
  boxes->addLayout(form);
  boxes->addLayout(colours);
  auto* columns = new QHBoxLayout;
  columns->addLayout(boxes, 3);
  columns->addWidget(m_scored, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(columns);
  layout->addLayout(buttons);
}

void GeneralSettingsDialog::load(const GeneralSettingsForm& form) {
  m_files[0]->setText(ToQString(form.QuotesName));
  for (std::size_t i = 0; i < 4; ++i) m_files[i + 1]->setText(ToQString(form.ListNames[i]));
  m_startup->setText(ToQString(form.StartupDir));
  m_dictDir->setText(ToQString(form.DictDir));
  m_frequency->setText(ToQString(form.LetterFrequency));
  m_numProblems->setText(ToQString(form.NumProblems));
  m_copyright->setText(ToQString(form.Copyright));
  m_loadLast->setChecked(form.LoadLast);
  m_launch->setChecked(form.LaunchAtStartup);
  m_scored->load(form);
}

void GeneralSettingsDialog::store(GeneralSettingsForm& form) const {
  form.QuotesName = ToUtf8(m_files[0]->text());
  for (std::size_t i = 0; i < 4; ++i) form.ListNames[i] = ToUtf8(m_files[i + 1]->text());
  form.StartupDir = ToUtf8(m_startup->text());
  form.DictDir = ToUtf8(m_dictDir->text());
  form.LetterFrequency = ToUtf8(m_frequency->text());
  form.NumProblems = ToUtf8(m_numProblems->text());
  form.Copyright = ToUtf8(m_copyright->text());
  form.LoadLast = m_loadLast->isChecked();
  form.LaunchAtStartup = m_launch->isChecked();
  m_scored->store(form);
}

bool GeneralSettingsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (std::size_t i = 0; i < m_files.size(); ++i)
      if (watched == m_files[i]) {
        emit browseFile(static_cast<int>(i));
        return true;
      }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace quotella
