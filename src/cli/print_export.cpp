#include "cli/print_export.h"

#include <unistd.h>
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/textio.h"
#include "print/pageprinter.h"
#include "render/bitmapmaker.h"
#include "render/pagelayout.h"
#include "render/qtext.h"
#include "render/svgwriter.h"

// Under the leak checker of the sanitizer build: fontconfig keeps a cache for the life
// of the process that it never frees; that is not ours to report.
// NOLINTNEXTLINE(bugprone-reserved-identifier): the name the sanitizer runtime looks up
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n";
}

namespace quotella::cli {

const char* const kPrintExportUsage =
    "  quotella-cli export P.qtl --pdf -o F.pdf [--grid|--clues|--both] [--key] [--help-text]\n"
    "      [--landscape] [--cell-size DOTS] [--copyright under-byline|last-page]\n"
    "      [--paper letter|a4|legal] [--margin INCHES] [--grid-line PT] [--first-square]\n"
    "      [--punctuation] [--yes]\n"
    "      print the puzzle page into a PDF file\n"
    "  quotella-cli export P.qtl --bitmap -o F.bmp|F.png [--cell-size N] [--line-width N]\n"
    "      [--key] [--no-labels] [--yes]\n"
    "      draw the grid as a picture\n"
    "  quotella-cli export P.qtl --svg -o F.svg [--cell-size N] [--key] [--no-labels] [--yes]\n"
    "  quotella-cli export P.qtl --svg --page -o F.svg [--grid|--clues|--both] [--key]\n"
    "      [--help-text] [--landscape] [--copyright under-byline|last-page] [--yes]\n"
    "      write the grid, or every printed page, as SVG for a layout program";

namespace {

// Qt's own chatter about the offscreen platform has no place on the command line's
// stderr; warnings that matter to the user are the program's own.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Qt draws and measures fonts only inside an application object; the command line has
// no display, so it draws offscreen.
void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  qInstallMessageHandler(QuietQtMessages);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform needs no runtime folder; without one Qt complains on stderr.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const std::filesystem::path runtime =
        std::filesystem::temp_directory_path() / ("quotella-runtime-" + std::to_string(getuid()));
    std::error_code ec;
    std::filesystem::create_directories(runtime, ec);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace, ec);
    if (!ec) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
  }
  static int argc = 1;
  static char name[] = "quotella-cli";
  static char* argv[] = {name, nullptr};
  // Left alive to the end: Qt objects may be torn down after main returns.
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

std::optional<double> Decimal(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

struct PublishArgs {
  std::string input;
  std::string output;
  std::vector<std::string> flags;
  std::optional<int> cellSize;
  std::optional<int> lineWidth;
  std::string copyright;
  std::optional<Paper> paper;
  std::optional<double> margin;
  std::optional<double> gridLine;
  bool Has(const std::string& f) const {
    return std::find(flags.begin(), flags.end(), f) != flags.end();
  }
};

// Prints the usage error; the arguments are refused.
std::optional<PublishArgs> Refuse(const std::string& problem) {
  UsageError("export", problem);
  return std::nullopt;
}

enum class Form { Pdf, Bitmap, Svg };

// nullopt after a usage error.
std::optional<PublishArgs> Parse(const std::vector<std::string>& args, Form form) {
  const bool pdf = form == Form::Pdf;
  const std::vector<std::string> pdfFlags = {
      "--pdf",  "--key",       "--help-text", "--grid",         "--clues",
      "--both", "--landscape", "--yes",       "--first-square", "--punctuation"};
  const std::vector<std::string> bitmapFlags = {"--bitmap", "--key", "--no-labels", "--yes"};
  const std::vector<std::string> svgFlags = {"--svg",       "--page",  "--key",  "--no-labels",
                                             "--grid",      "--clues", "--both", "--help-text",
                                             "--landscape", "--yes"};
  const auto& allowed = pdf ? pdfFlags : form == Form::Bitmap ? bitmapFlags : svgFlags;
  PublishArgs a;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& s = args[i];
    const bool hasValue = i + 1 < args.size();
    auto number = [&](std::optional<int>& into) {
      if (!hasValue || !(into = WholeNumber(args[++i])) || *into < 1) {
        UsageError("export", s + " needs a positive whole number");
        return false;
      }
      return true;
    };
    if (s == "-o") {
      if (!hasValue) return Refuse("-o needs a file name");
      a.output = args[++i];
    } else if (s == "--cell-size") {
      if (!number(a.cellSize)) return std::nullopt;
    } else if (s == "--line-width" && form == Form::Bitmap) {
      if (!number(a.lineWidth)) return std::nullopt;
    } else if (s == "--paper" && pdf) {
      if (!hasValue || !(a.paper = PagePrinter::PaperNamed(args[i + 1])))
        return Refuse("--paper takes letter, a4 or legal");
      ++i;
    } else if ((s == "--margin" || s == "--grid-line") && pdf) {
      auto& into = s == "--margin" ? a.margin : a.gridLine;
      const double low = s == "--margin" ? 0.0 : 0.05;
      const double high = s == "--margin" ? 2.0 : 10.0;
      if (!hasValue || !(into = Decimal(args[i + 1])) || *into < low || *into > high)
        return Refuse(
            s + (s == "--margin" ? " takes inches from 0 to 2" : " takes points from 0.05 to 10"));
      ++i;
    } else if (s == "--copyright" && form != Form::Bitmap) {
      if (!hasValue || (args[i + 1] != "under-byline" && args[i + 1] != "last-page"))
        return Refuse("--copyright takes under-byline or last-page");
      a.copyright = args[++i];
    } else if (std::find(allowed.begin(), allowed.end(), s) != allowed.end()) {
      a.flags.push_back(s);
    } else if (s.size() > 1 && s[0] == '-') {
      return Refuse("unknown option '" + s + "'");
    } else {
      positional.push_back(s);
    }
  }
  if (positional.size() != 1) return Refuse("export takes one puzzle file");
  if (a.output.empty()) return Refuse("export needs -o FILE");
  a.input = positional[0];
  return a;
}

