// Colour values as packages and settings store them: red in the low byte, or a
// system colour (high byte 0xFF, index in the low byte); kNoColor means none.
// Bitmap pixels are ARGB with blue lowest; these helpers convert between them.
#pragma once
#include <cstdint>

namespace lw {

using ColorValue = int32_t;
constexpr ColorValue kNoColor = 0x1FFFFFFF;

constexpr ColorValue RGBValue(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<ColorValue>(r | (g << 8) | (b << 16));
}
constexpr uint8_t RedOf(ColorValue c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GreenOf(ColorValue c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t BlueOf(ColorValue c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(ColorValue c) { return (static_cast<uint32_t>(c) >> 24) == 0xFF; }

// Looks up a system colour's RGB value by index; set by the platform at start.
// Without a lookup the classic Windows defaults apply.
using SysColorLookup = ColorValue (*)(int index);
void SetSysColorLookup(SysColorLookup lookup);

// A colour value resolved to RGB (system colours looked up). kNoColor stays as is.
ColorValue ResolveColor(ColorValue c);
// Resolved colour as an opaque ARGB pixel.
uint32_t ColorToPixel(ColorValue c);
// ARGB pixel to an RGB colour value (alpha dropped).
constexpr ColorValue PixelToColor(uint32_t p) {
  return RGBValue(static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p));
}

}  // namespace lw
