#include "slideshow/gif_player.h"

#include <algorithm>

#include "gfx/draw.h"

namespace lw {

GifPlayer::GifPlayer(Timer& gifTimer, GifSlide& slide) : timer_(gifTimer), slide_(slide) {
  timer_.OnTimer = [this] { GifTimerTimer(); };
}

bool GifPlayer::LoadGif() {
  StopGif();
  auto image = std::make_shared<GifImage>();
  if (!ReadGifFile(GifFileName, *image)) return false;
  image_ = std::move(image);
  animator_ = std::make_unique<GifAnimator>(image_);
  return true;
}

void GifPlayer::AnimateGif() {
  if (!image_ || image_->frames.size() < 2) return;
  timer_.SetInterval(1);
  timer_.SetEnabled(true);
}

void GifPlayer::GifTimerTimer() {
  timer_.SetEnabled(false);
  if (!animator_ || image_->frames.empty()) return;
  const size_t count = image_->frames.size();
  if (GifFrameIndex < 0 || static_cast<size_t>(GifFrameIndex) >= count) return;

  Bitmap frame = animator_->Render(static_cast<size_t>(GifFrameIndex));
  frame.drawMode = image_->transparent ? DrawMode::kBlend : DrawMode::kOpaque;
  frame.filter = StretchFilter::kLinear;
  Bitmap shown = slide_.GifBase();
  Draw(shown, slide_.SlideRect(), frame, frame.BoundsRect());
  slide_.ShowSurface().CopyRect(shown.BoundsRect(), shown, shown.BoundsRect());

  // The frame just drawn stays for its own delay.
  const uint32_t delay = std::max(image_->frames[static_cast<size_t>(GifFrameIndex)].delayMs, kGifMinFrameDelayMs);
  ++GifFrameIndex;
  if (static_cast<size_t>(GifFrameIndex) == count) {
    if (!image_->loops) return;  // a GIF that plays once rests on its last frame
    GifFrameIndex = 0;
  }
  timer_.SetInterval(delay);
  timer_.SetEnabled(true);
}

void GifPlayer::StopGif() {
  timer_.SetEnabled(false);
  animator_.reset();
  image_.reset();
}

}  // namespace lw
