#include "files/inforeport.h"

#include <algorithm>
#include <filesystem>

#include "core/quoteparse.h"
#include "core/textio.h"
#include "files/puzzlefile.h"

namespace quotella {

namespace {

std::string LabelForPosition(int position) {
  const char letter = static_cast<char>('A' + (position - 1) % 26);
  return std::string(position > 26 ? 2 : 1, letter);
}

}  // namespace

std::vector<std::string> MakeInfoReport(FileSession& session, Host& host, const std::string& path) {
  std::vector<std::string> pane;
  auto lines = ReadPuzzleLines(path);
  if (!lines) {
    host.Message("Cannot load " + path);
    return pane;
  }
  session.Output.Lines = std::move(*lines);
  const LineStore& text = session.Output.Lines;

  const auto hasHeader = [&](std::size_t i) {
    return i < text.size() && text[i].find("! This file made by Quotella") != std::string::npos;
  };
  if (!hasHeader(0) && !hasHeader(1)) return {"This is not a puzzle file!"};

  int quote = -1, title = -1, byline = -1, keywords = -1, randseed = -1;
  for (auto line = text.begin(); line != text.end(); ++line) {
    const std::string upper = UpperCase(*line);
    const int at = static_cast<int>(line.Index());
    if (upper.find("[QUOTE]") != std::string::npos) quote = at;
    if (upper.find("[TITLE]") != std::string::npos) title = at;
    if (upper.find("[BYLINE]") != std::string::npos) byline = at;
    if (upper.find("[KEYWORDS]") != std::string::npos) keywords = at;
    if (upper.find("[RANDSEED]") != std::string::npos) randseed = at;
  }
  if (quote < 0 || title < 0 || byline < 0 || keywords < 0) return {"Not an Quotella puzzle."};

  const auto after = [&](int tag) {
    const std::size_t i = static_cast<std::size_t>(tag) + 1;
    return i < text.size() ? text[i] : std::string();
  };
  const QuoteLineParts parts = ParseQuoteLine(after(quote));
  pane.push_back(after(title));
  pane.push_back(after(byline));
  pane.push_back("");
  pane.push_back("Quotella: " + parts.author + " " + parts.work);
  pane.push_back("");
  pane.push_back("\"" + Trim(parts.quote) + "\"");
  pane.push_back("");
  pane.push_back("------------------");

  int incomplete = 0;
  int position = 0;
  const int end = std::min(randseed, static_cast<int>(text.size()));
  for (int i = keywords + 2; i < end; i += 3) {
    ++position;
    const std::string& word = text[static_cast<std::size_t>(i)];
    pane.push_back((position <= 52 ? LabelForPosition(position) : "?") + ". " + word);
    if (Trim(word).size() <= 2) ++incomplete;
  }
  if (incomplete > 0) {
    pane.push_back("");
    pane.push_back("There are " + std::to_string(incomplete) + " Answers left to be completed.");
  }
  return pane;
}

void DirectoryListBox1Change(FileSession& session, const std::string& folder) {
  session.CurrentDir = folder;
  std::error_code ec;
  std::filesystem::current_path(folder, ec);
}

bool OpenButtonClick(PuzzleDocument& doc, FileSession& session, const std::string& path) {
  if (!doc.host().Confirm("This will REPLACE current puzzle. Continue?", ConfirmKind::Question))
    return false;
  session.CurrentPuzzleFile = path;
  bool loaded = false;
  if (FileExists(path)) loaded = SimplyLoadPuzzle(doc, session);
  SetCaption(session, session.CurrentPuzzleFile);
  return loaded;
}

}  // namespace quotella
