#pragma once
// The race files of one import, written on a thread of their own while the
// next races convert, when the process may use more than one processor;
// written at once, one after the other, when it may use one.

#include <condition_variable>
#include <deque>
#include <exception>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

#include "racefile/race_lines.h"
#include "racefile/writer.h"

namespace tamikaze {

class RaceFileQueue {
 public:
  // Files go through `writer`, in the order they are handed in (which decides
  // the slot a race of a taken name gets).
  explicit RaceFileQueue(RaceFolderWriter& writer);
  // Stops the thread: files handed in but not written yet are dropped.
  ~RaceFileQueue();
  RaceFileQueue(const RaceFileQueue&) = delete;
  RaceFileQueue& operator=(const RaceFileQueue&) = delete;

  // Hands `lines` over to be written as a race file of `raceFileName`;
  // `lines` is left empty, with the room of an earlier race's lines. Throws
  // the error of a file written before.
  void Write(RaceLines& lines, const std::string& raceFileName);
  // Waits until every file handed in is written. Throws the error of the
  // first that could not be written; the files after it are not written.
  void Finish();

  // The files written so far, and the last of them.
  int Written() const;
  std::filesystem::path LastWritten() const;

 private:
  struct Race {
    RaceLines lines;
    std::string name;
  };

  void Save(Race& race);
  void WriteInTurn();
  void ThrowIfFailed();

  RaceFolderWriter& writer_;
  mutable std::mutex mutex_;
  RaceLines spare_;  // the lines of a race written, kept for their room
  std::condition_variable changed_;
  std::deque<Race> waiting_;
  bool writing_ = false;  // the thread holds a race taken from waiting_
  bool stopping_ = false;
  std::exception_ptr error_;
  int written_ = 0;
  std::filesystem::path last_;
  std::thread thread_;  // none when the process may use one processor only
};

}  // namespace tamikaze
