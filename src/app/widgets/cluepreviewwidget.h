#pragma once

#include <QWidget>
#include <functional>

#include "render/textmeasure.h"

namespace quotella {

class PuzzleDocument;

// The Grid view's preview of the printed clue columns: an 800 x 800 pixel page of three
// columns at screen scale, in the page's clue and numbered-dash fonts, on the grid's
// background colour. It draws from the document every time it paints.
class CluePreviewWidget : public QWidget {
  Q_OBJECT
 public:
  CluePreviewWidget(const PuzzleDocument& doc, const FontSet& fonts,
                    std::function<QColor()> background, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  // How many times the preview has been drawn.
  int paintCount() const { return m_paints; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PuzzleDocument& m_doc;
  const FontSet& m_fonts;
  std::function<QColor()> m_background;
  int m_paints = 0;
};

}  // namespace quotella
