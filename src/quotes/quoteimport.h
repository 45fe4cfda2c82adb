#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace quotella {

// Quotations brought in from the two forms collections come in, as quotes-file lines.
//
// Fortune files: entries separated by lines holding only "%"; an entry's attribution is its
// last line that starts with "--" (or a dash character): "-- Author, Work".
// Plain text: one quotation per paragraph (paragraphs separated by blank lines); the
// attribution follows a dash on the paragraph's last line, "... end of quote. -- Author,
// Work", or stands alone on that line.
// In both, the author is what comes before the first comma of the attribution and the work
// what follows it; lines of one quotation are joined with single blanks.

struct ImportedQuote {
  std::string author;
  std::string work;
  std::string quote;
  std::string source;  // file it came from
  int line = 0;        // 1-based line where its entry starts
};

struct SkippedQuote {
  std::string source;
  int line = 0;
  std::string reason;   // "no author", "no work", "an at sign in the author or work", ...
  std::string excerpt;  // the entry's first characters, to find it by
};

class QuoteImport {
 public:
  // Reads one file's text (UTF-8): fortune form when a line holds only "%", else plain text.
  void AddText(const std::string& text, const std::string& source);

  const std::vector<ImportedQuote>& Quotes() const { return m_quotes; }
  const std::vector<SkippedQuote>& Skipped() const { return m_skipped; }
  int Duplicates() const { return m_duplicates; }
  // "Author@Work@Quotation", one per quotation kept, in the order read.
  std::vector<std::string> Lines() const;

 private:
  struct Entry {
    std::vector<std::string> lines;
    int line = 0;
  };
  void AddFortuneEntries(const std::vector<std::string>& lines, const std::string& source);
  void AddParagraphs(const std::vector<std::string>& lines, const std::string& source);
  void AddFortune(const Entry& entry, const std::string& source);
  void AddParagraph(const Entry& entry, const std::string& source);
  void Keep(const std::string& attribution, const std::string& quote, const Entry& entry,
            const std::string& source);
  void Skip(const Entry& entry, const std::string& source, const std::string& reason);

  std::vector<ImportedQuote> m_quotes;
  std::vector<SkippedQuote> m_skipped;
  std::unordered_set<std::string> m_seen;  // author and quotation, letters only
  int m_duplicates = 0;
};

// True when a file's lines are a fortune file: one of them holds only "%".
bool IsFortuneText(const std::vector<std::string>& lines);

}  // namespace quotella
