#include "app/widgets/raritycolouring.h"

#include <string>
#include <vector>

#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/tablemodels.h"
#include "app/window/mainwindow.h"
#include "search/wordlists.h"

namespace quotella {

RarityColouring::RarityColouring(MainWindow& window) : QObject(&window), w(window) {}

void RarityColouring::Init() {
  w.m_doc->P.RarityOrder = w.m_doc->P.FreqOrder;
  std::vector<std::string> log;
  InitRarityColors(w.m_doc->P, w.m_sources->DictWordCounts, m_colors, log, w.host());
  UpdateRarityColours();
}

void RarityColouring::SetRarityColors1Click() {
  if (m_colors.recountDone) return;
  // The log covers the lists while the letter files are counted.
  w.m_lists->showProgressLog(true);
  SetRarityColorsToDict(*w.m_doc, *w.m_sources, m_colors);
  w.m_lists->showProgressLog(false);
  UpdateRarityColours();
}

void RarityColouring::UpdateRarityColours() {
  for (std::size_t i = 0; i < 26; ++i) {
    const Rgb c = RarityRgb(m_colors.band[i]);
    w.m_answer->rarity()[i] = QColor(c.r, c.g, c.b);
  }
  w.m_answer->keyWords()->viewport()->update();
}

}  // namespace quotella
