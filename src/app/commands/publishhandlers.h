#pragma once

namespace quotella {

struct WindowParts;

// The window's commands for the publishing formats. Each pulls the editors' texts (the
// clues as typed) into the document first and pushes the results back to the controls.

// Save > As ipuz...
void SaveAsIpuz1Click(WindowParts& window);
// Save > As Web Page...
void SaveAsWebPage1Click(WindowParts& window);
// Open > ipuz Puzzle...; true when a puzzle was loaded.
bool IpuzPuzzle1Click(WindowParts& window);

}  // namespace quotella
