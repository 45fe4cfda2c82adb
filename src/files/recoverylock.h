#pragma once

#include <memory>
#include <string>

namespace quotella {

// The lock of one window's recovery copies: a file holding the process id of the window,
// locked (flock) for as long as that process runs. The system lets go of the lock when the
// process ends however it ends, so a copy whose lock can be taken belongs to a window that
// is gone; one whose lock is held belongs to a window still running and is left alone.
class RecoveryLock {
 public:
  // Creates or opens the lock file and takes it without waiting. nullptr when another
  // process holds it (or it cannot be opened). `writePid`: the file is given this
  // process's id, as the owner's lock is.
  static std::unique_ptr<RecoveryLock> Take(const std::string& path, bool writePid);
  ~RecoveryLock();
  RecoveryLock(const RecoveryLock&) = delete;
  RecoveryLock& operator=(const RecoveryLock&) = delete;

  const std::string& path() const { return m_path; }
  // Removes the lock file, then lets the lock go.
  void RemoveFile();

  // The process id a lock file names; 0 when it names none.
  static long OwnerPid(const std::string& path);

 private:
  RecoveryLock(std::string path, int fd) : m_path(std::move(path)), m_fd(fd) {}
  std::string m_path;
  int m_fd;
};

}  // namespace quotella
