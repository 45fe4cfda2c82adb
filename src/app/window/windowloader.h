#pragma once

#include <string>

#include "settings/settingsstore.h"

namespace quotella {

class FileSession;
class Host;
struct WordSources;

// The settings name the quotes file and the word lists; the window loads them into its
// own editors and lists.
class WindowLoader : public SettingsLoader {
 public:
  WindowLoader(FileSession& session, WordSources& sources, Host& host)
      : m_session(session), m_sources(sources), m_host(host) {}
  bool LoadQuotesFile(const std::string& path) override;
  bool LoadWordList(int list, const std::string& path) override;

 private:
  FileSession& m_session;
  WordSources& m_sources;
  Host& m_host;
};

}  // namespace quotella
