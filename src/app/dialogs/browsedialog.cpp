#include "app/dialogs/browsedialog.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "files/inforeport.h"

namespace quotella {

BrowseDialog::BrowseDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("BrowseForm"));
  setWindowTitle(QString::fromLatin1(kBrowserCaption));
  setModal(false);
  resize(760, 480);

  m_dirs = new QFileSystemModel(this);
  m_dirs->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  m_dirs->setRootPath(QDir::rootPath());
  m_tree = new QTreeView(this);
  m_tree->setObjectName(QStringLiteral("DirectoryListBox1"));
  m_tree->setModel(m_dirs);
  for (int c = 1; c < m_dirs->columnCount(); ++c) m_tree->hideColumn(c);
  m_tree->header()->hide();
  connect(m_tree, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    const QString path = m_dirs->filePath(index);
    if (path == m_folder) return;
    m_folder = path;
    ListFiles();
    emit folderChanged(path);
  });

  m_files = new QListWidget(this);
  m_files->setObjectName(QStringLiteral("FileListBox1"));
  connect(m_files, &QListWidget::itemClicked, this, [this] {
    const QString path = selectedFile();
    if (!path.isEmpty()) emit fileClicked(path);
  });
  connect(m_files, &QListWidget::itemDoubleClicked, this, [this] {
    const QString path = selectedFile();
    if (!path.isEmpty()) emit openRequested(path);
  });

  m_synopsis = new QPlainTextEdit(this);
  m_synopsis->setObjectName(QStringLiteral("InfoOut"));
  m_synopsis->setReadOnly(true);
  m_synopsis->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* left = new QSplitter(Qt::Vertical, this);
  left->addWidget(m_tree);
  left->addWidget(m_files);
  auto* split = new QSplitter(Qt::Horizontal, this);
  split->addWidget(left);
  split->addWidget(m_synopsis);
  split->setStretchFactor(1, 2);

  m_open = new QPushButton(QStringLiteral("Open"), this);
  m_open->setObjectName(QStringLiteral("OpenButton"));
  connect(m_open, &QPushButton::clicked, this, [this] {
    const QString path = selectedFile();
    if (!path.isEmpty()) emit openRequested(path);
  });
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_open);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  layout->addLayout(buttons);
}

void BrowseDialog::setFolder(const QString& folder) {
  m_folder = QDir(folder).absolutePath();
  const QModelIndex index = m_dirs->index(m_folder);
  if (index.isValid()) {
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
  }
  ListFiles();
}

void BrowseDialog::ListFiles() {
  m_files->clear();
  m_synopsis->clear();
  m_files->addItems(QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString BrowseDialog::selectedFile() const {
  const QListWidgetItem* item = m_files->currentItem();
  return item ? QDir(m_folder).filePath(item->text()) : QString();
}

void BrowseDialog::setSynopsis(const QStringList& lines) {
  m_synopsis->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace quotella
