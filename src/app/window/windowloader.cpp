#include "app/window/windowloader.h"

#include "core/textio.h"
#include "files/filesession.h"
#include "search/wordlists.h"

#include <utility>

namespace quotella {

bool WindowLoader::LoadQuotesFile(const std::string& path) {
  auto lines = ReadTextLineStore(path);
  if (!lines) return false;
  m_session.QuotesEditor = std::move(*lines);
  m_session.QuotesFile = path;
  m_session.QuotesModified = false;
  return true;
}

bool WindowLoader::LoadWordList(int list, const std::string& path) {
  if (!ValidListNumber(list) || !FileExists(path)) return false;
  return LoadWordListFile(m_sources, list, path, m_host);
}

}  // namespace quotella
