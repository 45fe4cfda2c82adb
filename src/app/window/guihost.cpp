#include "app/window/guihost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "render/qtext.h"

namespace quotella {

int GuiHost::PromptWidthFor(const QInputDialog& dialog) {
  return dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 140;
}

GuiHost::GuiHost(QWidget* parent) : m_parent(parent) {
  // The window decides whether sounds are on; everything that reaches this host plays.
  m_sounds.setEnabled(true);
}

QString GuiHost::MessageText(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QString GuiHost::QtFilter(const std::string& filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

void GuiHost::Message(const std::string& text) {
  QMessageBox::information(m_parent, QApplication::applicationName(), MessageText(text));
}

bool GuiHost::Confirm(const std::string& text, ConfirmKind kind) {
  const auto buttons = QMessageBox::Yes | QMessageBox::No;
  const QString title = QApplication::applicationName();
  QMessageBox::StandardButton answer;
  switch (kind) {
    case ConfirmKind::Warning:
      answer = QMessageBox::warning(m_parent, title, MessageText(text), buttons);
      break;
    case ConfirmKind::Information:
      answer = QMessageBox::information(m_parent, title, MessageText(text), buttons);
      break;
    case ConfirmKind::Question:
    default:
      answer = QMessageBox::question(m_parent, title, MessageText(text), buttons);
      break;
  }
  return answer == QMessageBox::Yes;
}

std::optional<bool> GuiHost::ConfirmOrCancel(const std::string& text) {
  const auto answer =
      QMessageBox::question(m_parent, QApplication::applicationName(), MessageText(text),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Cancel) return std::nullopt;
  return answer == QMessageBox::Yes;
}

std::optional<int> GuiHost::Choose(const std::string& text,
                                   const std::vector<std::string>& buttons) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), MessageText(text),
                  QMessageBox::NoButton, m_parent);
  QList<QAbstractButton*> added;
  for (const std::string& caption : buttons)
    added << box.addButton(ToQString(caption),
                           added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::ActionRole);
  box.exec();
  const auto index = added.indexOf(box.clickedButton());
  if (index < 0) return std::nullopt;
  return static_cast<int>(index);
}

std::optional<std::string> GuiHost::Prompt(const std::string& caption, const std::string& label,
                                           const std::string& initial) {
  QInputDialog dialog(m_parent);
  dialog.setWindowTitle(ToQString(caption));
  dialog.setLabelText(MessageText(label));
  dialog.setTextValue(ToQString(initial));
  // Wide enough for a whole clue, and for the caption in the title bar. The dialog's own
  // layout sizes it from its controls and overrides a minimum set on the dialog, so the
  // width goes to the text box.
  if (auto* box = dialog.findChild<QLineEdit*>())
    box->setMinimumWidth(std::max(kPromptMinWidth, PromptWidthFor(dialog)));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToUtf8(dialog.textValue());
}

void GuiHost::Status(StatusBar, int, const std::string&) {}

void GuiHost::PlaySound(const std::string& name, bool) {
  m_sounds.play(ToQString(name));
}

namespace {
// Where a file dialog opens: the folder, or the proposed file in it.
QString StartPath(const std::string& initialDir, const std::string& initialName) {
  QString dir = ToQString(initialDir);
  if (initialName.empty()) return dir;
  const QString name = ToQString(initialName);
  return QDir::isAbsolutePath(name) || dir.isEmpty() ? name : dir + QLatin1Char('/') + name;
}
}  // namespace

std::optional<std::string> GuiHost::OpenFileName(const std::string& title,
                                                 const std::string& filter,
                                                 const std::string& initialDir) {
  const QString file = QFileDialog::getOpenFileName(m_parent, ToQString(title),
                                                    ToQString(initialDir), QtFilter(filter));
  if (file.isEmpty()) return std::nullopt;
  return ToUtf8(file);
}

std::optional<std::string> GuiHost::SaveFileName(const std::string& title,
                                                 const std::string& filter,
                                                 const std::string& initialDir,
                                                 const std::string& initialName) {
  const QString start = StartPath(initialDir, initialName);
  const QString file =
      QFileDialog::getSaveFileName(m_parent, ToQString(title), start, QtFilter(filter));
  if (file.isEmpty()) return std::nullopt;
  return ToUtf8(file);
}

std::optional<std::string> GuiHost::OpenFileNamed(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& initialDir,
                                                  const std::string& initialName) {
  const QString start = StartPath(initialDir, initialName);
  const QString file =
      QFileDialog::getOpenFileName(m_parent, ToQString(title), start, QtFilter(filter));
  if (file.isEmpty()) return std::nullopt;
  return ToUtf8(file);
}

bool GuiHost::OpenProgram(const std::string& path) {
  return QProcess::startDetached(ToQString(path), {});
}

void GuiHost::ShowQuoteWindow(const std::vector<std::string>&) {}

}  // namespace quotella
