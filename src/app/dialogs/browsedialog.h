#pragma once

#include <QDialog>

class QFileSystemModel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace quotella {

// The puzzle browser: a folder tree, the files of the chosen folder and a synopsis pane
// for the file clicked. It only shows things; the window answers its signals.
class BrowseDialog : public QDialog {
  Q_OBJECT
 public:
  explicit BrowseDialog(QWidget* parent = nullptr);
  // Shows the folder in the tree and lists its files.
  void setFolder(const QString& folder);
  QString folder() const { return m_folder; }
  // The selected file with its folder; empty when none is selected.
  QString selectedFile() const;
  void setSynopsis(const QStringList& lines);
  QListWidget* fileList() const { return m_files; }
  QPlainTextEdit* synopsis() const { return m_synopsis; }
  QPushButton* openButton() const { return m_open; }

 signals:
  void folderChanged(const QString& folder);
  void fileClicked(const QString& path);
  void openRequested(const QString& path);

 private:
  void ListFiles();

  QString m_folder;
  QFileSystemModel* m_dirs = nullptr;
  QTreeView* m_tree = nullptr;
  QListWidget* m_files = nullptr;
  QPlainTextEdit* m_synopsis = nullptr;
  QPushButton* m_open = nullptr;
};

}  // namespace quotella
