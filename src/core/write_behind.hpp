#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>

#include "core/work_behind.hpp"

namespace brelosta {

// Hands a file's bytes to the system on a thread of its own, so that the
// kernel's taking in of one chunk overlaps the making of the next: a large
// output file costs the run about as much time as its making alone. Bytes
// are gathered into chunks; while one chunk is being written the next one
// fills, and a full chunk waits for the one before it, so at most two
// chunks are held. A file that never fills a chunk is written on the
// caller's thread at finish(), and no thread is started for it.
class WriteBehind {
 public:
  // `write` hands bytes to the file and says whether it took them all.
  explicit WriteBehind(std::function<bool(std::string_view)> write) : write_(std::move(write)) {}

  // Waits for the chunk being written and ends the thread; what was not
  // handed on is dropped. The file may be closed after it.
  void stop() { behind_.stop(); }

  void write(std::string_view bytes);
  // Writes what is left and waits for it: true when every write succeeded.
  bool finish();
  // Whether a write has failed so far.
  bool failed() const { return failed_; }

 private:
  std::function<bool(std::string_view)> write_;
  // After a failure nothing more is written.
  std::atomic<bool> failed_ = false;
  // Last, so that its thread has stopped before the rest goes.
  WorkBehind<std::string> behind_{[this](const std::string& chunk) {
    if (!failed_ && !chunk.empty() && !write_(chunk)) failed_ = true;
  }};
};

}  // namespace brelosta
