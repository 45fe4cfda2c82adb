#include "print/pageprinter.h"

#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "render/pagepainter.h"
#include "render/qtext.h"

namespace quotella {

void PagePrinter::SetUpPdf(QPrinter& printer, const std::string& path, bool landscape) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setResolution(kResolution);
  printer.setFullPage(false);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                    landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                    QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
}

PageFormat PagePrinter::FormatOf(QPrinter& printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  PageFormat f;
  f.width = area.width();
  f.height = area.height();
  f.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  return f;
}

bool PagePrinter::PrintPuzzle(QPrinter& printer, const PuzzleDocument& doc,
                              const PrintOptions& options, const FontSet& fonts, QColor block,
                              int* pages) {
  if (printer.outputFormat() == QPrinter::NativeFormat) printer.setResolution(kResolution);
  const FontMetricsMeasure measure(fonts, &printer);
  const PageLayoutResult layout = PageLayout::Compute(doc, options, FormatOf(printer), measure);
  printer.setDocName(ToQString(options.title.empty() ? std::string("Quotella") : options.title));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const PagePainter page(fonts, block, options.lineWidth);
  for (std::size_t i = 0; i < layout.pages.size(); ++i) {
    if (i > 0 && !printer.newPage()) {
      painter.end();
      return false;
    }
    page.Paint(painter, layout.pages[i]);
  }
  if (!painter.end()) return false;
  if (pages) *pages = static_cast<int>(layout.pages.size());
  return printer.printerState() != QPrinter::Error;
}

bool PagePrinter::PrintText(QPrinter& printer, const std::vector<std::string>& lines) {
  if (printer.outputFormat() == QPrinter::NativeFormat) printer.setResolution(kResolution);
  QFont font(QStringLiteral("Liberation Mono"), 8);
  font.setBold(true);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setFont(font);
  const QFontMetrics fm = painter.fontMetrics();
  const int height = FormatOf(printer).height;
  int y = 0;
  for (const auto& line : lines) {
    if (y + fm.height() > height) {
      if (!printer.newPage()) {
        painter.end();
        return false;
      }
      y = 0;
    }
    painter.drawText(0, y + fm.ascent(), ToQString(line));
    y += fm.height();
  }
  return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace quotella
