#include "app/widgets/panelbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

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
    // A positive width is fixed; zero or a negative width -n shares the free width, n parts.
    const int share = w > 0 ? 0 : std::max(1, -w);
    if (w > 0) {
      label->setFixedWidth(w);
    } else {
      // A long text never widens the window.
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    layout->addWidget(label, share);
    m_labels.push_back(label);
    m_texts.push_back(texts[i]);
  }
}

void PanelBar::setPanel(int index, const QString& text) {
  if (index < 0 || index >= panelCount()) return;
  const auto i = static_cast<std::size_t>(index);
  m_texts[i] = text;
  m_labels[i]->setToolTip(text);
  Show(i);
}

QString PanelBar::panel(int index) const {
  if (index < 0 || index >= panelCount()) return {};
  return m_texts[static_cast<std::size_t>(index)];
}

void PanelBar::Show(std::size_t index) {
  QLabel* label = m_labels[index];
  const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
  label->setText(room > 0 ? label->fontMetrics().elidedText(m_texts[index], Qt::ElideMiddle, room)
                          : m_texts[index]);
}

void PanelBar::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  for (std::size_t i = 0; i < m_labels.size(); ++i) Show(i);
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
