#include "files/infofile.h"

#include <cstdio>

#include "core/answertable.h"
#include "core/copyright.h"
#include "core/savereport.h"
#include "core/textio.h"

namespace quotella {

namespace {

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kArial = "Arial";
constexpr const char* kCourier = "Courier";

// Rich text spells a character Windows-1252 has as \'xx and any other as \uN? (N a
// signed 16-bit unit, a surrogate pair beyond the basic plane).
void AppendRtfUnit(std::string& out, int unit) {
  out += "\\u" + std::to_string(unit > 0x7FFF ? unit - 0x10000 : unit) + "?";
}

std::string RtfEscape(const std::string& text) {
  std::string out;
  for (char32_t cp : CodePoints(text)) {
    if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp >= 0x20 && cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (std::string one = Utf8Of(cp); cp < 0x20 || FitsCp1252(one)) {
      char hex[8];
      std::snprintf(
          hex, sizeof hex, "\\'%02x",
          static_cast<unsigned char>(cp < 0x20 ? static_cast<char>(cp) : Utf8ToCp1252(one)[0]));
      out += hex;
    } else if (cp > 0xFFFF) {
      AppendRtfUnit(out, static_cast<int>(0xD800 + ((cp - 0x10000) >> 10)));
      AppendRtfUnit(out, static_cast<int>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      AppendRtfUnit(out, static_cast<int>(cp));
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

SaveResult WriteInfoFile(const PuzzleDocument& doc, FileSession& session, const std::string& path,
                         bool richText) {
  const auto lines = ComposeInfoFile(doc, session);
  session.Output.Lines = PlainLines(lines);
  const std::string bytes = richText ? InfoFileRtf(lines) : session.Output.Text();
  return WriteFileAtomic(path, bytes);
}

void SaveInfoClick(const PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  if (Trim(session.TitleBox).empty()) {
    if (auto title = host.Prompt("Input Box", "Enter Puzzle Title: ", ""))
      session.TitleBox = *title;
  }
  if (Trim(session.CopyrightText).empty()) {
    if (auto copyright = host.Prompt(
            "Input Box", "Enter Copyright string : ", "\xC2\xA9 " + std::to_string(CurrentYear())))
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
      ReportSave(host, WriteFileAtomic(path, bytes), "Information file", "Could not save " + path,
                 path);
    }
  }

  session.Output.RichText = false;
  session.Output.WordWrap = false;
  session.RequestView(View::Puzzle);
}

}  // namespace quotella
