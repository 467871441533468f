#pragma once

#include <atomic>
#include <chrono>
#include <functional>

#include "app/main_window_state.hpp"
#include "app/toolkit.hpp"

namespace brelosta {

// What the toolkits of both windows share so that a file conversion can run
// on a thread of its own while the user-interface thread keeps the window:
// the cancel request, the wait cursor (switched on the user-interface
// thread) and the progress window, sent there as copies of its state at
// most every 40 ms, so that the user-interface thread never reads the window
// state while the conversion writes it. A window's toolkit says which thread
// runs, how a job reaches its user-interface thread and how its cursor and
// event loop are told.
class BackgroundRunToolkit : public Toolkit {
 public:
  explicit BackgroundRunToolkit(const MainWindowState& state) : state_(state) {}

  void setWaitCursor(bool on) override;
  void progressChanged(float value) override;
  bool cancelRequested() override;
  void endProgram() override;

  // Cancelar of the progress window during a file conversion.
  void requestCancel() { cancel_ = true; }
  // A new file conversion starts: no cancellation, no copy sent yet.
  void startRun();
  // The conversion has ended: a wait cursor it left on is switched off.
  void endRun();
  // Whether the program's windows show the wait cursor.
  bool waitCursorOn() const { return waitCursorDepth_ > 0; }

  // Runs a job on the user-interface thread later; callable from any thread.
  virtual void post(std::function<void()> job) = 0;

  // Shows a copy of the progress window's state; on the user-interface
  // thread.
  std::function<void(const ProgressWindowState&)> showProgress;
  // Ends the program; by default leaves the event loop.
  std::function<void()> onEndProgram;

 protected:
  virtual bool onConversionThread() const = 0;
  // The wait cursor was switched on or off once more (waitCursorOn tells
  // whether it still shows); on the user-interface thread.
  virtual void waitCursorSwitched(bool on) = 0;
  virtual void leaveEventLoop() = 0;

  const MainWindowState& state_;

 private:
  void sendProgress();
  void switchWaitCursor(bool on);

  std::atomic<bool> cancel_{false};
  int waitCursorDepth_ = 0;                                   // user-interface thread only
  std::chrono::steady_clock::time_point lastProgressSent_{};  // conversion thread only
  bool progressSent_ = false;                                 // conversion thread only
};

}  // namespace brelosta
