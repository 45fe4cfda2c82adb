// The word-list editor's expunge on any letter file and lists: the rewritten letter file
// holds the old file's lines, in their order, less exactly the words deleted, and the
// deleted words were ticked.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "core/textio.h"
#include "core/tpuzzle.h"
#include "fuzz_support.h"
#include "search/wordlisteditor.h"
#include "search/wordsource.h"

namespace {

// Whether `part` is `whole` with some lines taken out, the rest in their order.
bool IsSubsequence(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  std::size_t i = 0;
  for (const auto& line : whole)
    if (i < part.size() && part[i] == line) ++i;
  return i == part.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  // Byte 0 steers the ticks; up to the first zero byte is the letter file; the rest are
  // the lists' words, one per line, given to all three lists.
  if (size < 2) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t cut = rest.find('\0');
  if (cut == std::string::npos) return 0;
  const std::string file = rest.substr(0, cut);
  std::vector<std::string> words = SplitLines(rest.substr(cut + 1));
  if (words.empty() || words.front().empty()) return 0;
  const char initial = UpperCase(words.front().substr(0, 1))[0];
  if (!IsUpperLetter(initial)) return 0;

  const std::string dir = fuzz::ScratchDir() + "dict/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = dir + std::string(1, initial) + ".txt";
  fuzz::ScratchFile("dict/" + std::string(1, initial) + ".txt",
                    reinterpret_cast<const uint8_t*>(file.data()), file.size());
  const std::vector<std::string> before = *ReadTextLines(path);

  WordListEditor editor;
  editor.DictDir = dir;
  bool closed = false;
  if (!editor.Open({words, words, words}, [&](bool, WordListEditor::Lists) { closed = true; }))
    return 0;
  const std::size_t listed = editor.List(1).size();
  for (int i = 0; i < static_cast<int>(listed); ++i)
    if ((data[0] >> (i % 8)) & 1) editor.SetChecked(1, i, true);
  editor.CopyChecks();
  fuzz::QuietHost host;
  editor.Expunge(host);

  const std::vector<std::string> after = *ReadTextLines(path);
  fuzz::Check(IsSubsequence(after, before));
  fuzz::Check(before.size() - after.size() == static_cast<std::size_t>(editor.DeletedCount()));
  fuzz::Check(editor.Log().size() == static_cast<std::size_t>(editor.DeletedCount()));
  editor.Ok();
  fuzz::Check(closed);
  return 0;
}
