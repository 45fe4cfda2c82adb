#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/pageprinter.h"
#include "render/pagelayout.h"
#include "render/textmeasure.h"

class QPrinter;
class QWidget;

namespace quotella {

class FileSession;
class PuzzleDocument;

// The print commands of the window over one shared QPrinter: the printer probe at
// start-up, Print Now from the Grid view's controls, Printer Setup, the output editor as
// plain text, and the page as a PDF file. Messages and questions go through the
// document's host; the print dialogs through replaceable hooks, so tests can script them.
class PrintCommands : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kOffline =
      "Printer appears to be off line!\n"
      "Do you want to try printing anyway? This may produce an error.\n"
      "Try anyway?";
  // Print Now's question when no printer is installed at all.
  static constexpr const char* kNoPrinterPdf =
      "No printer is installed.\n"
      "The page will be saved as a PDF file instead.\n"
      "Save it as a PDF file?";
  static constexpr const char* kExiting =
      "Exiting the Print function. Connect printer and try again.";
  static constexpr const char* kTextOffline =
      "The printer appears to be off line.\n"
      "It may be necessary to connect printer, and restart this program!";
  static constexpr const char* kPdfFilter = "PDF Files|*.pdf|All Files|*.*";
  static constexpr const char* kPrintAnyway = " Print anyway?";

  PrintCommands(PuzzleDocument& doc, FileSession& session, FontSet& fonts, QWidget* parent);
  ~PrintCommands() override;

  // The page options the Grid view's controls and the print settings window edit.
  PrintOptions options;
  // The Grid view's "Cell Size" box and whether it is ticked.
  bool fixedCellSize = false;
  std::string cellSizeText = "200";
  QColor blockColour = Qt::black;
  // Paper and margins of the printed page and of PDF files.
  Paper paper = PagePrinter::SystemPaper();
  double marginInches = 0.5;

  // Looks for a printer: with one, the document's printer values come from it; without,
  // the printer is offline and the defaults (600 dots per inch, 4800 dots) stay.
  void ProbePrinter();
  bool printerAvailable() const;

  // Print Now: the formatted page on the printer, or, with no printer installed, into a PDF
  // file once the user agreed to that. False when nothing was printed.
  bool PrintNow();
  // Print > "To PDF...": the same page into a PDF file chosen in the save dialog.
  bool ToPdf();
  // Print > "Printer Setup".
  void PrinterSetup();
  // Print > "As Text": the lines in a monospaced bold face, one printed line each.
  bool PrintText(const std::vector<std::string>& lines);
  // Turns the page; the document's orientation follows.
  void SetLandscape(bool landscape);

  // The printer setup dialog; true when the user confirmed. Replaced by tests.
  std::function<bool(QPrinter&)> setupDialog;

 signals:
  // The geometry may have changed (a fixed cell size chose the column count).
  void geometryChanged();

 private:
  bool PreparePage();
  // The save dialog, then the page into the chosen PDF file.
  bool SavePdf();
  // An unfinished puzzle prints only when the user says so.
  bool ConfirmUnfinished();
  void ReportNotes(const std::vector<std::string>& notes);
  PaperSetup Setup() const;
  bool PrintTo(QPrinter& printer);
  bool PdfTo(const std::string& path);

  PuzzleDocument& m_doc;
  FileSession& m_session;
  FontSet& m_fonts;
  std::unique_ptr<QPrinter> m_printer;
};

}  // namespace quotella
