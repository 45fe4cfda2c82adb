#include "rtf/rtfreader.h"

#include <QColor>
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

class RtfParser {
 public:
  RtfParser(const std::string& rtf, std::size_t maxChars) : m_in(rtf), m_maxChars(maxChars) {}

  QString Run() {
    std::vector<CharFormat> stack;
    CharFormat fmt;
    while (m_pos < m_in.size() && m_shown < m_maxChars) {
      const char c = m_in[m_pos++];
      if (c == '{') {
        stack.push_back(fmt);
        continue;
      }
      if (c == '}') {
        if (!stack.empty()) {
          fmt = stack.back();
          stack.pop_back();
        }
        continue;
      }
      if (c == '\\') {
        ControlWord(fmt);
        continue;
      }
      if (c == '\r' || c == '\n') continue;
      Emit(fmt, c);
    }
    CloseSpan();
    return m_html;
  }

 private:
  void ControlWord(CharFormat& fmt) {
    if (m_pos >= m_in.size()) return;
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
    Apply(fmt, word, hasParam, param);
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
    } else if (word == "u" && hasParam) {
      const int code = param < 0 ? param + 65536 : param;
      if (!fmt.skip) Text(fmt, QString(QChar(static_cast<char16_t>(code))).toHtmlEscaped(), 1);
      // The fallback character that follows is for readers without Unicode.
      if (m_pos < m_in.size() && m_in[m_pos] != '\\' && m_in[m_pos] != '{' && m_in[m_pos] != '}')
        ++m_pos;
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
};

}  // namespace

QString RtfToHtml(const std::string& rtf, bool* ok, std::size_t maxChars) {
  const bool isRtf = rtf.rfind("{\\rtf", 0) == 0;
  if (ok) *ok = isRtf;
  if (!isRtf) return {};
  return RtfParser(rtf, maxChars).Run();
}

}  // namespace quotella
