// quotella-mkknown: marks the words of a dictionary that WordNet knows.
//
//   quotella-mkknown WORDNET_DIR DICT_DIR
//
// Reads the letter files a.txt .. z.txt of DICT_DIR and writes DICT_DIR/known.txt: every
// word of them that WordNet knows, directly or through its morphology, lower case, one per
// line, CR LF, in the letter files' order. The file is replaced atomically.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "clues/wordnetindex.h"
#include "core/textio.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quotella-mkknown WORDNET_DIR DICT_DIR\n";
    return 2;
  }
  const fs::path wordnetDir = argv[1];
  const fs::path dictDir = argv[2];
  quotella::WordNetIndex index;
  if (!index.Load(wordnetDir)) {
    std::cerr << "quotella-mkknown: no WordNet database in " << wordnetDir.string()
              << "; install the Debian package 'wordnet-base'\n";
    return 1;
  }
  std::string known;
  std::size_t words = 0, marked = 0;
  for (char initial = 'a'; initial <= 'z'; ++initial) {
    const fs::path path = dictDir / (std::string(1, initial) + ".txt");
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::cerr << "quotella-mkknown: cannot read " << path.string() << "\n";
      return 1;
    }
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      ++words;
      if (!index.Knows(line)) continue;
      ++marked;
      known += line + "\r\n";
    }
  }
  if (!quotella::WriteFileAtomic((dictDir / "known.txt").string(), known).ok()) {
    std::cerr << "quotella-mkknown: cannot write " << (dictDir / "known.txt").string() << "\n";
    return 1;
  }
  std::cout << "quotella-mkknown: WordNet knows " << marked << " of " << words << " words\n";
  return 0;
}
