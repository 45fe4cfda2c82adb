#include "app/widgets/cluepreviewwidget.h"

#include <QPainter>

#include "core/document.h"
#include "render/cluepreview.h"

namespace quotella {

namespace {
// The columns start this far down, as they would below the grid.
constexpr int kTop = 30;
}  // namespace

CluePreviewWidget::CluePreviewWidget(const PuzzleDocument& doc, const FontSet& fonts,
                                     std::function<QColor()> background, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_fonts(fonts), m_background(std::move(background)) {
  setObjectName(QStringLiteral("CluePreview"));
  setFixedSize(CluePreview::kPageSize, CluePreview::kPageSize);
}

QSize CluePreviewWidget::sizeHint() const {
  return {CluePreview::kPageSize, CluePreview::kPageSize};
}

void CluePreviewWidget::paintEvent(QPaintEvent*) {
  ++m_paints;
  QPainter painter(this);
  const QColor background = m_background ? m_background() : QColor(Qt::white);
  painter.fillRect(rect(), background);
  if (!m_doc.PuzzleExists) return;
  const FontMetricsMeasure measure(m_fonts, this);
  CluePreview::Paint(painter, CluePreview::Compute(m_doc, kTop, measure), m_fonts, background);
}

}  // namespace quotella
