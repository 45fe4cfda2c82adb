#include "app/search/otheranswerslist.h"

#include <utility>

#include "app/panes/statuspane.h"
#include "app/search/workerscans.h"
#include "app/widgets/panelbar.h"
#include "core/answertable.h"
#include "core/document.h"
#include "core/host.h"
#include "core/poolstatus.h"
#include "render/qtext.h"
#include "search/fillalternatives.h"
#include "search/heuristic.h"
#include "search/wordlists.h"

namespace quotella {

namespace {

constexpr const char* kListsChanged = "Lists have changed. This word cannot be put in.";

}  // namespace

OtherAnswersList::OtherAnswersList(PuzzleDocument& doc, WordSources& sources, Host& host,
                                   StatusPane& status, Hooks hooks)
    : m_doc(doc), m_sources(sources), m_host(host), m_status(status), m_hooks(std::move(hooks)) {}

OtherAnswersList::~OtherAnswersList() = default;

void OtherAnswersList::Find(BackgroundWork& work, int row, const FillRequest& request,
                            SearchDeadline::Clock clock, std::function<void()> shown) {
  WorkerScans::FindOtherAnswers(
      work, m_doc, row, request, m_sources.DictionaryDir(), std::move(clock),
      [this, row, shown = std::move(shown)](std::vector<AutofillAlternative> found) {
        Show(row, std::move(found));
        if (shown) shown();
      });
}

void OtherAnswersList::Show(int row, std::vector<AutofillAlternative> found) {
  m_alternatives = std::move(found);
  m_row = row;
  m_table = TableAnswers(m_doc);
  m_lines.clear();
  for (const auto& alt : m_alternatives) m_lines.push_back(AlternativeText(m_doc, alt));
  m_sources.Candidates = m_lines;
  if (m_alternatives.empty()) m_sources.Candidates.push_back("No other answers for this row");
  if (m_hooks.listsChanged) m_hooks.listsChanged();
  m_status.statusBar1()->setPanel(kMessagePanel, QStringLiteral("%1 other answers for row %2")
                                                     .arg(m_alternatives.size())
                                                     .arg(ToQString(m_doc.Label(row))));
}

bool OtherAnswersList::Lay(int line) {
  if (m_alternatives.empty() || m_sources.Candidates != m_lines) return false;
  if (line < 0 || line >= static_cast<int>(m_alternatives.size())) return true;
  const AutofillAlternative alt = m_alternatives[static_cast<std::size_t>(line)];
  const bool whole = PoolIsEmpty(m_doc);
  if (TableAnswers(m_doc) != m_table || !LayAlternative(m_doc, m_row, alt))
    m_host.Message(kListsChanged);
  // The list named answers of the table as it was: it is not offered again.
  m_alternatives.clear();
  m_lines.clear();
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  if (whole && PoolIsEmpty(m_doc)) m_host.PlaySound("cheer");
  return true;
}

}  // namespace quotella