int Fail(CliPuzzle& puzzle, const std::string& message) {
  puzzle.host.Message(message);
  return 1;
}

// Loads the puzzle and makes sure the target may be written; false after saying why.
bool Prepare(CliPuzzle& puzzle, const PublishArgs& a) {
  if (!LoadForCommand(puzzle, a.input)) return false;
  if (a.output == a.input) {
    std::cerr << "quotella-cli: an export would replace the puzzle file itself\n";
    return false;
  }
  if (!MayWrite(puzzle, a.output, a.input)) return false;
  EnsureGuiApplication();
  return true;
}

// The page options the command line sets; the texts come from the puzzle file.
PrintOptions PageOptions(const PublishArgs& a, const CliPuzzle& puzzle) {
  PrintOptions options;
  if (a.Has("--grid")) options.content = PrintOptions::Content::Grid;
  if (a.Has("--clues")) options.content = PrintOptions::Content::Clues;
  options.key = a.Has("--key");
  options.help = a.Has("--help-text");
  options.fromFirstSquare = a.Has("--first-square");
  options.punctuation = a.Has("--punctuation");
  options.copyrightUnderByline = a.copyright != "last-page";
  options.copyrightOnLastPage = a.copyright == "last-page";
  options.title = puzzle.files.TitleBox;
  options.byline = puzzle.files.BylineBox;
  options.copyright = puzzle.files.CopyrightText;
  if (a.gridLine) options.lineWidthPoints = *a.gridLine;
  return options;
}

// Replaces the target with the bytes in one step; a failure says which file and why, and
// leaves an existing file as it was.
int WriteExport(CliPuzzle& puzzle, const std::string& path, const QByteArray& bytes) {
  const SaveResult saved = WriteFileAtomic(path, bytes.toStdString());
  if (saved.ok()) return 0;
  return Fail(puzzle, saved.Message("Could not save file ", path));
}

int RunPdf(const std::vector<std::string>& args) {
  const auto a = Parse(args, Form::Pdf);
  if (!a) return 2;
  const int choices = a->Has("--grid") + a->Has("--clues") + a->Has("--both");
  if (choices > 1) return UsageError("export", "give one of --grid, --clues, --both");
  CliPuzzle puzzle(a->Has("--yes"));
  if (!Prepare(puzzle, *a)) return 1;

  const PrintOptions options = PageOptions(*a, puzzle);

  // A draft is a fair thing to print; the counts say it is one.
  if (const auto unfinished = PageLayout::Unfinished(puzzle.doc))
    std::cerr << "quotella-cli: " << *unfinished << '\n';

  // The PDF is written beside the target and moved over it once complete.
  const std::filesystem::path target(a->output);
  std::filesystem::path temp = target;
  temp.replace_filename("." + target.filename().string() + ".part");
  QPrinter printer(QPrinter::HighResolution);
  PaperSetup setup;
  setup.paper = a->paper.value_or(PagePrinter::SystemPaper());
  setup.marginInches = a->margin.value_or(setup.marginInches);
  setup.landscape = a->Has("--landscape");
  PagePrinter::SetUpPdf(printer, temp.string(), setup);
  const FontSet fonts;
  if (a->cellSize) {
    const FontMetricsMeasure measure(fonts, &printer);
    if (!PageLayout::FitColumnsToCellSize(puzzle.doc, *a->cellSize, PagePrinter::FormatOf(printer),
                                          options, measure))
      return 1;
  }
  std::vector<std::string> notes;
  const bool printed =
      PagePrinter::PrintPuzzle(printer, puzzle.doc, options, fonts, kBlack, nullptr, &notes);
  for (const auto& note : notes) std::cerr << "quotella-cli: " << note << '\n';
  std::error_code ec;
  if (printed) std::filesystem::rename(temp, target, ec);
  if (!printed || ec) {
    const SaveResult failed =
        SaveResult::Failed(printed ? ec.message() : "the page could not be drawn into the file");
    std::filesystem::remove(temp, ec);
    return Fail(puzzle, failed.Message("Could not save file ", a->output));
  }
  return 0;
}

