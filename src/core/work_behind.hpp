#pragma once

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace brelosta {

// Does a second part of a long job on a thread of its own, one batch behind
// the caller: while the thread works through one batch the caller fills the
// next, and a full batch waits for the one before it, so at most two are
// held. What the work throws is thrown again to the caller at its next
// hand-over or at finish(); after it no batch is worked on. A job that never
// hands a batch on is worked on the caller's thread at finish(), and no
// thread is started for it. `Batch` has clear(), which the work's batches
// get once worked through.
template <class Batch>
class WorkBehind {
 public:
  // Both batches start as `empty`.
  explicit WorkBehind(std::function<void(Batch&)> work, const Batch& empty = Batch{})
      : work_(std::move(work)), filling_(empty), handed_(empty) {}
  WorkBehind(const WorkBehind&) = delete;
  WorkBehind& operator=(const WorkBehind&) = delete;
  ~WorkBehind() { stop(); }

  // The batch the caller fills.
  Batch& filling() { return filling_; }

  // Hands the filled batch to the thread, once it is through the one before.
  void handOn() {
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    rethrow();
    std::swap(handed_, filling_);
    busy_ = true;
    lock.unlock();
    changed_.notify_all();
  }

  // Works through what is left and waits for it; every batch handed on has
  // then been worked through.
  void finish() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy_; });
    rethrow();
    if (failed_) return;
    lock.unlock();
    work_(filling_);
    filling_.clear();
  }

  // Waits for the batch being worked on and ends the thread; what was not
  // handed on is dropped.
  void stop() {
    if (!thread_.joinable()) return;
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }

 private:
  // Under mutex_.
  void rethrow() {
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  }

  void run() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return busy_ || stopping_; });
      if (!busy_) return;
      // The batch is the thread's own until busy_ is cleared: worked on
      // without holding the lock. After a failure nothing more is done.
      const bool skip = failed_;
      lock.unlock();
      std::exception_ptr failure;
      if (!skip) {
        try {
          work_(handed_);
        } catch (...) {
          failure = std::current_exception();
        }
      }
      handed_.clear();
      lock.lock();
      if (failure) {
        failure_ = failure;
        failed_ = true;
      }
      busy_ = false;
      changed_.notify_all();
    }
  }

  std::function<void(Batch&)> work_;
  Batch filling_;
  std::mutex mutex_;
  std::condition_variable changed_;
  Batch handed_;  // being worked on by the thread, under mutex_
  bool busy_ = false;
  bool stopping_ = false;
  bool failed_ = false;                // a batch has thrown: the later ones are dropped
  std::exception_ptr failure_;         // what it threw, not yet thrown to the caller
  std::thread thread_;
};

}  // namespace brelosta
