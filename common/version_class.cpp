#include "common/version_class.h"

namespace lw {

int ClassifyWindowsVersion(const OsVersion& v) {
  if (v.queryFailed) return -1;
  if (v.platform == OsVersion::kWin9x) {
    if (v.major != 4) return -1;
    if (v.minor == 0) return 0;
    if (v.minor == 10) return v.servicePack.size() >= 2 && v.servicePack[1] == 'A' ? 2 : 1;
    if (v.minor == 90) return 3;
    return -1;
  }
  if (v.platform == OsVersion::kWinNT) {
    if (v.major <= 4) return 4;
    if (v.major == 5 && v.minor == 0) return 5;
    if (v.major == 5 && v.minor == 1) return 6;
    if (v.major == 6) return 7;
  }
  return -1;
}

}  // namespace lw
