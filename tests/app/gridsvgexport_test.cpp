#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <set>

#include "app/print/bitmapdialog.h"
#include "app/print/printroom.h"
#include "core/textio.h"
#include "support/svgtexts.h"
#include "windowfixture.h"

namespace quotella {
namespace {

// The texts of the SVG file's text elements.
std::multiset<std::string> SvgFileTexts(const std::string& path) {
  const auto texts = test::SvgTexts(QByteArray::fromStdString(ReadFileBytes(path).value_or("")));
  return {texts.begin(), texts.end()};
}

class GridSvgWindowTest : public test::WindowTest {
 protected:
  std::string Path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  void Export(const std::string& path) {
    host.fileAnswers.push_back(path);
    window->command(QStringLiteral("ExportGridSvg1"))->trigger();
  }
};

TEST_F(GridSvgWindowTest, ToolsExportGridAsSvgWritesEveryNumberAndFollowsTheBitmapWindow) {
  auto* tools = Find<QMenu>("ToolsMenu");
  ASSERT_NE(tools, nullptr);
  QStringList captions;
  for (QAction* a : tools->actions()) captions << a->text();
  EXPECT_TRUE(captions.contains(QString::fromUtf8("Export Grid as SVG\u2026")))
      << captions.join(QLatin1Char('|')).toStdString();

  window->command(QStringLiteral("ExportGridSvg1"))->trigger();
  EXPECT_EQ(host.messages, std::vector<std::string>{"First you must load or create a puzzle!"});
  EXPECT_TRUE(host.fileDialogs.empty()) << "no file is asked for without a puzzle";

  LoadSample();
  const std::string svg = Path("hope.svg");
  Export(svg);
  EXPECT_EQ(host.fileDialogs, std::vector<std::string>{"Export Grid as SVG"});
  EXPECT_TRUE(host.messages.empty());
  auto texts = SvgFileTexts(svg);
  const Tpuzzle& p = window->doc().P;
  int numbered = 0;
  for (int i = 1; i <= p.NumCells; ++i) {
    const int n = p.Cells[static_cast<std::size_t>(i)].CellNumber;
    if (n == 0) continue;
    ++numbered;
    EXPECT_EQ(texts.count(std::to_string(n)), 1u) << n;
  }
  EXPECT_GT(numbered, 60);
  EXPECT_EQ(texts.count("T"), 0u) << "no letters without the bitmap window's Key";

  // The bitmap window's Key box puts the letters in; saving over the file asks first.
  window->command(QStringLiteral("MakeGridBitmap1"))->trigger();
  window->printRoom()->bitmapDialog()->findChild<QCheckBox*>(QStringLiteral("KeyCheck"))->click();
  host.confirmAnswers.push_back(true);
  Export(svg);
  EXPECT_EQ(host.questions.back(), "File " + svg + " exists! Overwrite ?");
  texts = SvgFileTexts(svg);
  EXPECT_GT(texts.count("T"), 0u) << "the quotation's letters";
}

TEST_F(GridSvgWindowTest, AnUnwritablePlaceSaysSoAndWritesNothing) {
  LoadSample();
  const std::string svg = Path("no such folder/grid.svg");
  Export(svg);
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Could not save file " + svg + ": no such folder"});
  EXPECT_FALSE(FileExists(svg));
}

}  // namespace
}  // namespace quotella
