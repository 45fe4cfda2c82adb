#pragma once

#include "app/search/searchcontroller.h"

namespace quotella {

struct WindowParts;

// What the search controller asks of the main window: the lists and views to repaint,
// the search log on view, the editor's look-up, the Autofill command's caption and
// request, and the Puzzle view after a bail-out.
class SearchHooks {
 public:
  static SearchController::Hooks For(WindowParts& w);
  // What "Autofill" asks for: the remembered limits and the rows selected in the table.
  static AutofillRequest AutofillRequestOf(WindowParts& w);
};

}  // namespace quotella
