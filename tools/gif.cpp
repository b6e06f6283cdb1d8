// lumaweave gif FILE --out DIR: writes every composed frame of an animated
// GIF as DIR/frame-0001.png, ... (the logical screen, transparent pixels with
// alpha 0) and lists each frame's delay and whether the animation loops.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "slideshow/gif_animator.h"
#include "slideshow/gif_image.h"
#include "tools/commands.h"
#include "tools/png.h"

namespace lw {
namespace {

int Usage() {
  std::fputs("usage: lumaweave gif FILE --out DIR\n", stderr);
  return 2;
}

int RunGif(const std::vector<std::string>& args) {
  std::string path, dir;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out" && i + 1 < args.size() && dir.empty())
      dir = args[++i];
    else if (path.empty() && !args[i].empty() && args[i][0] != '-')
      path = args[i];
    else
      return Usage();
  }
  if (path.empty() || dir.empty()) return Usage();

  auto image = std::make_shared<GifImage>();
  std::string error;
  if (!ReadGifFile(path, *image, &error)) {
    std::fprintf(stderr, "lumaweave gif: %s: %s\n", path.c_str(), error.c_str());
    return 1;
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);

  GifAnimator animator(image);
  for (size_t k = 0; k < image->frames.size(); ++k) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04zu.png", k + 1);
    const std::string out = (std::filesystem::path(dir) / name).string();
    if (!WritePng(out, animator.Render(k), PngAlpha::kKeep)) {
      std::fprintf(stderr, "lumaweave gif: cannot write %s\n", out.c_str());
      return 1;
    }
    std::printf("frame %zu: %u ms\n", k + 1, static_cast<unsigned>(image->frames[k].delayMs));
  }
  std::printf("loop: %s\n", image->loops ? "yes" : "no");
  return 0;
}

CommandRegistration reg{{"gif", "write the frames of an animated GIF as PNGs, with delays and looping", RunGif}};

}  // namespace
}  // namespace lw
