#pragma once

#include <QGroupBox>

class QCheckBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace quotella {

struct GeneralSettingsForm;

// The "Scored Word Lists" group of General Settings: the constructor's scored lists in
// the order they are read, "Add…" (the window asks for the file) and "Remove", the least
// score autofill takes, the score of a word standing alone on its line, and whether autofill
// may also take dictionary words.
class ScoredListsGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit ScoredListsGroup(QWidget* parent = nullptr);

  void load(const GeneralSettingsForm& form);
  void store(GeneralSettingsForm& form) const;
  // A file chosen after "Add…"; a file already in the list is not added twice.
  void addFile(const QString& path);

  QListWidget* files() const { return m_files; }
  QPushButton* addButton() const { return m_add; }
  QPushButton* removeButton() const { return m_remove; }
  QSpinBox* minScoreBox() const { return m_minScore; }
  QSpinBox* listScoreBox() const { return m_listScore; }
  QCheckBox* dictionaryWordsBox() const { return m_dictionaryWords; }

 signals:
  void addRequested();

 private:
  void RefreshRemove();

  QListWidget* m_files = nullptr;
  QPushButton* m_add = nullptr;
  QPushButton* m_remove = nullptr;
  QSpinBox* m_minScore = nullptr;
  QSpinBox* m_listScore = nullptr;
  QCheckBox* m_dictionaryWords = nullptr;
};

}  // namespace quotella
