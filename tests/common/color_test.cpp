#include "common/color.h"
#include "common/version_class.h"

#include <gtest/gtest.h>

namespace lw {

TEST(Color, RedLowValuesBecomeArgbPixels) {
  EXPECT_EQ(ColorToPixel(RGBValue(0x11, 0x22, 0x33)), 0xFF112233u);
  EXPECT_EQ(PixelToColor(0x80112233u), RGBValue(0x11, 0x22, 0x33));
  // COLOR_WINDOW (5) by the classic defaults: white.
  EXPECT_EQ(ColorToPixel(static_cast<ColorValue>(0xFF000005)), 0xFFFFFFFFu);
  EXPECT_EQ(ResolveColor(kNoColor), kNoColor);
}

TEST(VersionClass, ClassifiesEveryKnownSystem) {
  using P = OsVersion;
  struct Case { OsVersion v; int out; } cases[] = {
      {{P::kWin9x, 4, 0, ""}, 0},      {{P::kWin9x, 4, 10, ""}, 1},   {{P::kWin9x, 4, 10, " A "}, 2},
      {{P::kWin9x, 4, 10, "A"}, 1},    {{P::kWin9x, 4, 90, ""}, 3},   {{P::kWin9x, 4, 3, ""}, -1},
      {{P::kWinNT, 3, 51, ""}, 4},     {{P::kWinNT, 4, 0, ""}, 4},    {{P::kWinNT, 5, 0, ""}, 5},
      {{P::kWinNT, 5, 1, ""}, 6},      {{P::kWinNT, 5, 2, ""}, -1},   {{P::kWinNT, 6, 3, ""}, 7},
      {{P::kWinNT, 10, 0, ""}, -1},    {{P::kOther, 6, 1, ""}, -1},   {{P::kWinNT, 6, 1, "", true}, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ClassifyWindowsVersion(c.v), c.out) << c.v.major << "." << c.v.minor << " '" << c.v.servicePack << "'";
}

}  // namespace lw
