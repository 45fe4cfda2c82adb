#include "files/recoveryclaim.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace quotella {

namespace {

// The owners named by lock files in the folder: a window that ended without a copy left
// may still have left its lock file.
std::vector<std::string> LockOwners(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::string> owners;
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == ".lock") owners.push_back(it->path().stem().string());
  return owners;
}

}  // namespace

RecoveryClaim::RecoveryClaim(const std::string& folder, const std::string& self)
    : m_folder(folder) {
  if (folder.empty()) return;
  std::vector<RecoveryCopy> all = ListRecoveryCopies(folder);
  for (const RecoveryCopy& copy : all)
    if (copy.owner != self) ClaimOwner(copy.owner);
  for (const std::string& owner : LockOwners(folder))
    if (owner != self) ClaimOwner(owner);
  for (RecoveryCopy& copy : all)
    if (copy.owner != self && m_locks.at(copy.owner)) m_copies.push_back(std::move(copy));
}

void RecoveryClaim::ClaimOwner(const std::string& owner) {
  if (m_locks.count(owner) != 0) return;
  m_locks[owner] = RecoveryLock::Take(RecoveryLockPath(m_folder, owner), false);
}

RecoveryClaim::~RecoveryClaim() {
  // The lock of an owner with no copy left goes with the claim.
  for (auto& entry : m_locks) {
    if (!entry.second) continue;
    const std::string& owner = entry.first;
    const bool left = std::any_of(m_copies.begin(), m_copies.end(),
                                  [&](const RecoveryCopy& c) { return c.owner == owner; });
    if (!left) entry.second->RemoveFile();
  }
}

void RecoveryClaim::Discard(const RecoveryCopy& copy) {
  RemoveRecoveryCopy(copy);
  m_copies.erase(std::remove_if(m_copies.begin(), m_copies.end(),
                                [&](const RecoveryCopy& c) { return c.path == copy.path; }),
                 m_copies.end());
}

}  // namespace quotella