int RunBitmap(const std::vector<std::string>& args) {
  const auto a = Parse(args, Form::Bitmap);
  if (!a) return 2;
  std::string ext = std::filesystem::path(a->output).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  if (ext != ".bmp" && ext != ".png")
    return UsageError("export", "the picture file ends in .bmp or .png");
  if (a->cellSize &&
      (*a->cellSize < BitmapMaker::kMinCellSize || *a->cellSize > BitmapMaker::kMaxCellSize))
    return UsageError("export", "--cell-size for a picture lies between 8 and 120");
  CliPuzzle puzzle(a->Has("--yes"));
  if (!Prepare(puzzle, *a)) return 1;

  BitmapMaker maker(puzzle.doc);
  if (a->cellSize) maker.style.cellSize = *a->cellSize;
  if (a->lineWidth) maker.lineWidthText = std::to_string(*a->lineWidth);
  maker.style.key = a->Has("--key");
  maker.style.labels = !a->Has("--no-labels");
  if (!maker.Redraw()) return 1;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!maker.Image().save(&buffer, ext == ".png" ? "PNG" : "BMP"))
    return Fail(puzzle, SaveResult::Failed("the picture could not be encoded")
                            .Message("Could not save file ", a->output));
  return WriteExport(puzzle, a->output, bytes);
}

// Options that belong to one of the two SVG forms only; an empty text when all fit.
std::string SvgMismatch(const PublishArgs& a) {
  if (a.Has("--page")) {
    if (a.cellSize || a.Has("--no-labels"))
      return "--cell-size and --no-labels draw the grid alone";
    if (a.Has("--grid") + a.Has("--clues") + a.Has("--both") > 1)
      return "give one of --grid, --clues, --both";
    return "";
  }
  for (const char* flag : {"--grid", "--clues", "--both", "--help-text", "--landscape"})
    if (a.Has(flag)) return std::string(flag) + " goes with --page";
  if (!a.copyright.empty()) return "--copyright goes with --page";
  if (a.cellSize &&
      (*a.cellSize < BitmapMaker::kMinCellSize || *a.cellSize > BitmapMaker::kMaxCellSize))
    return "--cell-size for the grid lies between 8 and 120";
  return "";
}

QByteArray PageSvg(const PublishArgs& a, const CliPuzzle& puzzle) {
  // The page is the PDF file's page; the printer only supplies its size and is never
  // started, so no PDF file is written.
  QPrinter printer(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(printer, a.output, a.Has("--landscape"));
  const FontSet fonts;
  return SvgWriter::Pages(puzzle.doc, PageOptions(a, puzzle), PagePrinter::FormatOf(printer),
                          PagePrinter::kResolution, fonts, kBlack);
}

QByteArray GridSvg(const PublishArgs& a, const CliPuzzle& puzzle) {
  BitmapStyle style;
  if (a.cellSize) style.cellSize = *a.cellSize;
  style.key = a.Has("--key");
  style.labels = !a.Has("--no-labels");
  return SvgWriter::Grid(puzzle.doc.P, puzzle.doc.Grid.Columns, puzzle.doc.Grid.Rows, style,
                         ToQString(puzzle.files.TitleBox));
}

int RunSvg(const std::vector<std::string>& args) {
  const auto a = Parse(args, Form::Svg);
  if (!a) return 2;
  if (const std::string problem = SvgMismatch(*a); !problem.empty())
    return UsageError("export", problem);
  CliPuzzle puzzle(a->Has("--yes"));
  if (!Prepare(puzzle, *a)) return 1;
  const QByteArray svg = a->Has("--page") ? PageSvg(*a, puzzle) : GridSvg(*a, puzzle);
  return WriteExport(puzzle, a->output, svg);
}

}  // namespace

int RunPrintExport(const std::vector<std::string>& args) {
  auto given = [&args](const char* flag) {
    return std::find(args.begin(), args.end(), flag) != args.end();
  };
  const bool pdf = given("--pdf");
  const bool bitmap = given("--bitmap");
  const bool svg = given("--svg");
  if (pdf + bitmap + svg > 1) return UsageError("export", "give one of --pdf, --bitmap, --svg");
  if (pdf) return RunPdf(args);
  if (bitmap) return RunBitmap(args);
  if (svg) return RunSvg(args);
  return -1;
}

}  // namespace quotella::cli
