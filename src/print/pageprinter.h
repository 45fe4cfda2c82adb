#pragma once

#include <QColor>
#include <optional>
#include <string>
#include <vector>

#include "core/document.h"
#include "render/pagelayout.h"
#include "render/textmeasure.h"

class QPrinter;

namespace quotella {

// The paper sizes a puzzle page is printed on.
enum class Paper { Letter, A4, Legal };

// Paper, margins and orientation of a PDF page.
struct PaperSetup {
  Paper paper = Paper::Letter;
  double marginInches = 0.5;
  bool landscape = false;
};

// Sends the formatted page, or plain lines of text, to a QPrinter: a print queue or a
// PDF file. Geometry is in printer dots at 600 dots per inch.
class PagePrinter {
 public:
  static constexpr int kResolution = 600;
  static constexpr const char* kFailure =
      "Could not print the puzzle. Check printer and printer cable.\n"
      "If printer is on a network, check network connections.";

  // Prepares a printer to write a PDF file on the paper with its margins (half-inch
  // margins on Letter leave 4500 x 6000 dots in portrait).
  static void SetUpPdf(QPrinter& printer, const std::string& path, const PaperSetup& setup);
  static void SetUpPdf(QPrinter& printer, const std::string& path, bool landscape);
  // Puts the paper and margins on a printer, keeping its orientation.
  static void SetPaper(QPrinter& printer, Paper paper, double marginInches);

  // The paper of the system's locale (its LC_PAPER), Letter when it says nothing.
  static Paper SystemPaper();
  // "letter", "a4", "legal" (any case); nullopt for anything else.
  static std::optional<Paper> PaperNamed(const std::string& name);

  // The printable area of the printer's page in dots, and its orientation.
  static PageFormat FormatOf(QPrinter& printer);

  // Lays out and paints every page of the puzzle. False when the printer refused the
  // document or a page; nothing has then been printed. pages receives the page count.
  // notes receives what the layout changed to make the page fit.
  static bool PrintPuzzle(QPrinter& printer, const PuzzleDocument& doc, const PrintOptions& options,
                          const FontSet& fonts, QColor block, int* pages = nullptr,
                          std::vector<std::string>* notes = nullptr);

  // The lines in Liberation Mono 8 pt bold, one printed line each, onto as many pages as
  // they need.
  static bool PrintText(QPrinter& printer, const std::vector<std::string>& lines);
};

}  // namespace quotella
