// Classification of the running Windows version, used to find the temporary
// folder and the exit link's browser. The query itself lives in the platform
// layer; the decision is here so it can be tested.
#pragma once
#include <string>

namespace lw {

struct OsVersion {
  enum Platform { kWin9x, kWinNT, kOther } platform = kOther;
  int major = 0;
  int minor = 0;
  std::string servicePack;  // the CSD text
  bool queryFailed = false;
};

// -1, or 0..7: Windows 95, 98, 98 SE, Me, NT 4 and older, 2000, XP, NT 6.x.
int ClassifyWindowsVersion(const OsVersion& v);

}  // namespace lw
