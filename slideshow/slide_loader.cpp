// LoadImage: an item becomes what the screen shows next.
#include <cctype>
#include <new>

#include "package/temp_files.h"
#include "slideshow/composition.h"
#include "slideshow/effect_choice.h"
#include "slideshow/placement.h"
#include "slideshow/slide_show.h"
#include "transitions/step_count.h"

namespace lw {
namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

bool IsVideoExt(const std::string& ext) {
  const std::string e = Upper(ext);
  return e == ".ASF" || e == ".WMV" || e == ".AVI" || e == ".MPEG" || e == ".MPG";
}

bool IsFlashExt(const std::string& ext) {
  const std::string e = Upper(ext);
  return e == ".SWF" || e == ".FLA";
}

bool IsGifExt(const std::string& ext) { return Upper(ext) == ".GIF"; }

void SlideShow::LoadImage(int32_t index, bool overDesktop) {
  RefreshBackground();
  const ItemRecord* item = Item(index);
  IsGifSlide = item && IsGifExt(ExtText(item->Ext));
  Bitmap frame = BackgroundBitmap;
  if (IsGifSlide) {
    GifBase = BackgroundBitmap;
    DrawLogo(GifBase);
    DrawCaption(index, GifBase);
  }
  // A failing step drops the frame and leaves the previous slide on screen;
  // FirstSlide then stays as it was.
  try {
    SlideScreen& screen = ports_.screen;
    if (overDesktop) {
      screen.CopyDesktop(frame);
      screen.MainImage().Store(frame, true);
    }
    if (!item) return;
    ports_.gif.StopGif();
    const int32_t mode = item->SizeMode != -1 ? item->SizeMode : data_.header.Stretch;
    const std::string ext = ExtText(item->Ext);
    const std::string path = ports_.files.TempFolder() + kTempSlide + ext;
    ports_.files.Extract(RecordMember(data_.layout, *item), path);
    if (IsVideoExt(ext)) {
      // The file stays until the video has played.
      if (!VideoBranch(index, mode, path, frame)) return;
    } else {
      ImageSurface* target = &screen.MainImage();
      if (!overDesktop && !PictureBranch(*item, index, mode, path, frame, target)) return;
      ShowFrame(*item, frame, *target);
      ports_.files.Delete(path);
    }
    FirstSlide = false;
  } catch (const std::bad_alloc&) {
    // No memory for this picture: it fails like an unreadable file.
  }
}

bool SlideShow::PictureBranch(const ItemRecord& item, int32_t index, int32_t mode, const std::string& path,
                              Bitmap& frame, ImageSurface*& target) {
  if (SlideHeld) {
    SlideHeld = false;
    SlidePicture.reset();
    SlideMask.reset();
  }
  Bitmap picture;
  if (IsGifSlide) {
    if (!ports_.gif.LoadGif(path, picture) || picture.Empty()) return false;
    SlidePicture = std::move(picture);
  } else {
    if (!ports_.pictures.Read(path, picture) || picture.Empty()) return false;
    // The picture drawn on a new, fully transparent bitmap of its size.
    FlattenOntoTransparent(picture);
    SlidePicture = std::move(picture);
  }
  ApplyFilters(*SlidePicture, item.Filters);
  SlideHeld = true;
  // An index beyond the mask records names no mask.
  if (item.MaskIndex >= 0 && static_cast<size_t>(item.MaskIndex) < data_.masks.size()) {
    SlideMask.emplace();
    LoadMask(item.MaskIndex, *SlideMask);
  }
  const Rect rect = PictureRect(mode, frame.width, frame.height, SlidePicture->width, SlidePicture->height);
  DrawIntoRect(*SlidePicture, frame, rect, !IsGifSlide, SlideMask ? &*SlideMask : nullptr);
  SlideRect = rect;

  ShownIndex = LastLoadedIndex = index;
  DrawLogo(frame);
  DrawCaption(index, frame);
  // With two monitors the picture slides alternate between them.
  ImageSurface* second = ports_.screen.SecondImage();
  MonitorToggle = ports_.host.DualMonitorActive() ? !MonitorToggle : true;
  ImageSurface* chosen = MonitorToggle || !second ? &ports_.screen.MainImage() : second;
  chosen->Store(frame, false);
  target = chosen;
  ShowSurface = chosen;
  return true;
}

void SlideShow::ShowFrame(const ItemRecord& item, Bitmap& frame, ImageSurface& target) {
  const PackageHeader& h = data_.header;
  if (item.SoundIndex >= 0 && !h.Mute) ports_.host.LoadEnterSound(item.SoundIndex);
  if (FirstSlide) {
    // The first slide appears at once, on both monitors.
    const Rect all = frame.BoundsRect();
    ports_.screen.MainImage().Canvas().CopyRect(all, frame, all);
    ImageSurface* second = ports_.screen.SecondImage();
    if (ports_.host.DualMonitorActive() && second) {
      second->Canvas().CopyRect(all, frame, all);
      second->Store(frame, false);
    }
    ports_.gif.AnimateGif();
    return;
  }
  const bool own = item.EffectSpeed != -1;
  const std::string& effects = own ? item.Effect : data_.effect;
  const int32_t speed = own ? item.EffectSpeed : h.EffectSpeed;
  const int32_t steps = SlideStepCount(speed, frame.width);
  if (!ports_.transitions.Start(target.Canvas(), frame, RandomEffect(effects), steps, [this] { RestartTimer(); }))
    ports_.gif.AnimateGif();
}

bool SlideShow::VideoBranch(int32_t index, int32_t mode, const std::string& path,
                            Bitmap& frame) {
  SlideScreen& screen = ports_.screen;
  VideoPlayer& video = ports_.video;
  // Background and logo show around the video; no caption, mask or filters.
  DrawLogo(frame);
  ImageSurface* second = screen.SecondImage();
  if (ports_.host.DualMonitorActive() && second) second->Store(frame, true);
  screen.MainImage().Store(frame, true);

  if (!video.Open(path)) return false;
  const Rect natural = video.NaturalRect();
  video.PlaceInPanel(PlaceVideoPanel(mode, screen.ScreenWidth(), screen.ScreenHeight(), natural));
  if (data_.header.MuteVideos) video.Silence();
  if (!video.Play()) return false;

  ports_.timer.SetEnabled(false);
  VideoPlaying = true;
  ShownIndex = -1;
  LastLoadedIndex = index;
  data_.header.DesktopStart = 0;
  return true;
}

}  // namespace lw
