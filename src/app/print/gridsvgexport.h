#pragma once

namespace quotella {

struct WindowParts;

// Tools > "Export Grid as SVG": the grid as the bitmap window draws it (cell size, line
// width, colours, fonts, labels and key) into an SVG file chosen in the save dialog,
// for a layout program. True when written.
bool ExportGridSvg1Click(WindowParts& window);

}  // namespace quotella
