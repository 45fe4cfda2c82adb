#include "rtf/rtfreader.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include "files/infofile.h"

namespace quotella {
namespace {

// The text a reader sees: the HTML without its tags, entities spelt out.
QString Shown(const std::string& rtf) {
  bool ok = false;
  QString html = RtfToHtml(rtf, &ok);
  EXPECT_TRUE(ok);
  html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
  html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  html.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return html;
}

TEST(RtfUnicode, CharactersTakeThePlaceOfTheirFallbacks) {
  // Cyrillic, Greek and a unit above 32767 written negative (Hangul U+D55C).
  EXPECT_EQ(Shown("{\\rtf1 \\u1041?\\u945?\\u-10916?!}"), QStringLiteral("Бα한!"));
  // A fallback spelt as a Windows-1252 character is skipped like a plain one.
  EXPECT_EQ(Shown("{\\rtf1 \\u8364\\'80 5}"), QStringLiteral("€ 5"));
  // A fallback that is a control word counts as one character.
  EXPECT_EQ(Shown("{\\rtf1 \\u8364\\emdash x}"), QStringLiteral("€x"));
  // The escaped characters stay escaped in the HTML.
  EXPECT_EQ(Shown("{\\rtf1 \\u60?b\\u62?}"), QStringLiteral("<b>"));
}

TEST(RtfUnicode, FallbackCountFollowsUcAndItsGroup) {
  // No fallback: the text after the character is all shown.
  EXPECT_EQ(Shown("{\\rtf1 \\uc0\\u1041 X}"), QStringLiteral("БX"));
  // Two fallback characters.
  EXPECT_EQ(Shown("{\\rtf1 \\uc2\\u8364 EU rest}"), QStringLiteral("€ rest"));
  // The count ends with its group; the enclosing group's one applies again.
  EXPECT_EQ(Shown("{\\rtf1 {\\uc3 \\u8364 abc}\\u8364?d}"), QStringLiteral("€€d"));
  // The end of a group stops the skipping short.
  EXPECT_EQ(Shown("{\\rtf1 {\\uc4 \\u8364 a}b}"), QStringLiteral("€b"));
  // Line ends inside the fallback are not characters.
  EXPECT_EQ(Shown("{\\rtf1 \\uc2\\u8364 E\r\nUx}"), QStringLiteral("€x"));
}

TEST(RtfUnicode, SurrogatePairsMakeOneCharacterAndLoneHalvesAReplacement) {
  EXPECT_EQ(Shown("{\\rtf1 \\u-10179?\\u-8704?}"), QStringLiteral("😀"));
  EXPECT_EQ(Shown("{\\rtf1 \\u-10179?x}"), QStringLiteral("\uFFFDx"));
  EXPECT_EQ(Shown("{\\rtf1 \\u-8704?x}"), QStringLiteral("\uFFFDx"));
  EXPECT_EQ(Shown("{\\rtf1 x\\u-10179?}"), QStringLiteral("x\uFFFD"));
  EXPECT_EQ(Shown("{\\rtf1 \\u-10179?\\par y}"), QStringLiteral("\uFFFDy"));
  // Out of range for a 16-bit unit.
  EXPECT_EQ(Shown("{\\rtf1 \\u99999?z}"), QStringLiteral("\uFFFDz"));
}

TEST(RtfUnicode, HiddenGroupsShowNoUnicodeCharacters) {
  EXPECT_EQ(Shown("{\\rtf1 {\\*\\generator \\u1041?x;}\\u945?}"), QStringLiteral("α"));
  EXPECT_EQ(Shown("{\\rtf1 {\\info \\u-10179?\\u-8704?}a}"), QStringLiteral("a"));
}

TEST(RtfUnicode, InformationFileTextReadsBackAsWritten) {
  const std::string title = "Ψυχή, 漢字 and 😀 — Zoë's café";
  const std::string rtf = InfoFileRtf({{title, "Times New Roman", 20}, {"Ελλάδα", "", 0}});
  const QString shown = Shown(rtf);
  EXPECT_TRUE(shown.contains(QString::fromStdString(title))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("Ελλάδα"))) << shown.toStdString();
  EXPECT_FALSE(shown.contains(QLatin1Char('?'))) << shown.toStdString();
}

}  // namespace
}  // namespace quotella
