#include "print/pageprinter.h"

#include <langinfo.h>

#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdint>
#include <cstdlib>

#include "render/pagepainter.h"
#include "render/qtext.h"

namespace quotella {

namespace {

QPageSize SizeOf(Paper paper) {
  switch (paper) {
    case Paper::A4:
      return QPageSize(QPageSize::A4);
    case Paper::Legal:
      return QPageSize(QPageSize::Legal);
    case Paper::Letter:
      break;
  }
  return QPageSize(QPageSize::Letter);
}

// The paper glibc gives the locale's LC_PAPER category, in millimetres.
std::optional<Paper> LocalePaper() {
  const char* names[] = {"LC_ALL", "LC_PAPER", "LANG"};
  std::string locale;
  for (const char* name : names) {
    const char* value = std::getenv(name);
    if (value && *value) {
      locale = value;
      break;
    }
  }
  if (locale.empty() || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0)
    return std::nullopt;
  const char* current = std::setlocale(LC_PAPER, nullptr);
  const std::string keep = current ? current : "C";
  std::optional<Paper> paper;
  if (std::setlocale(LC_PAPER, "")) {
    const auto height = reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT));
    const auto width = reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH));
    if (width == 210 && height == 297) paper = Paper::A4;
    if (width == 216 && height == 279) paper = Paper::Letter;
    if (width == 216 && height == 356) paper = Paper::Legal;
  }
  std::setlocale(LC_PAPER, keep.c_str());
  return paper;
}

}  // namespace

Paper PagePrinter::SystemPaper() {
  return LocalePaper().value_or(Paper::Letter);
}

std::optional<Paper> PagePrinter::PaperNamed(const std::string& name) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == "letter") return Paper::Letter;
  if (lower == "a4") return Paper::A4;
  if (lower == "legal") return Paper::Legal;
  return std::nullopt;
}

void PagePrinter::SetPaper(QPrinter& printer, Paper paper, double marginInches) {
  const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
  printer.setPageLayout(QPageLayout(
      SizeOf(paper), orientation, QMarginsF(marginInches, marginInches, marginInches, marginInches),
      QPageLayout::Inch));
}

void PagePrinter::SetUpPdf(QPrinter& printer, const std::string& path, const PaperSetup& setup) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(path));
  printer.setResolution(kResolution);
  printer.setFullPage(false);
  const double m = setup.marginInches;
  printer.setPageLayout(QPageLayout(
      SizeOf(setup.paper), setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(m, m, m, m), QPageLayout::Inch));
}

void PagePrinter::SetUpPdf(QPrinter& printer, const std::string& path, bool landscape) {
  PaperSetup setup;
  setup.landscape = landscape;
  SetUpPdf(printer, path, setup);
}

PageFormat PagePrinter::FormatOf(QPrinter& printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  PageFormat f;
  f.width = area.width();
  f.height = area.height();
  f.landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
  f.dpi = printer.resolution();
  return f;
}

bool PagePrinter::PrintPuzzle(QPrinter& printer, const PuzzleDocument& doc,
                              const PrintOptions& options, const FontSet& fonts, QColor block,
                              int* pages, std::vector<std::string>* notes) {
  if (printer.outputFormat() == QPrinter::NativeFormat) printer.setResolution(kResolution);
  const FontMetricsMeasure measure(fonts, &printer);
  const PageLayoutResult layout = PageLayout::Compute(doc, options, FormatOf(printer), measure);
  printer.setDocName(ToQString(options.title.empty() ? std::string("Quotella") : options.title));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  if (notes) *notes = layout.notes;
  const PagePainter page(fonts, block, layout.lineWidth);
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
