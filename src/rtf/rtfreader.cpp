#include "rtf/rtfreader.h"

#include <QColor>
#include <algorithm>
#include <cctype>
#include <vector>

#include "core/textio.h"
#include "render/qtext.h"

namespace quotella {

namespace {

struct CharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 0;  // 0: the viewer's size
  int colour = 0;      // index into the colour table, 0 = automatic
  bool skip = false;   // inside a destination that shows nothing
  bool operator==(const CharFormat&) const = default;
};

// What a group keeps and gives back at its end: the character format and how many
// fallback characters follow a \u character (\ucN).
struct GroupState {
  CharFormat fmt;
  int fallbackChars = 1;
};

constexpr char16_t kReplacement = 0xFFFD;

class RtfParser {
 public:
  RtfParser(const std::string& rtf, std::size_t maxChars) : m_in(rtf), m_maxChars(maxChars) {}

  QString Run() {
    std::vector<GroupState> stack;
    GroupState state;
    while (m_pos < m_in.size() && m_shown < m_maxChars) {
      const char c = m_in[m_pos++];
      if (c == '{') {
        stack.push_back(state);
        continue;
      }
      if (c == '}') {
        if (!stack.empty()) {
          state = stack.back();
          stack.pop_back();
        }
        continue;
      }
      if (c == '\\') {
        ControlWord(state);
        continue;
      }
      if (c == '\r' || c == '\n') continue;
      Emit(state.fmt, c);
    }
    EndUnicode();
    CloseSpan();
    return m_html;
  }

