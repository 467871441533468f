#include "core/write_behind.hpp"

namespace brelosta {
namespace {

// Large enough that the hand-over costs nothing beside the writing, small
// enough that two chunks keep the run's memory small.
constexpr std::size_t kChunkSize = std::size_t{512} << 10;

}  // namespace

void WriteBehind::stop() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void WriteBehind::write(std::string_view bytes) {
  filling_ += bytes;
  if (filling_.size() >= kChunkSize) handOn();
}

void WriteBehind::handOn() {
  if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !busy_; });
  handed_.swap(filling_);
  busy_ = true;
  lock.unlock();
  changed_.notify_all();
  filling_.clear();
}

void WriteBehind::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return busy_ || stopping_; });
    if (!busy_) return;
    // The chunk is the thread's own until busy_ is cleared: written
    // without holding the lock. After a failure nothing more is written.
    const bool skip = failed_;
    lock.unlock();
    const bool written = skip || write_(handed_);
    lock.lock();
    if (!written) failed_ = true;
    busy_ = false;
    changed_.notify_all();
  }
}

bool WriteBehind::failed() const {
  const std::lock_guard lock(mutex_);
  return failed_;
}

bool WriteBehind::finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !busy_; });
  if (!failed_ && !filling_.empty() && !write_(filling_)) failed_ = true;
  filling_.clear();
  return !failed_;
}

}  // namespace brelosta
