#include "app/wordscores/scoredlistreader.h"

#include <QMetaObject>
#include <algorithm>

namespace quotella {

namespace {

ScoredListReader::Result ReadLists(ScoredWords words) {
  ScoredListReader::Result result;
  result.messages = LoadScoredWords(words);
  for (const ScoredEntry& entry : words.table.Sorted())
    if (entry.score >= words.minScore) ++result.usable;
  result.words = std::make_shared<const ScoredWords>(std::move(words));
  return result;
}

}  // namespace

ScoredListReader::ScoredListReader(Done done) : m_done(std::move(done)) {}

ScoredListReader::~ScoredListReader() {
  m_runs.clear();  // joins; what the workers posted goes with this object
}

void ScoredListReader::Read(ScoredWords choices) {
  // Only workers that have posted their result are joined: that takes no time.
  std::erase_if(m_runs, [](const Run& run) { return run.done->load(); });
  const unsigned generation = ++m_generation;
  m_reading = true;
  auto done = std::make_shared<std::atomic<bool>>(false);
  // The destructor joins the worker before this object goes, so `this` outlives it.
  std::jthread thread([this, choices = std::move(choices), generation, done]() mutable {
    Result result = ReadLists(std::move(choices));
    QMetaObject::invokeMethod(
        this, [this, generation, result = std::move(result)] { Finish(generation, result); },
        Qt::QueuedConnection);
    done->store(true);
  });
  m_runs.push_back({std::move(thread), std::move(done)});
}

void ScoredListReader::Finish(unsigned generation, const Result& result) {
  if (generation != m_generation) return;
  m_reading = false;
  m_done(result);
}

}  // namespace quotella
