#include "app/print/printcommands.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <charconv>
#include <filesystem>

#include "core/document.h"
#include "core/savereport.h"
#include "files/filesession.h"
#include "print/pageprinter.h"
#include "render/qtext.h"

namespace quotella {

namespace {

std::optional<int> WholeNumber(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(' ');
  int value = 0;
  const char* end = text.data() + last + 1;
  const auto [ptr, ec] = std::from_chars(text.data() + first, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

PrintCommands::PrintCommands(PuzzleDocument& doc, FileSession& session, FontSet& fonts,
                             QWidget* parent)
    : QObject(parent),
      m_doc(doc),
      m_session(session),
      m_fonts(fonts),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setupDialog = [parent](QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
  };
}

PrintCommands::~PrintCommands() = default;

bool PrintCommands::printerAvailable() const {
  return m_doc.Grid.PrinterAvailable;
}

void PrintCommands::ProbePrinter() {
  GridGeometry& g = m_doc.Grid;
  g.PrinterDPI = PagePrinter::kResolution;
  if (QPrinterInfo::availablePrinterNames().isEmpty() || !m_printer->isValid()) {
    g.PrinterAvailable = false;
    g.PageWidth = 4800;
    g.PageHeight = 6300;
    return;
  }
  g.PrinterAvailable = true;
  m_printer->setResolution(PagePrinter::kResolution);
  m_printer->setPageOrientation(QPageLayout::Portrait);
  const PageFormat f = PagePrinter::FormatOf(*m_printer);
  g.PageWidth = f.width;
  g.PageHeight = f.height;
  g.Landscape = false;
}

void PrintCommands::SetLandscape(bool landscape) {
  m_printer->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

PaperSetup PrintCommands::Setup() const {
  PaperSetup setup;
  setup.paper = paper;
  setup.marginInches = marginInches;
  setup.landscape = m_doc.Grid.Landscape;
  return setup;
}

bool PrintCommands::ConfirmUnfinished() {
  const auto unfinished = PageLayout::Unfinished(m_doc);
  return !unfinished || m_doc.host().Confirm(*unfinished + kPrintAnyway, ConfirmKind::Question);
}

void PrintCommands::ReportNotes(const std::vector<std::string>& notes) {
  if (notes.empty()) return;
  std::string text;
  for (const auto& note : notes) text += (text.empty() ? "" : "\n") + note;
  m_doc.host().Message(text);
}

bool PrintCommands::PreparePage() {
  options.title = m_session.TitleBox;
  options.byline = m_session.BylineBox;
  options.copyright = m_session.CopyrightText;
  if (!ConfirmUnfinished()) return false;
  if (!fixedCellSize) return true;
  const auto size = WholeNumber(cellSizeText);
  if (!size || *size < 1) {
    m_doc.host().Message("Error in Cell Size edit box! Not a number..");
    return false;
  }
  // The page the fixed size is tested against: the printer's, or the PDF file's.
  QPrinter pdf(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(pdf, "measure.pdf", Setup());  // never begun: only measured
  QPrinter& target = m_doc.Grid.PrinterAvailable ? *m_printer : pdf;
  if (&target == m_printer.get()) {
    SetLandscape(m_doc.Grid.Landscape);
    PagePrinter::SetPaper(*m_printer, paper, marginInches);
  }
  const FontMetricsMeasure measure(m_fonts, &target);
  const bool fits = PageLayout::FitColumnsToCellSize(m_doc, *size, PagePrinter::FormatOf(target),
                                                     options, measure);
  emit geometryChanged();
  return fits;
}

bool PrintCommands::PrintTo(QPrinter& printer) {
  std::vector<std::string> notes;
  if (!PagePrinter::PrintPuzzle(printer, m_doc, options, m_fonts, blockColour, nullptr, &notes)) {
    m_doc.host().Message(PagePrinter::kFailure);
    return false;
  }
  ReportNotes(notes);
  return true;
}

bool PrintCommands::PdfTo(const std::string& path) {
  // Written beside the chosen file and moved over it once complete.
  const std::filesystem::path target(path);
  std::filesystem::path temp = target;
  temp.replace_filename("." + target.filename().string() + ".part");
  QPrinter pdf(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(pdf, temp.string(), Setup());
  std::vector<std::string> notes;
  const bool printed =
      PagePrinter::PrintPuzzle(pdf, m_doc, options, m_fonts, blockColour, nullptr, &notes);
  std::error_code ec;
  if (printed) std::filesystem::rename(temp, target, ec);
  const SaveResult saved = !printed ? SaveResult::Failed("the page could not be drawn")
                           : ec     ? SaveResult::Failed(ec.message())
                                    : SaveResult();
  if (!saved.ok()) std::filesystem::remove(temp, ec);
  if (!ReportSave(m_doc.host(), saved, "PDF of the page", "Could not save file ", path))
    return false;
  ReportNotes(notes);
  return true;
}

bool PrintCommands::PrintNow() {
  const bool offline = !m_doc.Grid.PrinterAvailable;
  // With no printer installed there is nothing to try: the page goes into a PDF file.
  const bool toPdf = offline && QPrinterInfo::availablePrinterNames().isEmpty();
  if (offline && !m_doc.host().Confirm(toPdf ? kNoPrinterPdf : kOffline, ConfirmKind::Warning)) {
    m_doc.host().Message(kExiting);
    return false;
  }
  if (!PreparePage()) return false;
  if (toPdf) return SavePdf();
  SetLandscape(m_doc.Grid.Landscape);
  PagePrinter::SetPaper(*m_printer, paper, marginInches);
  return PrintTo(*m_printer);
}

bool PrintCommands::ToPdf() {
  return PreparePage() && SavePdf();
}

bool PrintCommands::SavePdf() {
  const auto path =
      m_doc.host().SaveFileName("Save File", kPdfFilter, m_session.CurrentDir, "puzzle.pdf");
  return path && PdfTo(*path);
}

void PrintCommands::PrinterSetup() {
  if (setupDialog && setupDialog(*m_printer) && m_doc.Grid.PrinterAvailable) {
    const PageFormat f = PagePrinter::FormatOf(*m_printer);
    m_doc.Grid.Landscape = f.landscape;
    m_doc.Grid.PageWidth = f.landscape ? f.height : f.width;
    m_doc.Grid.PageHeight = f.landscape ? f.width : f.height;
    emit geometryChanged();
  }
}

bool PrintCommands::PrintText(const std::vector<std::string>& lines) {
  if (!m_doc.Grid.PrinterAvailable) {
    m_doc.host().Message(kTextOffline);
    return false;
  }
  if (!PagePrinter::PrintText(*m_printer, lines)) {
    m_doc.host().Message(PagePrinter::kFailure);
    return false;
  }
  return true;
}

}  // namespace quotella
