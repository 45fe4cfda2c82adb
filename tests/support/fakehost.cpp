#include "support/fakehost.h"

namespace quotella::test {

void FakeHost::Message(const std::string& text) {
  messages.push_back(text);
}

bool FakeHost::Confirm(const std::string& text, ConfirmKind) {
  questions.push_back(text);
  if (confirmAnswers.empty()) return false;
  const bool answer = confirmAnswers.front();
  confirmAnswers.pop_front();
  return answer;
}

std::optional<bool> FakeHost::ConfirmOrCancel(const std::string& text) {
  if (choiceAnswers.empty()) return Confirm(text, ConfirmKind::Question);
  questions.push_back(text);
  const std::optional<bool> answer = choiceAnswers.front();
  choiceAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakeHost::Prompt(const std::string& caption, const std::string& label,
                                            const std::string&) {
  prompts.push_back(caption + " | " + label);
  if (promptAnswers.empty()) return std::nullopt;
  auto answer = promptAnswers.front();
  promptAnswers.pop_front();
  return answer;
}

void FakeHost::Status(StatusBar bar, int panel, const std::string& text) {
  statuses.push_back({bar, panel, text});
}

void FakeHost::PlaySound(const std::string& name, bool sync) {
  sounds.push_back({name, sync});
}

std::optional<std::string> FakeHost::OpenFileName(const std::string& title, const std::string&,
                                                  const std::string&) {
  fileDialogs.push_back(title);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

std::optional<std::string> FakeHost::SaveFileName(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& initialDir,
                                                  const std::string&) {
  return OpenFileName(title, filter, initialDir);
}

void FakeHost::ShowQuoteWindow(const std::vector<std::string>& lines) {
  quoteWindow = lines;
}

bool FakeHost::ProcessPendingEvents() {
  ++pendingEventCalls;
  return escAfterCalls >= 0 && pendingEventCalls >= escAfterCalls;
}

std::string FakeHost::StatusText(StatusBar bar, int panel) const {
  for (auto it = statuses.rbegin(); it != statuses.rend(); ++it)
    if (it->bar == bar && it->panel == panel) return it->text;
  return {};
}

std::vector<std::string> FakeHost::SoundNames() const {
  std::vector<std::string> names;
  for (const auto& s : sounds) names.push_back(s.name);
  return names;
}

void FakeHost::Clear() {
  messages.clear();
  questions.clear();
  prompts.clear();
  statuses.clear();
  sounds.clear();
  fileDialogs.clear();
  quoteWindow.clear();
  pendingEventCalls = 0;
}

}  // namespace quotella::test
