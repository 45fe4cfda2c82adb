#include "app/quotes/quoteimporting.h"

#include <algorithm>
#include <vector>

#include "core/host.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "quotes/quoteimport.h"

namespace quotella {

namespace {

constexpr const char* kTextFilter = "Text Files|*.txt|All Files|*.*";
// Skipped entries named in the report; the count covers the rest.
constexpr std::size_t kSkippedShown = 8;

// The files the user picks, one open dialog each; empty when the first is cancelled.
std::vector<std::string> PickFiles(Host& host, const std::string& folder) {
  std::vector<std::string> files;
  while (auto file = host.OpenFileName("Import Quotations", kTextFilter, folder)) {
    files.push_back(*file);
    if (!host.Confirm("Import another file as well?", ConfirmKind::Question)) break;
  }
  return files;
}

std::string Report(const QuoteImport& import) {
  std::string text = "Imported " + std::to_string(import.Quotes().size()) +
                     " quotations, skipped " + std::to_string(import.Skipped().size()) +
                     ", dropped " + std::to_string(import.Duplicates()) + " duplicates.";
  const auto& skipped = import.Skipped();
  for (std::size_t i = 0; i < std::min(skipped.size(), kSkippedShown); ++i)
    text += "\nSkipped " + FileNameOf(skipped[i].source) + ":" + std::to_string(skipped[i].line) +
            ": " + skipped[i].reason + " (" + skipped[i].excerpt + ")";
  if (skipped.size() > kSkippedShown) text += "\n\u2026";
  return text;
}

}  // namespace

std::string ImportQuotations(Host& host, const std::string& folder) {
  const std::vector<std::string> files = PickFiles(host, folder);
  if (files.empty()) return {};
  QuoteImport import;
  for (const auto& file : files) {
    const auto text = ReadText(file);
    if (!text) {
      host.Message("Could not load file " + file);
      return {};
    }
    import.AddText(*text, file);
  }
  if (import.Quotes().empty()) {
    host.Message("No quotation with an author and a work was found.\n" + Report(import));
    return {};
  }
  host.Message(Report(import));
  const auto out =
      host.SaveFileName("Save Imported Quotations", kTextFilter, folder, "imported quotes.txt");
  if (!out) return {};
  if (FileExists(*out) &&
      !host.Confirm("File " + *out + " exists! Overwrite?", ConfirmKind::Question))
    return {};
  std::string bytes;
  for (const auto& line : import.Lines()) bytes += line + "\r\n";
  if (const SaveResult saved = WriteFileAtomic(*out, bytes); !saved.ok()) {
    host.Message(saved.Message("Could not save file ", *out));
    return {};
  }
  return *out;
}

}  // namespace quotella
