#include "files/infofile.h"

#include <cstdio>

#include "core/answertable.h"
#include "core/textio.h"

namespace quotella {

namespace {

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kArial = "Arial";
constexpr const char* kCourier = "Courier";

std::string RtfEscape(const std::string& text) {
  std::string out;
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (ch == '\\' || ch == '{' || ch == '}') {
      out += '\\';
      out += ch;
    } else if (b >= 0x80 || b < 0x20) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", b);
      out += hex;
    } else {
      out += ch;
    }
  }
  return out;
}

std::vector<std::string> PlainLines(const std::vector<InfoLine>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const auto& l : lines) out.push_back(l.text);
  return out;
}

}  // namespace

std::vector<InfoLine> ComposeInfoFile(const PuzzleDocument& doc, const FileSession& session) {
  const Tpuzzle& p = doc.P;
  std::vector<InfoLine> lines = {
      {session.TitleBox, kTimes, 20},
      {session.CopyrightText, kArial, 11},
      {"", "", 0},
      {"Quotella: " + p.AuthorOrig + " " + p.WorkOrig, kArial, 12},
      {"", "", 0},
      {p.QuoteOrig, kTimes, 12},
      {"", "", 0},
  };
  for (int k = 1; k <= p.NumWords && k <= kMaxWords; ++k)
    lines.push_back({doc.Label(k - 1) + ". " + Keystring(doc, k - 1), kCourier, 12});
  return lines;
}

std::string InfoFileRtf(const std::vector<InfoLine>& lines) {
  const std::string fonts[] = {kTimes, kArial, kCourier};
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
  for (int f = 0; f < 3; ++f)
    rtf += "{\\f" + std::to_string(f) + "\\fnil\\fcharset0 " + fonts[f] + ";}";
  rtf += "}\r\n";
  for (const auto& line : lines) {
    if (!line.font.empty()) {
      int f = 0;
      while (f < 2 && fonts[f] != line.font) ++f;
      // Font sizes are given in half points.
      rtf += "\\f" + std::to_string(f) + "\\fs" + std::to_string(line.points * 2) + " ";
    }
    rtf += RtfEscape(line.text) + "\\par\r\n";
  }
  rtf += "}\r\n";
  return rtf;
}

bool WriteInfoFile(const PuzzleDocument& doc, FileSession& session, const std::string& path,
                   bool richText) {
  const auto lines = ComposeInfoFile(doc, session);
  session.Output.Lines = PlainLines(lines);
  const std::string bytes = richText ? InfoFileRtf(lines) : JoinLinesCrLf(session.Output.Lines);
  return WriteFileAtomic(path, bytes).empty();
}

void SaveInfoClick(const PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  if (Trim(session.TitleBox).empty()) {
    if (auto title = host.Prompt("Input Box", "Enter Puzzle Title: ", ""))
      session.TitleBox = *title;
  }
  if (Trim(session.CopyrightText).empty()) {
    if (auto copyright = host.Prompt(
            "Input Box", "Enter Copyright string : ", "\xA9 " + std::to_string(CurrentYear())))
      session.CopyrightText = *copyright;
  }

  session.Output.Clear();
  session.Output.WordWrap = true;
  const bool rich = host.Confirm("Use RICHTEXT format? (No=Plaintext) ", ConfirmKind::Question);
  session.Output.RichText = rich;
  const auto lines = ComposeInfoFile(doc, session);
  session.Output.Lines = PlainLines(lines);
  session.RequestView(View::Output);

  const std::string ext = rich ? ".rtf" : ".txt";
  const std::string filter =
      rich ? "Rich Text Files|*.rtf|All Files|*.*" : "Text Files|*.txt|All Files|*.*";
  const auto chosen = host.SaveFileName(session.SaveDialogTitle, filter, session.CurrentDir,
                                        ChangeExtension(session.CurrentPuzzleFile, ext));
  if (chosen) {
    const std::string& path = *chosen;
    if (!FileExists(path) || host.Confirm("File exists! Save anyway? ", ConfirmKind::Question)) {
      const std::string bytes = rich ? InfoFileRtf(lines) : session.Output.Text();
      if (!WriteFileAtomic(path, bytes).empty()) host.Message("Could not save " + path);
    }
  }

  session.Output.RichText = false;
  session.Output.WordWrap = false;
  session.RequestView(View::Puzzle);
}

}  // namespace quotella
