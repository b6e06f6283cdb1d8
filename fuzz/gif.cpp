// Fuzzes the GIF reader and the frame composer. With LW_FUZZ_SEED_DIR set it
// first writes a few small GIFs there as a seed corpus.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/gif_animator.h"
#include "slideshow/gif_image.h"
#include "tests/slideshow/gif_builder.h"

namespace {

using lw::test::GifBuilder;

void WriteSeeds(const std::string& dir) {
  const GifBuilder::Palette rgbw = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  std::vector<std::vector<uint8_t>> seeds;
  seeds.push_back(GifBuilder(4, 3, rgbw, 2).Image(0, 0, 4, 3, {0, 1, 2, 3, 3, 2, 1, 0, 0, 0, 1, 1}).Trailer().bytes);
  seeds.push_back(GifBuilder(6, 5, rgbw, 1)
                      .Loop()
                      .Control(3, 10, 0)
                      .Image(1, 1, 3, 3, {0, 1, 2, 3, 0, 1, 2, 3, 0})
                      .Control(2, 20)
                      .Image(0, 0, 6, 5, std::vector<uint8_t>(30, 1), {0xFFFFFF, 0xFF0000}, true, 2)
                      .Control(1, 30, 1)
                      .Image(2, 0, 2, 5, {0, 1, 1, 0, 0, 1, 1, 0, 0, 1})
                      .Trailer()
                      .bytes);
  // Strings, including one used while it is being defined, and a clear.
  seeds.push_back(GifBuilder(8, 2, rgbw, 0, "GIF87a")
                      .RawImage(0, 0, 8, 2, 2, GifBuilder::Encode(2, {4, 0, 6, 7, 1, 8, 4, 3, 3, 5}))
                      .Trailer()
                      .bytes);
  for (size_t i = 0; i < seeds.size(); ++i) {
    std::string path = dir + "/seed-" + std::to_string(i) + ".gif";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(seeds[i].data(), 1, seeds[i].size(), f);
      std::fclose(f);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (const char* dir = std::getenv("LW_FUZZ_SEED_DIR")) WriteSeeds(dir);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lw::GifImage img;
  if (!lw::ReadGif(std::vector<uint8_t>(data, data + size), img)) return 0;
  // Every frame costs up to two screens of work; keep one input short.
  const uint64_t screen = static_cast<uint64_t>(img.width) * img.height;
  uint64_t budget = uint64_t{1} << 26;
  lw::GifAnimator anim(std::make_shared<lw::GifImage>(std::move(img)));
  const size_t frames = anim.Image().frames.size();
  for (size_t k = 0; k < frames && budget >= screen; ++k, budget -= screen) anim.Render(k);
  if (frames > 1) anim.Render(0);  // going back starts over
  return 0;
}
