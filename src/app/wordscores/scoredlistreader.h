#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "search/scoredlist.h"

namespace quotella {

// Reads the constructor's scored lists in a worker: a list of half a million words takes a
// few tenths of a second, and typing goes on meanwhile. The newest request wins; the result
// of an older one is dropped. The destructor waits for the reads under way.
class ScoredListReader : public QObject {
  Q_OBJECT
 public:
  struct Result {
    std::shared_ptr<const ScoredWords> words;
    std::vector<std::string> messages;  // one a file that could not be read or had bad lines
    std::size_t usable = 0;             // words listed at or above the minimum score
  };
  // Runs on the window's thread with the newest result.
  using Done = std::function<void(const Result&)>;

  explicit ScoredListReader(Done done);
  ~ScoredListReader() override;

  // Reads the files `choices` names, with its scores and flag; its table is not looked at.
  void Read(ScoredWords choices);
  bool reading() const { return m_reading; }

 private:
  struct Run {
    std::jthread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  void Finish(unsigned generation, const Result& result);

  Done m_done;
  std::vector<Run> m_runs;
  unsigned m_generation = 0;
  bool m_reading = false;
};

}  // namespace quotella
