#pragma once

#include <QString>
#include <functional>

#include "app/widgets/soundplayer.h"
#include "core/host.h"

class QInputDialog;
class QWidget;

namespace quotella {

// The Host of the real program: Qt message boxes, Yes/No questions, the one-line prompt,
// the file dialogs and the wave resources. Status texts and the quote window belong to
// the main window, which hands them on through the two sinks.
class GuiHost : public Host {
 public:
  explicit GuiHost(QWidget* parent);
  // Prompts are at least this wide: a whole clue fits.
  static constexpr int kPromptMinWidth = 480;
  // The width a prompt needs to show its caption whole.
  static int PromptWidthFor(const QInputDialog& dialog);

  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind) override;
  std::optional<bool> ConfirmOrCancel(const std::string& text) override;
  std::optional<int> Choose(const std::string& text,
                            const std::vector<std::string>& buttons) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar bar, int panel, const std::string& text) override;
  void PlaySound(const std::string& name, bool sync) override;
  std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialDir) override;
  std::optional<std::string> SaveFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialDir,
                                          const std::string& initialName) override;
  std::optional<std::string> OpenFileNamed(const std::string& title, const std::string& filter,
                                           const std::string& initialDir,
                                           const std::string& initialName) override;
  bool OpenProgram(const std::string& path) override;
  void ShowQuoteWindow(const std::vector<std::string>& lines) override;

  SoundPlayer& sounds() { return m_sounds; }

  // The program's "Name|*.ext|Name|*.ext" filter in Qt's "Name (*.ext);;..." form.
  static QString QtFilter(const std::string& filter);
  // Message text with the program's carriage returns as line breaks.
  static QString MessageText(const std::string& text);

 private:
  QWidget* m_parent;
  SoundPlayer m_sounds;
};

}  // namespace quotella
