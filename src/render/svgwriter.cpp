#include "render/svgwriter.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "render/pagepainter.h"
#include "render/qtext.h"

namespace quotella {

namespace {

constexpr int kScreenResolution = 96;

void Describe(QSvgGenerator& svg, QBuffer& buffer, const QString& title, QSize size,
              int resolution) {
  svg.setOutputDevice(&buffer);
  // The generator writes the title as it is; a puzzle title may hold "&" or "<".
  svg.setTitle(title.toHtmlEscaped());
  svg.setDescription(QStringLiteral("Quotella"));
  svg.setResolution(resolution);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
}

}  // namespace

QByteArray SvgWriter::Grid(const Tpuzzle& p, int columns, int rows, const BitmapStyle& style,
                           const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  Describe(svg, buffer, title, GridBitmap::Size(columns, rows, style), kScreenResolution);
  QPainter painter(&svg);
  GridBitmap::Paint(painter, p, columns, rows, style);
  painter.end();
  return bytes;
}

QByteArray SvgWriter::Pages(const PuzzleDocument& doc, const PrintOptions& options,
                            const PageFormat& format, int resolution, const FontSet& fonts,
                            QColor block, int* pages) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setResolution(resolution);
  const FontMetricsMeasure measure(fonts, &svg);
  const PageLayoutResult layout = PageLayout::Compute(doc, options, format, measure);
  const int count = static_cast<int>(layout.pages.size());
  // A quarter inch of paper between pages.
  const int step = format.height + resolution / 4;
  const QString title = ToQString(options.title.empty() ? std::string("Quotella") : options.title);
  Describe(svg, buffer, title, QSize(format.width, step * count - resolution / 4), resolution);
  QPainter painter(&svg);
  const PagePainter painterOfPage(fonts, block, layout.lineWidth);
  for (int i = 0; i < count; ++i) {
    painter.save();
    painter.translate(0, i * step);
    painterOfPage.Paint(painter, layout.pages[static_cast<std::size_t>(i)]);
    painter.restore();
  }
  painter.end();
  if (pages) *pages = count;
  return bytes;
}

}  // namespace quotella
