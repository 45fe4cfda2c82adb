#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/document.h"
#include "search/wordlists.h"
#include "support/fakehost.h"

namespace quotella::test {

// A fresh folder under the system temp folder, removed at the end of the test; the process
// id keeps two runs of the suite at once (two build folders) apart.
class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_path = std::filesystem::temp_directory_path() /
             (std::string("quotella-search-") + info->test_suite_name() + "-" + info->name() + "-" +
              std::to_string(::getpid()));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Dir() const { return m_path.string() + "/"; }
  std::string Path(const std::string& name) const { return Dir() + name; }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(m_path / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(m_path / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path m_path;
};

// A real quotation of 25 answers that the bundled dictionary fills.
inline constexpr const char* kByronLine =
    "Lord Byron@She Walks in Beauty@She walks in beauty, like the night Of cloudless climes and "
    "starry skies; And all that's best of dark and bright Meet in her aspect and her eyes.";

// A puzzle set up by hand: one answer row per initial (labels A, B, ...), the pool holding
// poolLetters, the built-in frequency order and problem letters.
inline void SetUpPuzzle(PuzzleDocument& doc, const std::string& initials,
                        const std::string& poolLetters) {
  doc.P.NumWords = static_cast<int>(initials.size());
  MakeLabels(doc.P);
  for (int r = 0; r < doc.P.NumWords; ++r) {
    doc.KeyWords.At(0, r) = std::string(1, static_cast<char>('A' + r));
    doc.KeyWords.At(1, r) = std::string(1, initials[static_cast<std::size_t>(r)]);
  }
  doc.P.Pool = {};
  for (char c : poolLetters) ++doc.P.PoolOf(c);
  doc.P.FreqOrder = kDefaultFreqOrder;
  doc.P.ReverseFreqOrder.assign(doc.P.FreqOrder.rbegin(), doc.P.FreqOrder.rend());
  doc.P.NumProblemChars = 14;
  doc.P.ProblemSet.reset();
  for (char c : std::string("BFHJKQVWXYZ")) doc.P.ProblemSet.set(static_cast<unsigned char>(c));
  doc.PuzzleExists = true;
  doc.view().CurRow = 0;
}

// Lays the further letters of word into row (columns 2..) without touching the pool.
inline void PutWord(PuzzleDocument& doc, int row, const std::string& word) {
  for (std::size_t i = 1; i < word.size(); ++i)
    doc.KeyWords.At(static_cast<int>(i) + 1, row) = std::string(1, word[i]);
}

}  // namespace quotella::test
