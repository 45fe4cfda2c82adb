#pragma once

#include <functional>

#include "core/host.h"

namespace quotella {

// The document's host inside the window: status texts and the quote window go to the
// window's own controls, sounds only while "Sounds On" is on, and everything that needs
// a dialog to the dialog host (real dialogs, or a script in tests). Every call is also
// passed on to the dialog host, so a recording host sees the whole conversation.
class WindowHost : public Host {
 public:
  struct Sinks {
    std::function<void(StatusBar, int, const std::string&)> status;
    std::function<void(const std::vector<std::string>&)> quoteWindow;
    std::function<bool()> soundsOn;
    // Brings the window's controls up to date before a message box covers it.
    std::function<void()> beforeMessage;
  };
  WindowHost(Host& dialogs, Sinks sinks) : m_dialogs(&dialogs), m_sinks(std::move(sinks)) {}

  void Message(const std::string& text) override {
    if (m_sinks.beforeMessage) m_sinks.beforeMessage();
    m_dialogs->Message(text);
  }
  bool Confirm(const std::string& text, ConfirmKind kind) override {
    return m_dialogs->Confirm(text, kind);
  }
  std::optional<bool> ConfirmOrCancel(const std::string& text) override {
    return m_dialogs->ConfirmOrCancel(text);
  }
  std::optional<int> Choose(const std::string& text,
                            const std::vector<std::string>& buttons) override {
    return m_dialogs->Choose(text, buttons);
  }
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override {
    return m_dialogs->Prompt(caption, label, initial);
  }
  void Status(StatusBar bar, int panel, const std::string& text) override {
    if (m_sinks.status) m_sinks.status(bar, panel, text);
    m_dialogs->Status(bar, panel, text);
  }
  void PlaySound(const std::string& name, bool sync) override {
    if (m_sinks.soundsOn && m_sinks.soundsOn()) m_dialogs->PlaySound(name, sync);
  }
  std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialDir) override {
    return m_dialogs->OpenFileName(title, filter, initialDir);
  }
  std::optional<std::string> OpenFileNamed(const std::string& title, const std::string& filter,
                                           const std::string& initialDir,
                                           const std::string& initialName) override {
    return m_dialogs->OpenFileNamed(title, filter, initialDir, initialName);
  }
  bool OpenProgram(const std::string& path) override { return m_dialogs->OpenProgram(path); }
  std::optional<std::string> SaveFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialDir,
                                          const std::string& initialName) override {
    return m_dialogs->SaveFileName(title, filter, initialDir, initialName);
  }
  void ShowQuoteWindow(const std::vector<std::string>& lines) override {
    if (m_sinks.quoteWindow) m_sinks.quoteWindow(lines);
    m_dialogs->ShowQuoteWindow(lines);
  }
  // Long work runs in workers that watch their own stop token: nothing on the window's
  // thread waits for events or Esc.
  bool ProcessPendingEvents() override { return false; }

 private:
  Host* m_dialogs;
  Sinks m_sinks;
};

}  // namespace quotella
