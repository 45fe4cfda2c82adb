// quotella-mkdict: builds the bundled dictionary from the SCOWL word lists.
//
//   quotella-mkdict SCOWL_DIR OUT_DIR [MAX_SIZE]
//
// Reads every "english-words.N" and "american-words.N" of SCOWL_DIR with N <= MAX_SIZE
// (default 70) and writes to OUT_DIR:
//   a.txt .. z.txt     the words of each initial, lower case, one per line, CR LF,
//                      ascending by the upper-cased word;
//   familiarity.txt    "word size" per line (the smallest SCOWL size that holds the word,
//                      10 = most common), ascending by word.
// Only words made of the letters a-z are kept: proper names, possessives, abbreviations
// and accented forms are left out. Files are replaced atomically.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool PlainLowerWord(const std::string& w) {
  if (w.empty()) return false;
  return std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool WriteAtomic(const fs::path& path, const std::string& bytes) {
  fs::path tmp = path;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::cerr << "usage: quotella-mkdict SCOWL_DIR OUT_DIR [MAX_SIZE]\n";
    return 2;
  }
  const fs::path scowlDir = argv[1];
  const fs::path outDir = argv[2];
  const int maxSize = argc == 4 ? std::atoi(argv[3]) : 70;

  // word -> smallest size; std::map keeps the words ascending (lower case a-z, so this is
  // also the order of the upper-cased words).
  std::map<std::string, int> sizes;
  int listsRead = 0;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(scowlDir, ec)) {
    const std::string name = entry.path().filename().string();
    int size = 0;
    for (const char* prefix : {"english-words.", "american-words."}) {
      const std::string p = prefix;
      if (name.rfind(p, 0) != 0) continue;
      const std::string num = name.substr(p.size());
      if (num.empty() ||
          !std::all_of(num.begin(), num.end(), [](char c) { return c >= '0' && c <= '9'; }))
        continue;
      size = std::stoi(num);
    }
    if (size <= 0 || size > maxSize) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    if (!in) {
      std::cerr << "quotella-mkdict: cannot read " << entry.path() << "\n";
      return 1;
    }
    ++listsRead;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!PlainLowerWord(line)) continue;
      auto [it, inserted] = sizes.emplace(line, size);
      if (!inserted) it->second = std::min(it->second, size);
    }
  }
  if (ec || listsRead == 0 || sizes.empty()) {
    std::cerr << "quotella-mkdict: no SCOWL word lists (english-words.N) found in " << scowlDir
              << "; install the Debian package 'scowl'\n";
    return 1;
  }

  fs::create_directories(outDir, ec);
  std::vector<std::string> letterFiles(26);
  std::string familiarity;
  for (const auto& [word, size] : sizes) {
    letterFiles[static_cast<std::size_t>(word[0] - 'a')] += word + "\r\n";
    familiarity += word + " " + std::to_string(size) + "\r\n";
  }
  for (int l = 0; l < 26; ++l) {
    const fs::path path = outDir / (std::string(1, static_cast<char>('a' + l)) + ".txt");
    if (!WriteAtomic(path, letterFiles[static_cast<std::size_t>(l)])) {
      std::cerr << "quotella-mkdict: cannot write " << path << "\n";
      return 1;
    }
  }
  if (!WriteAtomic(outDir / "familiarity.txt", familiarity)) {
    std::cerr << "quotella-mkdict: cannot write familiarity.txt\n";
    return 1;
  }
  std::cout << "quotella-mkdict: " << sizes.size() << " words from " << listsRead
            << " SCOWL lists into " << outDir.string() << "\n";
  return 0;
}
