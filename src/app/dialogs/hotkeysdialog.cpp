#include "app/dialogs/hotkeysdialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "render/qtext.h"

namespace quotella {

HotkeysDialog::HotkeysDialog(std::function<void(const std::string&, const QString&)> rebind,
                             QWidget* parent)
    : QDialog(parent), m_rebind(std::move(rebind)) {
  setObjectName(QStringLiteral("ShortCutsForm"));
  setWindowTitle(QStringLiteral("Short Cut Keys"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("<b>Puzzle Shortcuts</b>"), this);
  layout->addWidget(heading);
  layout->addWidget(new QLabel(
      QStringLiteral("Go to each box and press the key combination  you want to use. (No "
                     "duplicates)"),
      this));
  auto* boxes = new QWidget(this);
  auto* form = new QFormLayout(boxes);
  form->addRow(new QLabel(QStringLiteral("<b>Shortcut keys</b>"), boxes));
  for (const HotkeyBox& box : HotkeyBoxes()) {
    auto* edit = new QKeySequenceEdit(
        QKeySequence(ToQString(ShortcutToText(box.shown)), QKeySequence::PortableText), boxes);
    edit->setObjectName(ToQString(box.box));
    const std::string name = box.box;
    connect(edit, &QKeySequenceEdit::editingFinished, this,
            [this, name, edit] { BoxChanged(name, edit->keySequence()); });
    form->addRow(ToQString(box.label), edit);
    m_boxes[box.box] = edit;
  }
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(boxes);
  scroll->setWidgetResizable(true);
  layout->addWidget(scroll, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);
  layout->addWidget(buttons);
  resize(420, 520);
}

QKeySequenceEdit* HotkeysDialog::box(const std::string& name) const {
  const auto it = m_boxes.find(name);
  return it == m_boxes.end() ? nullptr : it->second;
}

void HotkeysDialog::showEvent(QShowEvent* event) {
  for (const HotkeyBox& b : HotkeyBoxes()) {
    const QKeySequence shown(ToQString(ShortcutToText(b.shown)), QKeySequence::PortableText);
    m_boxes[b.box]->setKeySequence(shown);
    MarkInvalid(m_boxes[b.box], false);
    m_applied[b.box] = shown;
  }
  QDialog::showEvent(event);
}

bool HotkeysDialog::IsBareKey(const QKeySequence& keys) {
  if (keys.isEmpty()) return false;
  const QKeyCombination combo = keys[0];
  const Qt::KeyboardModifiers mods = combo.keyboardModifiers() & ~Qt::KeypadModifier;
  const int key = combo.key();
  return (mods == Qt::NoModifier || mods == Qt::ShiftModifier) && key >= Qt::Key_Space &&
         key <= Qt::Key_AsciiTilde;
}

void HotkeysDialog::MarkInvalid(QKeySequenceEdit* edit, bool invalid) {
  edit->setStyleSheet(invalid ? QStringLiteral("background-color: #FFC0C0;") : QString());
  edit->setToolTip(invalid ? QStringLiteral("Not a shortcut: add Ctrl or Alt") : QString());
}

void HotkeysDialog::setBox(const std::string& box, const QKeySequence& keys) {
  const auto it = m_boxes.find(box);
  if (it == m_boxes.end()) return;
  it->second->setKeySequence(keys);
  BoxChanged(box, keys);
}

void HotkeysDialog::BoxChanged(const std::string& box, const QKeySequence& keys) {
  const auto it = m_applied.find(box);
  if (it != m_applied.end() && it->second == keys) return;
  QKeySequenceEdit* edit = this->box(box);
  if (IsBareKey(keys)) {
    if (edit) MarkInvalid(edit, true);
    return;
  }
  if (edit) MarkInvalid(edit, false);
  m_applied[box] = keys;
  int value = 0;
  if (!keys.isEmpty()) {
    const auto parsed =
        TextToShortcut(ToUtf8(QKeySequence(keys[0]).toString(QKeySequence::PortableText)));
    if (!parsed) return;
    value = HotkeyEntryValue(*parsed);
  }
  if (!m_bindings.BoxChanged(box, value)) return;
  const QString text = ToQString(ShortcutToText(value));
  for (const HotkeyBox& b : HotkeyBoxes())
    if (b.box == box)
      for (const std::string& item : b.items) m_rebind(item, text);
}

}  // namespace quotella
