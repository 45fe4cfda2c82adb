#include "files/outputeditor.h"

#include "core/textio.h"

namespace quotella {

std::string OutputEditor::Text() const {
  return Lines.TextCrLf();
}

}  // namespace quotella
