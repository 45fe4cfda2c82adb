#include "app/wordscores/scoredlistsgroup.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "render/qtext.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

namespace {

QSpinBox* ScoreBox(const char* name, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(kLowestWordScore, kHighestWordScore);
  return box;
}

}  // namespace

ScoredListsGroup::ScoredListsGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Scored Word Lists"), parent) {
  setObjectName(QStringLiteral("ScoredListsGroup"));
  m_files = new QListWidget(this);
  m_files->setObjectName(QStringLiteral("ScoredListFiles"));
  // Long paths are cut in the middle, so that the folder's start and the file's name show;
  // the whole path is the item's tooltip.
  m_files->setTextElideMode(Qt::ElideMiddle);
  m_files->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_add = new QPushButton(QStringLiteral("Add\u2026"), this);
  m_add->setObjectName(QStringLiteral("ScoredListAddButton"));
  m_remove = new QPushButton(QStringLiteral("Remove"), this);
  m_remove->setObjectName(QStringLiteral("ScoredListRemoveButton"));
  connect(m_add, &QPushButton::clicked, this, [this] { emit addRequested(); });
  connect(m_remove, &QPushButton::clicked, this, [this] {
    delete m_files->currentItem();
    RefreshRemove();
  });
  connect(m_files, &QListWidget::currentRowChanged, this, [this] { RefreshRemove(); });

  m_minScore = ScoreBox("MinScoreEdit", this);
  m_listScore = ScoreBox("DefaultScoreEdit", this);
  m_dictionaryWords = new QCheckBox(QStringLiteral("Autofill may also use dictionary words"), this);
  m_dictionaryWords->setObjectName(QStringLiteral("DictionaryWordsCheck"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_add);
  buttons->addWidget(m_remove);
  buttons->addStretch();
  auto* scores = new QFormLayout;
  scores->addRow(QStringLiteral("Minimum score"), m_minScore);
  scores->addRow(QStringLiteral("Default score"), m_listScore);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_files, 1);
  layout->addLayout(buttons);
  layout->addLayout(scores);
  layout->addWidget(m_dictionaryWords);
  RefreshRemove();
}

void ScoredListsGroup::load(const GeneralSettingsForm& form) {
  m_files->clear();
  for (const std::string& file : form.ScoredFiles) addFile(ToQString(file));
  m_minScore->setValue(form.MinScore);
  m_listScore->setValue(form.ListScore);
  m_dictionaryWords->setChecked(form.DictionaryWords);
  RefreshRemove();
}

void ScoredListsGroup::store(GeneralSettingsForm& form) const {
  form.ScoredFiles.clear();
  for (int i = 0; i < m_files->count(); ++i)
    form.ScoredFiles.push_back(ToUtf8(m_files->item(i)->text()));
  form.MinScore = m_minScore->value();
  form.ListScore = m_listScore->value();
  form.DictionaryWords = m_dictionaryWords->isChecked();
}

void ScoredListsGroup::addFile(const QString& path) {
  if (path.isEmpty() || !m_files->findItems(path, Qt::MatchExactly).isEmpty()) return;
  auto* item = new QListWidgetItem(path, m_files);
  item->setToolTip(path);
  RefreshRemove();
}

void ScoredListsGroup::RefreshRemove() {
  m_remove->setEnabled(m_files->currentItem() != nullptr);
}

}  // namespace quotella
