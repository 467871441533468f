#include "app/background_run_toolkit.hpp"

namespace brelosta {
namespace {

// Copies of the progress window go out at most this often while a file
// conversion runs.
constexpr auto kProgressInterval = std::chrono::milliseconds(40);

}  // namespace

void BackgroundRunToolkit::switchWaitCursor(bool on) {
  if (on) {
    ++waitCursorDepth_;
  } else if (waitCursorDepth_ > 0) {
    --waitCursorDepth_;
  } else {
    return;
  }
  waitCursorSwitched(on);
}

void BackgroundRunToolkit::setWaitCursor(bool on) {
  if (!onConversionThread()) {
    switchWaitCursor(on);
    return;
  }
  sendProgress();
  post([this, on] { switchWaitCursor(on); });
}

void BackgroundRunToolkit::sendProgress() {
  const auto now = std::chrono::steady_clock::now();
  if (progressSent_ && now - lastProgressSent_ < kProgressInterval) return;
  progressSent_ = true;
  lastProgressSent_ = now;
  post([this, copy = state_.Progreso] {
    if (showProgress) showProgress(copy);
  });
}

void BackgroundRunToolkit::progressChanged(float /*value*/) {
  if (onConversionThread())
    sendProgress();
  else if (showProgress)
    showProgress(state_.Progreso);
}

bool BackgroundRunToolkit::cancelRequested() {
  if (onConversionThread()) sendProgress();
  return cancel_;
}

void BackgroundRunToolkit::startRun() {
  cancel_ = false;
  progressSent_ = false;
}

void BackgroundRunToolkit::endRun() {
  while (waitCursorDepth_ > 0) switchWaitCursor(false);
}

void BackgroundRunToolkit::endProgram() {
  const auto end = [this] {
    if (onEndProgram)
      onEndProgram();
    else
      leaveEventLoop();
  };
  if (onConversionThread())
    post(end);
  else
    end();
}

}  // namespace brelosta
