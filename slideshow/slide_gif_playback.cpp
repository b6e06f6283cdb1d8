#include "slideshow/slide_gif_playback.h"

namespace lw {

SlideGifPlayback::SlideGifPlayback(Timer& gifTimer, const ColorValue& backColor)
    : player_(gifTimer, *this), backColor_(backColor) {}

bool SlideGifPlayback::LoadGif(const std::string& path, Bitmap& firstFrame) {
  player_.GifFileName = path;
  player_.GifFrameIndex = 0;
  if (!player_.LoadGif()) return false;
  firstFrame = player_.Animator()->Render(0);
  // Transparent pixels carry the background colour, so a stretched edge
  // blends toward it rather than toward black.
  const uint32_t clear = ColorToPixel(backColor_) & 0x00FFFFFFu;
  for (uint32_t& p : firstFrame.pixels)
    if ((p >> 24) == 0) p = clear;
  return true;
}

const Bitmap& SlideGifPlayback::GifBase() const { return show_ ? show_->GifBase : noBase_; }

Rect SlideGifPlayback::SlideRect() const { return show_ ? show_->SlideRect : Rect{}; }

void SlideGifPlayback::SurfaceTarget::CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) {
  if (!show_ || !show_->ShowSurface) return;
  if (dstRect == src.BoundsRect() && srcRect == src.BoundsRect())
    show_->ShowSurface->Store(src, true);
  else
    show_->ShowSurface->Canvas().CopyRect(dstRect, src, srcRect);
}

void SlideGifPlayback::SurfaceTarget::Snapshot(Bitmap& into) {
  if (show_ && show_->ShowSurface) show_->ShowSurface->Canvas().Snapshot(into);
}

}  // namespace lw
