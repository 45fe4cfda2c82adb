#include "app/widgets/panelbar.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quotella {

PanelBar::PanelBar(const QString& name, const QStringList& texts, const std::vector<int>& widths,
                   QWidget* parent)
    : QFrame(parent) {
  setObjectName(name);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (int i = 0; i < texts.size(); ++i) {
    auto* label = new QLabel(texts[i], this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    const int w = i < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(i)] : 0;
    // A text longer than its panel is cut; the whole text is in the tooltip.
    label->setToolTip(texts[i]);
    if (w > 0) {
      label->setFixedWidth(w);
    } else {
      // A long text never widens the window.
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
      layout->setStretchFactor(label, 1);
    }
    layout->addWidget(label, w > 0 ? 0 : 1);
    m_labels.push_back(label);
  }
}

void PanelBar::setPanel(int index, const QString& text) {
  if (index < 0 || index >= panelCount()) return;
  QLabel* label = m_labels[static_cast<std::size_t>(index)];
  label->setText(text);
  label->setToolTip(text);
}

QString PanelBar::panel(int index) const {
  if (index < 0 || index >= panelCount()) return {};
  return m_labels[static_cast<std::size_t>(index)]->text();
}

void PanelBar::mousePressEvent(QMouseEvent* event) {
  QFrame::mousePressEvent(event);
  emit clicked();
}

void PanelBar::mouseDoubleClickEvent(QMouseEvent* event) {
  QFrame::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

}  // namespace quotella
