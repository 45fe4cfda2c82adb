#include "app/widgets/raritycolouring.h"

#include <string>
#include <vector>

#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/search/backgroundwork.h"
#include "app/search/workerscans.h"
#include "app/widgets/tablemodels.h"
#include "app/window/windowrequests.h"
#include "search/wordlists.h"

namespace quotella {

RarityColouring::RarityColouring(PuzzleDocument& doc, WordSources& sources, Host& host,
                                 AnswerPane& answer, WordListPane& lists)
    : m_doc(doc), m_sources(sources), m_host(host), m_answer(answer), m_lists(lists) {}

void RarityColouring::Init() {
  m_doc.P.RarityOrder = m_doc.P.FreqOrder;
  std::vector<std::string> log;
  InitRarityColors(m_doc.P, m_sources.DictWordCounts, m_colors, log, m_host);
  UpdateRarityColours();
}

void RarityColouring::SetRarityColors1Click(BackgroundWork& work) {
  if (m_colors.recountDone) return;
  // The log covers the lists while the letter files are counted.
  m_sources.ProgressLog = {"Finding word counts from Dictionary files"};
  m_lists.setProgressLog(m_sources.ProgressLog);
  m_lists.showProgressLog(true);
  WorkerScans::CountDictionary(work, m_doc, m_sources, m_colors, [this] { UpdateRarityColours(); });
  connect(
      &work, &BackgroundWork::finished, this, [this] { m_lists.showProgressLog(false); },
      Qt::SingleShotConnection);
}

void RarityColouring::UpdateRarityColours() {
  for (std::size_t i = 0; i < 26; ++i) {
    const Rgb c = RarityRgb(m_colors.band[i]);
    m_answer.rarity()[i] = QColor(c.r, c.g, c.b);
  }
  m_answer.keyWords()->viewport()->update();
}

}  // namespace quotella
