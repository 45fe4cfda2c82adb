#include "files/filesession.h"

#include <filesystem>

namespace quotella {

void SetCaption(FileSession& session, const std::string& name) {
  session.Caption = std::string(kCaptionTitle) + name;
}

std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}

std::string FileNameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

std::string ChangeExtension(const std::string& path, const std::string& ext) {
  return std::filesystem::path(path).replace_extension(ext).string();
}

}  // namespace quotella
