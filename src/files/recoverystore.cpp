#include "files/recoverystore.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <system_error>

#include "core/textio.h"

namespace quotella {

RecoveryStore::RecoveryStore(std::string folder, std::string owner)
    : m_folder(std::move(folder)), m_owner(std::move(owner)) {}

RecoveryStore::~RecoveryStore() = default;

std::string RecoveryStore::NewOwnerTag() {
  static std::atomic<unsigned> count{0};
  // The time keeps a process id used again after a restart from reaching old copies.
  return std::to_string(::getpid()) + "-" + std::to_string(++count) + "-" +
         std::to_string(static_cast<long long>(std::time(nullptr)));
}

std::string RecoveryStore::Open() {
  if (m_lock) return {};
  if (m_folder.empty()) return "no folder for recovery copies (HOME is not set)";
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::create_directories(m_folder, ec);
  if (ec) return ec.message();
  // The copies hold the user's work: nobody else reads them.
  fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::replace, ec);
  m_lock = RecoveryLock::Take(RecoveryLockPath(m_folder, m_owner), true);
  if (!m_lock) return "the lock of the recovery copies is held by another window";
  return {};
}

std::string RecoveryStore::Write(RecoveryKind kind, const std::string& original,
                                 const std::string& bytes, std::time_t now) {
  if (std::string reason = Open(); !reason.empty()) return reason;
  auto found = m_copies.find(kind);
  if (found != m_copies.end() && found->second.original != original) {
    Discard(kind);
    found = m_copies.end();
  }
  if (found == m_copies.end()) {
    RecoveryCopy copy;
    copy.kind = kind;
    copy.original = original;
    copy.owner = m_owner;
    copy.path = m_folder + "/" + RecoveryCopyName(kind, original, now, m_owner);
    if (const SaveResult source = WriteFileAtomic(copy.path + ".source", RecoverySourceText(copy));
        !source.ok())
      return source.reason();
    found = m_copies.emplace(kind, std::move(copy)).first;
  }
  return WriteFileAtomic(found->second.path, bytes).reason();
}

void RecoveryStore::Discard(RecoveryKind kind) {
  const auto found = m_copies.find(kind);
  if (found == m_copies.end()) return;
  RemoveRecoveryCopy(found->second);
  m_copies.erase(found);
}

std::string RecoveryStore::CopyPath(RecoveryKind kind) const {
  const auto found = m_copies.find(kind);
  return found == m_copies.end() ? std::string() : found->second.path;
}

void RecoveryStore::Close() {
  if (!m_lock) return;
  if (m_copies.empty()) m_lock->RemoveFile();
  m_lock.reset();
}

}  // namespace quotella
