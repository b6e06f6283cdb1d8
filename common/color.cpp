#include "common/color.h"

namespace lw {
namespace {
// Classic Windows default system colours, COLOR_SCROLLBAR (0) .. COLOR_MENUBAR (30).
constexpr ColorValue kDefaultSysColors[] = {
    RGBValue(200, 200, 200), RGBValue(0, 128, 128),   RGBValue(0, 0, 128),     RGBValue(128, 128, 128),
    RGBValue(192, 192, 192), RGBValue(255, 255, 255), RGBValue(0, 0, 0),       RGBValue(0, 0, 0),
    RGBValue(0, 0, 0),       RGBValue(255, 255, 255), RGBValue(192, 192, 192), RGBValue(192, 192, 192),
    RGBValue(128, 128, 128), RGBValue(0, 0, 128),     RGBValue(255, 255, 255), RGBValue(192, 192, 192),
    RGBValue(128, 128, 128), RGBValue(128, 128, 128), RGBValue(0, 0, 0),       RGBValue(192, 192, 192),
    RGBValue(255, 255, 255), RGBValue(0, 0, 0),       RGBValue(223, 223, 223), RGBValue(0, 0, 0),
    RGBValue(255, 255, 225), RGBValue(180, 180, 180), RGBValue(0, 0, 255),     RGBValue(16, 132, 208),
    RGBValue(181, 181, 181), RGBValue(0, 0, 128),     RGBValue(192, 192, 192)};

SysColorLookup g_lookup = nullptr;
}  // namespace

void SetSysColorLookup(SysColorLookup lookup) { g_lookup = lookup; }

ColorValue ResolveColor(ColorValue c) {
  if (c == kNoColor || !IsSystemColor(c)) return c;
  int index = c & 0xFF;
  if (g_lookup) return g_lookup(index);
  constexpr int kCount = sizeof(kDefaultSysColors) / sizeof(kDefaultSysColors[0]);
  return index < kCount ? kDefaultSysColors[index] : 0;
}

uint32_t ColorToPixel(ColorValue c) {
  ColorValue v = ResolveColor(c);
  return 0xFF000000u | (uint32_t(RedOf(v)) << 16) | (uint32_t(GreenOf(v)) << 8) | BlueOf(v);
}

}  // namespace lw
