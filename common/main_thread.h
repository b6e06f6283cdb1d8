// Port: the user-interface thread. Workers hand it work in two ways: a call
// that returns only after the UI thread has run it, and a queued call.
#pragma once
#include <functional>

namespace lw {

class MainThread {
 public:
  virtual ~MainThread() = default;
  // Runs fn on the UI thread and returns after it has run (runs inline when
  // called from the UI thread itself).
  virtual void RunSync(const std::function<void()>& fn) = 0;
  // Queues fn to run on the UI thread later.
  virtual void Post(std::function<void()> fn) = 0;
  // Runs what is queued for the UI thread; called from the UI thread only.
  virtual void ProcessPending() = 0;
};

}  // namespace lw
