// The slide show's background, logo, mask and caption, as they come from the
// package.
#include "common/random.h"
#include "package/temp_files.h"
#include "slideshow/background.h"
#include "slideshow/gradient.h"
#include "slideshow/overlays.h"
#include "slideshow/slide_show.h"

namespace lw {

void SlideShow::PaintBackground() {
  const PackageHeader& h = data_.header;
  PaintGradient(BackgroundBitmap, h.GradientStyle, h.BackColor, h.BackColor2, BackgroundBitmap.BoundsRect());
  if (BackgroundPicture)
    DrawBackgroundPicture(BackgroundBitmap, BackgroundBitmap.width, BackgroundBitmap.height, h.BackgroundMode,
                          *BackgroundPicture);
}

bool SlideShow::PrepareBackground(int32_t W, int32_t H) {
  PackageHeader& h = data_.header;
  BackgroundBitmap.SetSize(W, H);
  BackgroundPicture.reset();
  if (h.DesktopBackground)
    ports_.screen.CopyDesktop(BackgroundBitmap);
  else
    PaintGradient(BackgroundBitmap, h.GradientStyle, h.BackColor, h.BackColor2, BackgroundBitmap.BoundsRect());
  if (h.BackgroundStoredSize == 0) return true;
  const std::string path = ports_.files.TempFolder() + kTempBackground + ExtText(h.BackgroundExt);
  ports_.files.Extract(BackgroundMember(data_.layout, h), path);
  Bitmap picture;
  if (!ports_.pictures.Read(path, picture)) return false;
  DrawBackgroundPicture(BackgroundBitmap, W, H, h.BackgroundMode, picture);
  BackgroundPicture = std::move(picture);
  return true;
}

void SlideShow::RefreshBackground() {
  PackageHeader& h = data_.header;
  if (!h.RepaintBackground || h.DesktopBackground) return;
  if (h.RandomColors) {
    h.BackColor = RandomColorValue();
    h.BackColor2 = RandomColorValue();
  }
  if (h.RandomGradient) h.GradientStyle = Random(8) + 1;
  PaintBackground();
}

void SlideShow::LoadLogo() {
  const PackageHeader& h = data_.header;
  LogoBitmap.reset();
  if (h.LogoStoredSize <= 0) return;
  const std::string path = ports_.files.TempFolder() + kTempLogo + ExtText(h.LogoExt);
  ports_.files.Extract(LogoMember(data_.layout, h), path);
  Bitmap picture;
  if (!ports_.pictures.Read(path, picture)) return;
  LogoBitmap = MakeLogoBitmap(picture, h.LogoTransparentColor);
}

void SlideShow::LoadMask(int32_t maskIndex, Bitmap& mask) {
  if (maskIndex < 0 || static_cast<size_t>(maskIndex) >= data_.masks.size()) return;
  const MaskRecord& record = data_.masks[static_cast<size_t>(maskIndex)];
  const std::string path = ports_.files.TempFolder() + MaskTempName(record.Format);
  ports_.files.Extract(RecordMember(data_.layout, record), path);
  Bitmap picture;
  if (!ports_.pictures.Read(path, picture)) return;
  mask = MaskFromPicture(std::move(picture), record.Format);
  ports_.files.Delete(path);
}

void SlideShow::DrawLogo(Bitmap& target) {
  const PackageHeader& h = data_.header;
  if (LogoBitmap) lw::DrawLogo(target, *LogoBitmap, h.LogoAnchor, h.LogoX, h.LogoY);
}

void SlideShow::DrawCaption(int32_t index, Bitmap& target) {
  const ItemRecord* item = Item(index);
  if (!item || item->Caption.empty()) return;
  TextBlockStyle s;
  s.textColor = item->CaptionColor;
  s.backColor = item->CaptionBackColor;
  s.fontName = item->CaptionFont;
  s.size = item->CaptionSize;
  s.style = item->CaptionStyle;
  s.x = item->CaptionX;
  s.y = item->CaptionY;
  s.anchor = item->CaptionAnchor;
  s.transparent = item->CaptionTransparent != 0;
  s.perLine = item->CaptionPerLine != 0;
  s.shadow = item->CaptionShadow != 0;
  DrawTextBlock(ports_.text, target, item->Caption, s);
}

}  // namespace lw
