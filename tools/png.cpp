#include "tools/png.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace lw {
namespace {

// Everything touched after setjmp lives here, so a longjmp leaves no object
// half destroyed.
bool WriteRows(FILE* file, int32_t w, int32_t h, int colorType, png_bytepp rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8, colorType,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 3);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WritePng(const std::string& path, const Bitmap& bmp, PngAlpha alpha) {
  if (bmp.Empty()) return false;
  const size_t channels = alpha == PngAlpha::kKeep ? 4 : 3;
  std::vector<png_byte> rgb(static_cast<size_t>(bmp.width) * bmp.height * channels);
  std::vector<png_bytep> rows(static_cast<size_t>(bmp.height));
  for (int32_t y = 0; y < bmp.height; ++y) {
    png_bytep out = rgb.data() + static_cast<size_t>(y) * bmp.width * channels;
    rows[y] = out;
    const uint32_t* in = bmp.Row(y);
    for (int32_t x = 0; x < bmp.width; ++x, out += channels) {
      out[0] = static_cast<png_byte>(in[x] >> 16);
      out[1] = static_cast<png_byte>(in[x] >> 8);
      out[2] = static_cast<png_byte>(in[x]);
      if (channels == 4) out[3] = static_cast<png_byte>(in[x] >> 24);
    }
  }
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const int colorType = channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB;
  const bool ok = WriteRows(file, bmp.width, bmp.height, colorType, rows.data());
  return std::fclose(file) == 0 && ok;
}

}  // namespace lw
