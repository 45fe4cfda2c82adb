#include "files/recoverylock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "core/textio.h"

namespace quotella {

namespace {

// The lock is taken by the kernel's flock. Where the file system has no such locks the
// process id decides: a lock naming a running process, or this one, stays its owner's.
bool OwnerStillRuns(const std::string& path) {
  const long pid = RecoveryLock::OwnerPid(path);
  if (pid <= 0) return false;
  if (pid == static_cast<long>(::getpid())) return true;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

std::unique_ptr<RecoveryLock> RecoveryLock::Take(const std::string& path, bool writePid) {
  // Close-on-exec: a program the window starts must not carry the lock past the window.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return nullptr;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    if (held || OwnerStillRuns(path)) {
      ::close(fd);
      return nullptr;
    }
  } else if (!writePid && OwnerPid(path) == static_cast<long>(::getpid())) {
    // Another window of this process: it is running.
    ::close(fd);
    return nullptr;
  }
  if (writePid) {
    const std::string text = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
      ::close(fd);
      return nullptr;
    }
  }
  return std::unique_ptr<RecoveryLock>(new RecoveryLock(path, fd));
}

RecoveryLock::~RecoveryLock() {
  if (m_fd >= 0) ::close(m_fd);
}

void RecoveryLock::RemoveFile() {
  std::remove(m_path.c_str());
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
}

long RecoveryLock::OwnerPid(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return 0;
  const std::string text = Trim(*bytes);
  if (text.empty() || text.size() > 12) return 0;
  long pid = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    pid = pid * 10 + (c - '0');
  }
  return pid;
}

}  // namespace quotella
