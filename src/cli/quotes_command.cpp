#include <iostream>

#include "cli/command.h"
#include "core/textio.h"
#include "quotes/quoteimport.h"

namespace quotella::cli {
namespace {

const char* const kUsage =
    "  quotella-cli quotes import FILE... -o QUOTES [--yes]\n"
    "      reads quotations from fortune files (entries between \"%\" lines, attribution\n"
    "      \"-- Author, Work\") and plain text (a paragraph each, \"-- Author, Work\" after\n"
    "      a dash on its last line) into a quotes file (UTF-8, one Author@Work@Quotation\n"
    "      line each); entries without an author and a work are listed as skipped,\n"
    "      duplicates are dropped. An existing QUOTES is replaced only with --yes.";

struct ImportArgs {
  std::vector<std::string> files;
  std::string output;
  bool yes = false;
};

std::optional<ImportArgs> ParseImportArgs(const std::vector<std::string>& args) {
  ImportArgs a;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (i == optionsEnd) continue;
    if (i > optionsEnd || args[i].empty() || args[i][0] != '-') {
      a.files.push_back(args[i]);
    } else if (args[i] == "-o") {
      if (i + 1 >= args.size() || !a.output.empty()) {
        UsageError("quotes", "-o needs one file name");
        return std::nullopt;
      }
      a.output = args[++i];
    } else if (args[i] == "--yes") {
      a.yes = true;
    } else {
      UsageError("quotes", "unknown option " + args[i]);
      return std::nullopt;
    }
  }
  if (a.files.empty() || a.output.empty()) {
    UsageError("quotes", "give the files to read and -o QUOTES");
    return std::nullopt;
  }
  return a;
}

int RunImport(const std::vector<std::string>& args) {
  const auto a = ParseImportArgs(args);
  if (!a) return 2;
  QuoteImport import;
  for (const auto& file : a->files) {
    // The files read come first: a file that is also the output is never read half-written.
    const auto text = ReadText(file);
    if (!text) {
      std::cerr << "quotella-cli: Could not load file " << file << "\n";
      return 1;
    }
    import.AddText(*text, file);
  }
  for (const auto& s : import.Skipped())
    PrintLine(std::cerr, "Skipped " + s.source + ":" + std::to_string(s.line) + ": " + s.reason +
                             " (" + s.excerpt + ")");
  if (import.Quotes().empty()) {
    std::cerr << "quotella-cli: no quotation with an author and a work was found; " << a->output
              << " not written\n";
    return 1;
  }
  if (FileExists(a->output) && !a->yes) {
    std::cerr << "quotella-cli: " << a->output << " exists (give --yes to replace it)\n";
    return 1;
  }
  std::string bytes;
  for (const auto& line : import.Lines()) bytes += line + "\r\n";
  if (const SaveResult saved = WriteFileAtomic(a->output, bytes); !saved.ok()) {
    std::cerr << "quotella-cli: " << saved.Message("Could not save file ", a->output) << "\n";
    return 1;
  }
  std::cerr << "Imported " << import.Quotes().size() << " quotations, skipped "
            << import.Skipped().size() << ", dropped " << import.Duplicates() << " duplicates\n";
  std::cout << a->output << "\n";
  return 0;
}

int RunQuotes(const std::vector<std::string>& args) {
  if (args.empty() || args.front() != "import")
    return UsageError("quotes", "the quotes command has one action: import");
  return RunImport(args);
}

const Registration reg{{"quotes", kUsage, RunQuotes}};

}  // namespace
}  // namespace quotella::cli
