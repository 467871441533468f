#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

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
  WriteBehind(const WriteBehind&) = delete;
  WriteBehind& operator=(const WriteBehind&) = delete;
  ~WriteBehind() { stop(); }

  // Waits for the chunk being written and ends the thread; what was not
  // handed on is dropped. The file may be closed after it.
  void stop();

  void write(std::string_view bytes);
  // Writes what is left and waits for it: true when every write succeeded.
  bool finish();
  // Whether a write has failed so far.
  bool failed() const;

 private:
  void handOn();
  void run();

  std::function<bool(std::string_view)> write_;
  std::string filling_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::string handed_;  // being written by the thread, under mutex_
  bool busy_ = false;
  bool stopping_ = false;
  bool failed_ = false;
  std::thread thread_;
};

}  // namespace brelosta
