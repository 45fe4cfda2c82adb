// The window's sources keep their shape: no class reaches into another's private parts,
// no file grows past what one reader takes in, no folder past what one eye scans, and
// no two classes of the window include each other, directly or around a circle.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLines = 450;
constexpr int kMaxFilesPerFolder = 25;

// A class of the window is its header and source pair, named by its path under src/
// without the extension ("app/window/mainwindow").
using Graph = std::map<std::string, std::set<std::string>>;

fs::path AppDir() {
  return fs::path(QUOTELLA_SOURCE_DIR) / "src" / "app";
}

std::vector<fs::path> SourcesUnder(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    const auto ext = entry.path().extension();
    if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp")) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<fs::path> AppSources() {
  return SourcesUnder(AppDir());
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string NodeOf(const fs::path& file) {
  fs::path rel = fs::relative(file, AppDir().parent_path());
  rel.replace_extension();
  return rel.generic_string();
}

Graph IncludeGraph() {
  Graph graph;
  const std::regex include(R"re(#include\s+"(app/[^"]+)\.h")re");
  for (const fs::path& file : AppSources()) {
    const std::string node = NodeOf(file);
    graph[node];
    const std::string text = ReadFile(file);
    for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
      const std::string target = (*it)[1];
      if (target != node) graph[node].insert(target);
    }
  }
  return graph;
}

// Every circle of includes, each as the classes on it (strongly connected components of
// more than one class, by Tarjan's walk).
std::vector<std::vector<std::string>> Cycles(const Graph& graph) {
  std::map<std::string, int> index;
  std::map<std::string, int> low;
  std::set<std::string> onStack;
  std::vector<std::string> stack;
  std::vector<std::vector<std::string>> cycles;
  int next = 0;
  std::function<void(const std::string&)> visit = [&](const std::string& v) {
    index[v] = low[v] = next++;
    stack.push_back(v);
    onStack.insert(v);
    const auto it = graph.find(v);
    if (it != graph.end()) {
      for (const std::string& w : it->second) {
        if (!index.count(w)) {
          visit(w);
          low[v] = std::min(low[v], low[w]);
        } else if (onStack.count(w)) {
          low[v] = std::min(low[v], index[w]);
        }
      }
    }
    if (low[v] != index[v]) return;
    std::vector<std::string> component;
    std::string w;
    do {
      w = stack.back();
      stack.pop_back();
      onStack.erase(w);
      component.push_back(w);
    } while (w != v);
    if (component.size() > 1) cycles.push_back(component);
  };
  for (const auto& [node, edges] : graph)
    if (!index.count(node)) visit(node);
  return cycles;
}

std::string Describe(const std::vector<std::vector<std::string>>& cycles) {
  std::string text;
  for (const auto& cycle : cycles) {
    for (const std::string& node : cycle) text += node + " ";
    text += "\n";
  }
  return text;
}

TEST(WindowSourcesShape, CycleFinderSeesACircleAroundThreeClassesAndNoneInAChain) {
  const Graph circle = {{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}, {"d", {"a"}}};
  const auto cycles = Cycles(circle);
  ASSERT_EQ(cycles.size(), 1u);
  EXPECT_EQ(std::set<std::string>(cycles[0].begin(), cycles[0].end()),
            (std::set<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(Cycles({{"a", {"b"}}, {"b", {"c"}}, {"c", {}}}).empty());
}

TEST(WindowSourcesShape, NoTwoWindowClassesIncludeEachOtherAroundACircle) {
  const Graph graph = IncludeGraph();
  ASSERT_GT(graph.size(), 50u) << "the window's sources were not found under " << AppDir();
  ASSERT_TRUE(graph.at("app/window/mainwindow").count("app/commands/answercommands"))
      << "the include graph misses the window's own includes";
  const auto cycles = Cycles(graph);
  EXPECT_TRUE(cycles.empty()) << "classes that include each other:\n" << Describe(cycles);
}

TEST(WindowSourcesShape, NoFriendsNoLongFilesNoCrowdedFolders) {
  std::map<fs::path, int> perFolder;
  const std::regex friendDecl(R"(\bfriend\s+(class|struct)?)");
  for (const fs::path& file : AppSources()) {
    const std::string text = ReadFile(file);
    EXPECT_FALSE(std::regex_search(text, friendDecl)) << file << " declares a friend";
    const auto lines = std::count(text.begin(), text.end(), '\n');
    EXPECT_LE(lines, kMaxLines) << file << " has " << lines << " lines";
    ++perFolder[file.parent_path()];
  }
  for (const auto& [folder, count] : perFolder)
    EXPECT_LE(count, kMaxFilesPerFolder) << folder << " holds " << count << " sources";
}

TEST(WindowSourcesShape, NoNestedEventLoopStandsInForAWorker) {
  // Long work runs in workers; a handler that lets events through while it works lets
  // another command change what it is about to overwrite.
  std::vector<fs::path> files = AppSources();
  for (const fs::path& file : SourcesUnder(AppDir().parent_path() / "search"))
    files.push_back(file);
  ASSERT_GT(files.size(), 50u);
  for (const fs::path& file : files)
    EXPECT_EQ(ReadFile(file).find("processEvents"), std::string::npos) << file;
}

}  // namespace
