#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "files/recoverycopy.h"
#include "files/recoverystore.h"

namespace quotella {

struct WindowParts;

// Keeps the window's unsaved work safe from a crash. While the puzzle, the quotes editor
// or the settings text has changes that are not saved, a copy of each is written into the
// recovery folder at most once an interval (the "[recovery interval]" setting), so within
// one interval of the first change; the writing runs on a worker, one copy after the
// other, so typing never waits for the disk. A save, or closing without saving after the
// exit question, removes the copy. At start the copies of windows that are gone are
// offered: Recover takes a copy back as unsaved work of its own file, Discard removes it,
// Later leaves it for the next start.
class RecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  // The copies go into the user's recovery folder.
  explicit RecoveryKeeper(const WindowParts& parts, QObject* parent = nullptr);
  ~RecoveryKeeper() override;

  // Writes or removes each copy as the work stands now (the timer's job).
  void CheckNow();
  // Asks about each copy of a window that is gone.
  void OfferAtStart();
  // The window closes after its exit questions; a kind whose save was asked for and did
  // not happen keeps an up-to-date copy, every other copy goes.
  void Closed(bool keepPuzzle, bool keepQuotes);
  // Waits until every copy queued so far is on disk.
  void WaitForWrites();

  const RecoveryStore& store() const { return m_store; }
  int intervalSeconds() const { return m_timer.interval() / 1000; }

 signals:
  // A copy was written (or removed) on the worker.
  void copiesUpdated();

 private:
  struct Work {
    std::string original;
    std::string bytes;
  };
  std::optional<Work> WorkOf(RecoveryKind kind) const;
  void Keep(RecoveryKind kind, std::optional<Work> work);
  void Queue(std::function<std::string()> job);
  bool Recover(const RecoveryCopy& copy);
  void FollowInterval();

  const WindowParts& m_parts;
  RecoveryStore m_store;
  QThreadPool m_worker;
  QTimer m_timer;
  // What each kind's copy holds as last queued; empty when it has none.
  std::array<std::optional<Work>, 3> m_kept;
  std::string m_lastFailure;
};

}  // namespace quotella
