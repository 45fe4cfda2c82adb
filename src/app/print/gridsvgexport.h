#pragma once

namespace quotella {

class MainWindow;

// Tools > "Export Grid as SVG": the grid as the bitmap window draws it (cell size, line
// width, colours, fonts, labels and key) into an SVG file chosen in the save dialog,
// for a layout program. True when written.
bool ExportGridSvg1Click(MainWindow& window);

}  // namespace quotella
