// The slide show: which item comes next and when (the scheduler), and how an
// item becomes the frame that a transition brings on screen (loading and
// composition over the background, with logo, caption and mask).
//
// The main window owns one SlideShow and wires it to its controls:
//
//   SlideShow show(data, ports);          // ports: timer, reader, screen, ...
//   show.PrepareBackground(W, H);         // while reading the package
//   show.LoadLogo();
//   show.StartShow();                     // first slide, slide timer armed
//   ... the slide timer calls TimerTimer; a transition's end calls RestartTimer
//
// Everything runs on the UI thread.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/timer.h"
#include "gfx/bitmap.h"
#include "package/package_header.h"
#include "package/package_records.h"
#include "slideshow/member_files.h"
#include "slideshow/picture_reader.h"
#include "slideshow/show_host.h"
#include "slideshow/slide_gif.h"
#include "slideshow/slide_screen.h"
#include "slideshow/slide_transitions.h"
#include "slideshow/text_renderer.h"
#include "slideshow/video_player.h"

namespace lw {

// The package as the show reads it. The header doubles as the live settings;
// `effect` is the global effect selection text.
struct ShowData {
  PackageHeader& header;
  std::string& effect;
  std::vector<ItemRecord>& items;
  const std::vector<MaskRecord>& masks;
  const PackageLayout& layout;
};

struct SlideShowPorts {
  Timer& timer;  // the slide timer
  PictureReader& pictures;
  TextRenderer& text;
  MemberFiles& files;
  SlideScreen& screen;
  VideoPlayer& video;
  SlideTransitions& transitions;
  SlideGif& gif;
  ShowHost& host;
};

// Item kinds by extension (compared without regard to case).
bool IsVideoExt(const std::string& ext);   // .ASF .WMV .AVI .MPEG .MPG
bool IsFlashExt(const std::string& ext);   // .SWF .FLA
bool IsGifExt(const std::string& ext);     // .GIF

class SlideShow {
 public:
  // Takes over the slide timer's tick.
  SlideShow(const ShowData& data, const SlideShowPorts& ports);

  // --- Start and background ---
  // Sizes the background to W x H and paints it: the desktop copy or the
  // gradient, then the package's background picture. False when that picture
  // cannot be read (the package counts as damaged).
  bool PrepareBackground(int32_t W, int32_t H);
  // Reads the package's logo; without one, or when it cannot be read, no logo.
  void LoadLogo();
  // Chooses and shows the first slide and arms the slide timer.
  void StartShow();

  // --- Scheduler ---
  void TimerTimer();
  // Completion of a slide's transition.
  void RestartTimer();
  // Advances NextIndex by the display order.
  void ChooseNextCounter();
  // The Back command's choice: the item before the one on screen (sequential
  // order), or simply the next draw.
  void ChooseBack();

  // --- Loading and composition ---
  // Composes item `index` (or nothing for -1) and brings it on screen.
  void LoadImage(int32_t index, bool overDesktop);
  // Fills mask with mask record maskIndex; left empty when it cannot be read.
  void LoadMask(int32_t maskIndex, Bitmap& mask);
  void DrawLogo(Bitmap& target);
  void DrawCaption(int32_t index, Bitmap& target);

  // Scheduling state.
  int32_t NextIndex = -1;
  int32_t PreviousIndex = 0;
  bool StepBack = false;
  std::vector<int32_t> ItemOrder;

  // Slide state.
  Bitmap BackgroundBitmap;
  std::optional<Bitmap> BackgroundPicture;
  std::optional<Bitmap> LogoBitmap;
  std::optional<Bitmap> SlidePicture;
  std::optional<Bitmap> SlideMask;
  bool SlideHeld = false;
  Rect SlideRect;
  bool IsGifSlide = false;
  // Background, logo and caption of a GIF slide: the base of its later frames.
  Bitmap GifBase;
  // The image control that received the current picture slide.
  ImageSurface* ShowSurface = nullptr;
  bool MonitorToggle = false;
  bool FirstSlide = false;
  bool VideoPlaying = false;
  int32_t ShownIndex = 0;
  int32_t LastLoadedIndex = 0;

 private:
  int32_t ItemCount() const { return static_cast<int32_t>(data_.items.size()); }
  const ItemRecord* Item(int32_t index) const;
  uint32_t SlideInterval() const;
  void FillItemOrder(int32_t prev);
  void RefreshBackground();
  void PaintBackground();
  bool PictureBranch(const ItemRecord& item, int32_t index, int32_t mode, const std::string& path, Bitmap& frame,
                     ImageSurface*& target);
  bool VideoBranch(int32_t index, int32_t mode, const std::string& path, Bitmap& frame);
  void ShowFrame(const ItemRecord& item, Bitmap& frame, ImageSurface& target);

  ShowData data_;
  SlideShowPorts ports_;
};

}  // namespace lw
