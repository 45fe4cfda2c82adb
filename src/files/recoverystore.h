#pragma once

#include <ctime>
#include <map>
#include <memory>
#include <string>

#include "files/recoverycopy.h"
#include "files/recoverylock.h"

namespace quotella {

// One window's recovery copies in the recovery folder, under that window's lock: at most
// one copy of each kind, rewritten in place (atomically, in the format of the file it
// belongs to) while its changes stay unsaved, removed when they are saved or given up.
class RecoveryStore {
 public:
  // `owner` names this window's copies and lock; unique among running windows.
  RecoveryStore(std::string folder, std::string owner);
  ~RecoveryStore();
  RecoveryStore(const RecoveryStore&) = delete;
  RecoveryStore& operator=(const RecoveryStore&) = delete;

  // A tag no other window of this or any running process has: the process id and a count.
  static std::string NewOwnerTag();

  const std::string& folder() const { return m_folder; }
  const std::string& owner() const { return m_owner; }

  // Writes the copy of a kind: bytes are the file as it would be saved. The first write
  // creates the folder (readable by the user only), takes the lock and writes the copy's
  // source file; a copy that belonged to another file is replaced. Empty on success,
  // otherwise why it failed.
  std::string Write(RecoveryKind kind, const std::string& original, const std::string& bytes,
                    std::time_t now);
  void Discard(RecoveryKind kind);
  bool Has(RecoveryKind kind) const { return m_copies.count(kind) != 0; }
  // The path of the copy of a kind; empty when there is none.
  std::string CopyPath(RecoveryKind kind) const;
  // Lets the lock go; its file is removed when no copy is left, so that copies kept are
  // offered at the next start.
  void Close();

 private:
  std::string Open();

  std::string m_folder;
  std::string m_owner;
  std::unique_ptr<RecoveryLock> m_lock;
  std::map<RecoveryKind, RecoveryCopy> m_copies;
};

}  // namespace quotella
