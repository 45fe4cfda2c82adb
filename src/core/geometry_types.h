#pragma once

namespace quotella {

// The shape of the quotation grid and the printer values it is sized from.
// Columns and Rows are the grid's counts; the grid always keeps at least one of each.
struct GridGeometry {
  int Columns = 1;
  int Rows = 1;

  // Printer values: set by the window from the printer at start-up, defaults otherwise.
  bool PrinterAvailable = true;
  int PrinterDPI = 600;
  int PageWidth = 4800;       // printable width in printer pixels (portrait)
  int PageHeight = 6300;      // printable height in printer pixels (portrait)
  int GridPageHeight = 5700;  // page height available for the grid
  bool Landscape = false;

  // The printer's page as the current orientation turns it.
  int PrinterPageWidth() const { return Landscape ? PageHeight : PageWidth; }
  int PrinterPageHeight() const { return Landscape ? PageWidth : PageHeight; }
};

}  // namespace quotella
