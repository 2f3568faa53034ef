#include "import/race_file_queue.h"

#include <sched.h>

#include <utility>

namespace tamikaze {
namespace {

// Races converted ahead of the writing: enough to keep both threads busy,
// few enough that their lines take no memory to speak of.
constexpr std::size_t kRacesAhead = 8;

// Whether this process may run on more than one processor (taskset, cgroup
// cpusets and the like narrow it down).
bool SeveralProcessors() {
  cpu_set_t set;
  CPU_ZERO(&set);
  return sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 1;
}

}  // namespace

RaceFileQueue::RaceFileQueue(RaceFolderWriter& writer) : writer_(writer) {
  if (SeveralProcessors()) thread_ = std::thread([this] { WriteInTurn(); });
}

RaceFileQueue::~RaceFileQueue() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void RaceFileQueue::Write(RaceLines& lines, const std::string& raceFileName) {
  Race race{RaceLines(), raceFileName};
  std::unique_lock<std::mutex> lock(mutex_);
  std::swap(race.lines, spare_);
  std::swap(race.lines, lines);
  lines.clear();
  lock.unlock();
  if (!thread_.joinable()) return Save(race);
  lock.lock();
  changed_.wait(lock, [this] { return waiting_.size() < kRacesAhead || error_; });
  ThrowIfFailed();
  waiting_.push_back(std::move(race));
  lock.unlock();
  changed_.notify_all();
}

void RaceFileQueue::Finish() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return (waiting_.empty() && !writing_) || error_; });
  ThrowIfFailed();
}

int RaceFileQueue::Written() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return written_;
}

std::filesystem::path RaceFileQueue::LastWritten() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return last_;
}

// Writes one race file; without a thread, on the caller's, whose error it is.
void RaceFileQueue::Save(Race& race) {
  std::filesystem::path path = writer_.Save(race.lines, race.name);
  const std::lock_guard<std::mutex> lock(mutex_);
  ++written_;
  last_ = std::move(path);
  std::swap(spare_, race.lines);
}

void RaceFileQueue::WriteInTurn() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
    if (stopping_) return;
    Race race = std::move(waiting_.front());
    waiting_.pop_front();
    writing_ = true;
    lock.unlock();
    std::exception_ptr error;
    try {
      Save(race);
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    writing_ = false;
    if (error) {
      error_ = error;
      waiting_.clear();
    }
    changed_.notify_all();
    if (error_) return;
  }
}

void RaceFileQueue::ThrowIfFailed() {
  if (error_) std::rethrow_exception(error_);
}

}  // namespace tamikaze
