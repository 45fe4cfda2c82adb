#include "app/print/gridsvgexport.h"

#include "app/commands/editorsync.h"
#include "app/panes/gridviewpane.h"
#include "app/print/bitmapdialog.h"
#include "app/print/printroom.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/window/windowparts.h"
#include "core/savereport.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "render/qtext.h"
#include "render/svgwriter.h"

namespace quotella {

namespace {

constexpr const char* kSvgFilter = "SVG Files|*.svg|All Files|*.*";

bool WriteGridSvg(WindowParts& window) {
  PuzzleDocument& doc = *window.doc;
  FileSession& session = *window.session;
  Host& host = doc.host();
  if (!doc.PuzzleExists) {
    host.Message("First you must load or create a puzzle!");
    return false;
  }
  std::string folder = FolderOf(session.CurrentPuzzleFile);
  if (folder.empty()) folder = session.CurrentDir;
  const std::string name = session.CurrentPuzzleFile.empty()
                               ? std::string("grid.svg")
                               : ChangeExtension(session.CurrentPuzzleFile, ".svg");
  const auto chosen = host.SaveFileName("Export Grid as SVG", kSvgFilter, folder, name);
  if (!chosen) return false;
  if (FileExists(*chosen) &&
      !host.Confirm("File " + *chosen + " exists! Overwrite ?", ConfirmKind::Question))
    return false;
  BitmapDialog* bitmap = window.print->bitmapDialog();
  bitmap->setBlockColour(window.gridView->puzzleGrid()->style().block);
  const QByteArray svg = SvgWriter::Grid(doc.P, doc.Grid.Columns, doc.Grid.Rows,
                                         bitmap->maker().style, ToQString(session.TitleBox));
  return ReportSave(host, WriteFileAtomic(*chosen, svg.toStdString()), "Grid SVG",
                    "Could not save file ", *chosen);
}

}  // namespace

bool ExportGridSvg1Click(WindowParts& window) {
  bool written = false;
  window.sync->RunPullPush([&window, &written] { written = WriteGridSvg(window); });
  return written;
}

}  // namespace quotella
