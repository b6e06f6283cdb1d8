// Port: a UI-thread timer (the slide timer, the GIF timer, ...). It fires
// OnTimer on the UI thread every Interval ms while enabled. Setting the
// interval of a running timer restarts its count.
#pragma once
#include <cstdint>
#include <functional>

namespace lw {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetInterval(uint32_t ms) = 0;
  virtual uint32_t Interval() const = 0;
  std::function<void()> OnTimer;
};

}  // namespace lw
