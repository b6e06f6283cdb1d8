// The slide show's animated GIFs, played by GifPlayer over what slide loading
// left: the base picture, the slide's rectangle and the image control that
// received the slide.
//
//   SlideGifPlayback gifs(gifTimer, header.BackColor);
//   SlideShow show(data, {..., gifs, ...});
//   gifs.Attach(show);
#pragma once
#include <string>

#include "common/color.h"
#include "common/timer.h"
#include "slideshow/gif_player.h"
#include "slideshow/slide_gif.h"
#include "slideshow/slide_show.h"

namespace lw {

class SlideGifPlayback : public SlideGif, public GifSlide {
 public:
  // backColor is the live background colour that transparent pixels take.
  SlideGifPlayback(Timer& gifTimer, const ColorValue& backColor);
  // The show whose GIF slides are played.
  void Attach(const SlideShow& show) { show_ = &show; }

  void StopGif() override { player_.StopGif(); }
  bool LoadGif(const std::string& path, Bitmap& firstFrame) override;
  void AnimateGif() override { player_.AnimateGif(); }

  const Bitmap& GifBase() const override;
  Rect SlideRect() const override;
  PaintTarget& ShowSurface() override { return surface_; }

  GifPlayer& Player() { return player_; }

 private:
  // Whole frames copied here become the picture of the control that shows
  // the slide, and the control repaints.
  class SurfaceTarget : public PaintTarget {
   public:
    explicit SurfaceTarget(const SlideShow*& show) : show_(show) {}
    void CopyRect(const Rect& dstRect, const Bitmap& src, const Rect& srcRect) override;
    void Snapshot(Bitmap& into) override;

   private:
    const SlideShow*& show_;
  };

  GifPlayer player_;
  const ColorValue& backColor_;
  const SlideShow* show_ = nullptr;
  SurfaceTarget surface_{show_};
  Bitmap noBase_;
};

}  // namespace lw
