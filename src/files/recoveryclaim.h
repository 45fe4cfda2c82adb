#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "files/recoverycopy.h"
#include "files/recoverylock.h"

namespace quotella {

// The recovery copies of windows that are gone, taken by one window to offer: while the
// claim lasts their owners' locks are held, so no other window offers the same copies.
// Copies of running windows are not taken.
class RecoveryClaim {
 public:
  // `self`: the tag of the claiming window, whose own copies are never offered.
  RecoveryClaim(const std::string& folder, const std::string& self);
  ~RecoveryClaim();
  RecoveryClaim(const RecoveryClaim&) = delete;
  RecoveryClaim& operator=(const RecoveryClaim&) = delete;

  // Oldest first.
  const std::vector<RecoveryCopy>& copies() const { return m_copies; }
  // Removes a claimed copy.
  void Discard(const RecoveryCopy& copy);

 private:
  void ClaimOwner(const std::string& owner);

  std::string m_folder;
  std::vector<RecoveryCopy> m_copies;
  std::map<std::string, std::unique_ptr<RecoveryLock>> m_locks;
};

}  // namespace quotella