 private:
  void ControlWord(GroupState& state) {
    if (m_pos >= m_in.size()) return;
    CharFormat& fmt = state.fmt;
    const char c = m_in[m_pos];
    if (c == '\\' || c == '{' || c == '}') {
      ++m_pos;
      Emit(fmt, c);
      return;
    }
    if (c == '\'') {
      ++m_pos;
      const std::string hex = m_in.substr(m_pos, 2);
      m_pos += hex.size();
      const int value = static_cast<int>(std::strtol(hex.c_str(), nullptr, 16));
      Emit(fmt, static_cast<char>(value));
      return;
    }
    if (c == '*') {
      ++m_pos;
      fmt.skip = true;
      return;
    }
    if (c == '~') {
      ++m_pos;
      Emit(fmt, '\xA0');
      return;
    }
    if (c == '\r' || c == '\n') {  // a backslash before a line end is a paragraph
      ++m_pos;
      Paragraph(fmt);
      return;
    }
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++m_pos;
      return;
    }
    std::string word;
    while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])))
      word += m_in[m_pos++];
    bool hasParam = false;
    int param = 0;
    bool negative = false;
    if (m_pos < m_in.size() && m_in[m_pos] == '-') {
      negative = true;
      ++m_pos;
    }
    while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) {
      hasParam = true;
      param = param * 10 + (m_in[m_pos++] - '0');
      if (param > 1000000) param = 1000000;
    }
    if (negative) param = -param;
    if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
    if (word == "u" && hasParam) {
      Unicode(fmt, param);
      SkipFallback(state.fallbackChars);
    } else if (word == "uc" && hasParam) {
      state.fallbackChars = std::clamp(param, 0, 16);
    } else {
      Apply(fmt, word, hasParam, param);
    }
  }

  // A \u character: a signed 16-bit unit (negative for units above 32767); a pair of
  // surrogate units makes one character beyond the basic plane.
  void Unicode(const CharFormat& fmt, int param) {
    if (fmt.skip) return;
    const int unit = param < 0 ? param + 65536 : param;
    const bool valid = unit >= 0 && unit <= 0xFFFF;
    const auto u = static_cast<char16_t>(valid ? unit : kReplacement);
    if (m_highSurrogate != 0 && QChar::isLowSurrogate(u)) {
      const QString pair = QString(QChar(m_highSurrogate)) + QChar(u);
      m_highSurrogate = 0;
      Text(fmt, pair, 1);
      return;
    }
    EndUnicode();
    if (QChar::isHighSurrogate(u)) {
      m_highSurrogate = u;
      m_highFormat = fmt;
      return;
    }
    const char16_t shown = QChar::isLowSurrogate(u) ? kReplacement : u;
    Text(fmt, QString(QChar(shown)).toHtmlEscaped(), 1);
  }

  // A high surrogate with no low one after it shows as the replacement character.
  void EndUnicode() {
    if (m_highSurrogate == 0) return;
    m_highSurrogate = 0;
    Text(m_highFormat, QString(QChar(kReplacement)), 1);
  }

  // Skips the characters written after a \u character for readers without Unicode: a
  // plain character, a \'hh character or a control word each count one; a group's start
  // or end stops the skipping.
  void SkipFallback(int count) {
    while (count > 0 && m_pos < m_in.size()) {
      const char c = m_in[m_pos];
      if (c == '{' || c == '}') return;
      ++m_pos;
      if (c == '\r' || c == '\n') continue;
      --count;
      if (c == '\\') SkipControl();
    }
  }

  void SkipControl() {
    if (m_pos >= m_in.size()) return;
    const char c = m_in[m_pos++];
    if (c == '\'') {
      m_pos = std::min(m_in.size(), m_pos + 2);
      return;
    }
    if (!std::isalpha(static_cast<unsigned char>(c))) return;
    while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos]))) ++m_pos;
    if (m_pos < m_in.size() && m_in[m_pos] == '-') ++m_pos;
    while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) ++m_pos;
    if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
  }

  void Apply(CharFormat& fmt, const std::string& word, bool hasParam, int param) {
    const bool on = !hasParam || param != 0;
    if (word == "fonttbl" || word == "stylesheet" || word == "info" || word == "pict" ||
        word == "header" || word == "footer") {
      fmt.skip = true;
    } else if (word == "colortbl") {
      ReadColourTable();
    } else if (word == "par") {
      Paragraph(fmt);
    } else if (word == "line") {
      if (!fmt.skip) Raw("<br>");
    } else if (word == "tab") {
      if (!fmt.skip) Text(fmt, QStringLiteral(" &nbsp; &nbsp;"), 4);
    } else if (word == "b") {
      fmt.bold = on;
    } else if (word == "i") {
      fmt.italic = on;
    } else if (word == "ul") {
      fmt.underline = on;
    } else if (word == "ulnone") {
      fmt.underline = false;
    } else if (word == "plain") {
      const bool skip = fmt.skip;
      fmt = CharFormat{};
      fmt.skip = skip;
    } else if (word == "fs" && hasParam) {
      fmt.halfPoints = param;
    } else if (word == "cf" && hasParam) {
      fmt.colour = param;
    }
  }

  void ReadColourTable() {
    m_colours.clear();
    QColor current(0, 0, 0);
    bool any = false;
    while (m_pos < m_in.size() && m_in[m_pos] != '}') {
      const char c = m_in[m_pos];
      if (c == ';') {
        m_colours.push_back(any ? current : QColor());
        current = QColor(0, 0, 0);
        any = false;
        ++m_pos;
      } else if (c == '\\') {
        ++m_pos;
        std::string word;
        while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])))
          word += m_in[m_pos++];
        int v = 0;
        while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos])))
          v = std::min(255, v * 10 + (m_in[m_pos++] - '0'));
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
        any = true;
        if (word == "red") current.setRed(v);
        if (word == "green") current.setGreen(v);
        if (word == "blue") current.setBlue(v);
      } else {
        ++m_pos;
      }
    }
  }

  void Paragraph(const CharFormat& fmt) {
    if (fmt.skip) return;
    Raw("<br>");
  }

  // One character of the text, spelt in Windows-1252 as rich text spells it; runs of them
  // in one format are converted together.
  void Emit(const CharFormat& fmt, char cp1252) {
    EndUnicode();
    if (fmt.skip) return;
    if (!m_pending.empty() && !(fmt == m_pendingFormat)) FlushPending();
    m_pending += cp1252;
    m_pendingFormat = fmt;
    ++m_shown;
  }

  void FlushPending() {
    if (m_pending.empty()) return;
    const std::string run = std::move(m_pending);
    m_pending.clear();
    Text(m_pendingFormat, ToQString(Cp1252ToUtf8(run)).toHtmlEscaped(), 0);
  }

  void Text(const CharFormat& fmt, const QString& html, std::size_t chars) {
    FlushPending();
    m_shown += chars;
    if (!m_spanOpen || !(fmt == m_spanFormat)) {
      CloseSpan();
      QString style;
      if (fmt.bold) style += QStringLiteral("font-weight:bold;");
      if (fmt.italic) style += QStringLiteral("font-style:italic;");
      if (fmt.underline) style += QStringLiteral("text-decoration:underline;");
      if (fmt.halfPoints > 0) style += QStringLiteral("font-size:%1pt;").arg(fmt.halfPoints / 2.0);
      if (fmt.colour > 0 && fmt.colour < static_cast<int>(m_colours.size())) {
        const QColor& col = m_colours[static_cast<std::size_t>(fmt.colour)];
        if (col.isValid()) style += QStringLiteral("color:%1;").arg(col.name());
      }
      m_html += QStringLiteral("<span style=\"") + style + QStringLiteral("\">");
      m_spanOpen = true;
      m_spanFormat = fmt;
    }
    m_html += html;
  }

  void Raw(const QString& html) {
    EndUnicode();
    FlushPending();
    CloseSpan();
    m_html += html;
  }

  void CloseSpan() {
    FlushPending();
    if (!m_spanOpen) return;
    m_html += QStringLiteral("</span>");
    m_spanOpen = false;
  }

  const std::string& m_in;
  const std::size_t m_maxChars;
  std::size_t m_shown = 0;  // characters of text so far
  std::string m_pending;    // text not yet converted, all in m_pendingFormat
  CharFormat m_pendingFormat;
  std::size_t m_pos = 0;
  QString m_html;
  std::vector<QColor> m_colours;
  bool m_spanOpen = false;
  CharFormat m_spanFormat;
  char16_t m_highSurrogate = 0;  // the first half of a pair of \u units, 0 when none
  CharFormat m_highFormat;
};

}  // namespace

QString RtfToHtml(const std::string& rtf, bool* ok, std::size_t maxChars) {
  const bool isRtf = rtf.rfind("{\\rtf", 0) == 0;
  if (ok) *ok = isRtf;
  if (!isRtf) return {};
  return RtfParser(rtf, maxChars).Run();
}

}  // namespace quotella
