#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "core/document.h"
#include "render/pagelayout.h"
#include "render/textmeasure.h"

class QPrinter;

namespace quotella {

// Sends the formatted page, or plain lines of text, to a QPrinter: a print queue or a
// PDF file. Geometry is in printer dots at 600 dots per inch.
class PagePrinter {
 public:
  static constexpr int kResolution = 600;
  static constexpr const char* kFailure =
      "Could not print the puzzle. Check printer and printer cable.\n"
      "If printer is on a network, check network connections.";

  // Prepares a printer to write a PDF file: US Letter with quarter-inch margins, so the
  // printable area is 4800 x 6300 dots in portrait.
  static void SetUpPdf(QPrinter& printer, const std::string& path, bool landscape);

  // The printable area of the printer's page in dots, and its orientation.
  static PageFormat FormatOf(QPrinter& printer);

  // Lays out and paints every page of the puzzle. False when the printer refused the
  // document or a page; nothing has then been printed. pages receives the page count.
  static bool PrintPuzzle(QPrinter& printer, const PuzzleDocument& doc, const PrintOptions& options,
                          const FontSet& fonts, QColor block, int* pages = nullptr);

  // The lines in Liberation Mono 8 pt bold, one printed line each, onto as many pages as
  // they need.
  static bool PrintText(QPrinter& printer, const std::vector<std::string>& lines);
};

}  // namespace quotella
