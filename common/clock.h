// Port: the millisecond tick counter and sleeping (GetTickCount / Sleep).
#pragma once
#include <cstdint>

namespace lw {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t TickCount() = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

}  // namespace lw
