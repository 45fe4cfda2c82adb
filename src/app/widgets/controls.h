#pragma once

#include <QColor>
#include <QPalette>
#include <QStringList>
#include <string>
#include <vector>

class QPushButton;
class QWidget;

namespace quotella {

// Small helpers the rooms of the window share.

// A push button that never takes the focus from the table or list being worked in.
QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent);
// A red caption marks the chosen pool order and a search button that wants attention.
void SetCaptionColour(QPushButton* button, bool red);
// Settings colours keep blue in bits 16-23 and red in bits 0-7.
QColor StoredColour(int value);
int StoredValue(const QColor& colour);
QColor BackgroundOf(const QWidget* widget);
void SetBackground(QWidget* widget, const QColor& colour,
                   QPalette::ColorRole role = QPalette::Base);
// UTF-8 lines to and from the text of an editor.
QStringList ToQLines(const std::vector<std::string>& lines);
std::vector<std::string> FromQText(const QString& text);

}  // namespace quotella
