#include "app/widgets/controls.h"

#include <QPushButton>

#include "render/qtext.h"

namespace quotella {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoDefault(false);
  return b;
}

void SetCaptionColour(QPushButton* button, bool red) {
  button->setStyleSheet(red ? QStringLiteral("color: red;") : QString());
}

QColor StoredColour(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int StoredValue(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor BackgroundOf(const QWidget* widget) {
  return widget->palette().color(QPalette::Base);
}

void SetBackground(QWidget* widget, const QColor& colour, QPalette::ColorRole role) {
  QPalette pal = widget->palette();
  pal.setColor(role, colour);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

QStringList ToQLines(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << ToQString(l);
  return out;
}

std::vector<std::string> FromQText(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  for (const QString& l : text.split(QLatin1Char('\n'))) lines.push_back(ToUtf8(l));
  return lines;
}

}  // namespace quotella
