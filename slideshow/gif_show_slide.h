// The show's GIF slide as the GIF player sees it. The player exists before
// the show (the show takes it as its GIF port), so the show is bound later:
//
//   ShowGifSlide gifSlide;
//   GifPlayer gifPlayer(gifTimer, gifSlide);
//   SlideShow show(data, {..., gifPlayer, ...});
//   gifSlide.show = &show;
#pragma once
#include "slideshow/gif_player.h"
#include "slideshow/slide_show.h"

namespace lw {

class ShowGifSlide : public GifSlide {
 public:
  const Bitmap& GifBase() const override { return show->GifBase; }
  Rect SlideRect() const override { return show->SlideRect; }
  // Nothing to paint on until a show is bound.
  ImageSurface* ShowSurface() override { return show ? show->ShowSurface : nullptr; }

  const SlideShow* show = nullptr;
};

}  // namespace lw
