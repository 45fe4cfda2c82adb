#pragma once

#include <functional>
#include <string>
#include <vector>

#include "search/searchdeadline.h"

namespace quotella {

class BackgroundWork;
class Host;
class PuzzleDocument;
class StatusPane;
struct AutofillAlternative;
struct FillRequest;
struct WordSources;

// "Other Answers for This Row": the words that can take a row's answer, found in the long
// scans' worker on a copy of the puzzle, shown in the candidate list, and laid by a double
// click while the table is as they were found for.
class OtherAnswersList {
 public:
  struct Hooks {
    std::function<void()> listsChanged;  // the candidates changed
    std::function<void()> viewsChanged;  // an answer was laid: repaint
  };
  OtherAnswersList(PuzzleDocument& doc, WordSources& sources, Host& host, StatusPane& status,
                   Hooks hooks);
  ~OtherAnswersList();

  // Starts finding `row`'s other answers with the request's rarity limit and word lists;
  // `shown` runs once they are in the candidate list. A change to the puzzle meanwhile
  // drops them.
  void Find(BackgroundWork& work, int row, const FillRequest& request, SearchDeadline::Clock clock,
            std::function<void()> shown);
  // A double click on line `line` of the candidate list: lays that answer; false when the
  // list holds something else.
  bool Lay(int line);

 private:
  void Show(int row, std::vector<AutofillAlternative> found);

  PuzzleDocument& m_doc;
  WordSources& m_sources;
  Host& m_host;
  StatusPane& m_status;
  Hooks m_hooks;
  std::vector<AutofillAlternative> m_alternatives;
  std::vector<std::string> m_lines;  // as the candidate list shows them
  int m_row = -1;
  std::vector<std::string> m_table;  // the answers they were found for
};

}  // namespace quotella
