#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella::test {

// A fresh folder under the system temporary folder, removed at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }

 private:
  std::filesystem::path m_dir;
};

// The quotation lines of tests/data/bench_quotes.txt.
std::vector<std::string> BenchQuotes();

// Makes a puzzle of a quotation line as a double click in the quotes editor would.
void MakePuzzle(PuzzleDocument& doc, const std::string& line);

// Lays a made-up answer word (the initial and up to `extra` letters from the pool) into
// every row except those listed, and writes a clue for each row.
void FillRows(PuzzleDocument& doc, int extra, const std::vector<int>& skipRows = {});

// Every rule that ties the cells, the answer table, the number map and the pool together;
// empty when all hold, else the first broken one.
std::string BrokenInvariant(const PuzzleDocument& doc);

// Whole-file helpers.
std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);

}  // namespace quotella::test
