#pragma once

#include <QDialog>
#include <functional>
#include <map>

#include "settings/hotkeys.h"

class QKeySequenceEdit;

namespace quotella {

// The "Short Cut Keys" window: one box per re-bindable command. A change re-binds the
// box's menu items at once, for the rest of the run.
class HotkeysDialog : public QDialog {
  Q_OBJECT
 public:
  // rebind(item, shortcut text) gives a menu item its new shortcut.
  HotkeysDialog(std::function<void(const std::string&, const QString&)> rebind,
                QWidget* parent = nullptr);
  HotkeyBindings& bindings() { return m_bindings; }
  // Sets a box as if the user had pressed that combination.
  void setBox(const std::string& box, const QKeySequence& keys);
  QKeySequenceEdit* box(const std::string& name) const;
  // A letter, digit or sign without Ctrl or Alt: typing, not a shortcut.
  static bool IsBareKey(const QKeySequence& keys);

 protected:
  // Each time the window opens its boxes show their fixed start values.
  void showEvent(QShowEvent* event) override;

 private:
  void BoxChanged(const std::string& box, const QKeySequence& keys);
  void MarkInvalid(QKeySequenceEdit* edit, bool invalid);

  std::function<void(const std::string&, const QString&)> m_rebind;
  HotkeyBindings m_bindings;
  std::map<std::string, QKeySequenceEdit*> m_boxes;
  // What each box held when it was last shown or applied: leaving a box unchanged
  // re-binds nothing.
  std::map<std::string, QKeySequence> m_applied;
};

}  // namespace quotella
