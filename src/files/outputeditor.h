#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/linestore.h"

namespace quotella {

// The staging buffer of every bulk text operation: a puzzle file, a text export, the
// information file or a settings file is composed here as lines and then written, or read
// here and then parsed. Each such operation replaces what the editor held.
class OutputEditor {
 public:
  LineStore Lines;
  // The file name offered by the editor's own save and open commands.
  std::string OutputFileName = "output.txt";
  // Set while the information file is composed in its rich-text form.
  bool RichText = false;
  bool WordWrap = false;

  void Clear() { Lines.clear(); }
  void Add(std::string_view line) { Lines.push_back(line); }
  // The whole text as it is written to disk: CR LF after every line.
  std::string Text() const;
};

}  // namespace quotella
