// In-memory stand-ins for the slide show's ports, and a fixture that builds a
// show from item records.
#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/timer.h"
#include "gfx/bitmap.h"
#include "gfx/copy.h"
#include "gfx/memory_target.h"
#include "package/package_header.h"
#include "package/package_records.h"
#include "slideshow/slide_show.h"
#include "transitions/transition_state.h"

namespace lw::test {

class FakeTimer : public Timer {
 public:
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void SetInterval(uint32_t ms) override { interval = ms; }
  uint32_t Interval() const override { return interval; }
  void Fire() { OnTimer(); }
  bool enabled = false;
  uint32_t interval = 5000;
};

// Files hold the position of the member extracted into them; pictures are
// found by that position.
class FakeFiles : public MemberFiles {
 public:
  std::string TempFolder() override { return folder; }
  void Extract(const MemberRef& m, const std::string& path) override {
    files[path] = m.position;
    extracted.push_back(path);
  }
  void Delete(const std::string& path) override {
    files.erase(path);
    deleted.push_back(path);
  }
  std::string folder = "/tmp/lw/";
  std::map<std::string, int64_t> files;
  std::vector<std::string> extracted, deleted;
};

class FakePictures : public PictureReader {
 public:
  explicit FakePictures(FakeFiles& files) : files_(files) {}
  bool Read(const std::string& path, Bitmap& out) override {
    auto f = files_.files.find(path);
    if (f == files_.files.end()) return false;
    auto p = byPosition.find(f->second);
    if (p == byPosition.end()) return false;
    out = p->second;
    return true;
  }
  std::map<int64_t, Bitmap> byPosition;

 private:
  FakeFiles& files_;
};

// Text 8 pixels wide per character and 10 pixels high per line.
class FakeText : public TextRenderer {
 public:
  struct Call {
    std::string kind;  // "block" or "line"
    Rect rect;         // block: its rect; line: (x, y, x, y)
    std::string text;
    FontSpec font;
    uint32_t color;
  };
  TextExtent Measure(const std::string& text, const FontSpec&) override {
    int32_t widest = 0, lines = 1, cur = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' || text[i] == '\n') {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (i + 1 < text.size()) ++lines;
        cur = 0;
      } else {
        widest = std::max(widest, ++cur);
      }
    }
    return TextExtent{8 * widest, 10 * lines};
  }
  void DrawBlock(Bitmap&, const Rect& rect, const std::string& text, const FontSpec& font,
                 uint32_t color) override {
    calls.push_back({"block", rect, text, font, color});
  }
  void RenderLine(Bitmap&, int32_t x, int32_t y, const std::string& line, const FontSpec& font,
                  uint32_t color) override {
    calls.push_back({"line", Rect{x, y, x, y}, line, font, color});
  }
  std::vector<Call> calls;
};

class FakeSurface : public ImageSurface {
 public:
  FakeSurface(int32_t w, int32_t h) : canvas(w, h, 0xFF000000u), stored(w, h) {}
  void Store(const Bitmap& frame, bool repaint) override {
    stored = frame;
    ++stores;
    if (repaint) canvas.surface = frame;
  }
  PaintTarget& Canvas() override { return canvas; }
  MemoryTarget canvas;
  Bitmap stored;
  int stores = 0;
};

class FakeScreen : public SlideScreen {
 public:
  FakeScreen(int32_t w, int32_t h) : main(w, h), second(w, h), desktop(w, h, 0xFF336699u), width(w), height(h) {}
  ImageSurface& MainImage() override { return main; }
  ImageSurface* SecondImage() override { return hasSecond ? &second : nullptr; }
  void CopyDesktop(Bitmap& canvas) override { CopyRect(canvas, desktop.BoundsRect(), desktop, desktop.BoundsRect()); }
  int32_t ScreenWidth() override { return width; }
  int32_t ScreenHeight() override { return height; }
  FakeSurface main, second;
  Bitmap desktop;
  int32_t width, height;
  bool hasSecond = false;
};

class FakeVideo : public VideoPlayer {
 public:
  bool Open(const std::string& path) override {
    opened = path;
    return openOk;
  }
  Rect NaturalRect() override { return natural; }
  void PlaceInPanel(const PanelPlacement& p) override { panel = p; }
  void Silence() override { silenced = true; }
  bool Play() override {
    played = true;
    return playOk;
  }
  std::string opened;
  Rect natural{0, 0, 320, 240};
  PanelPlacement panel;
  bool silenced = false, played = false, openOk = true, playOk = true;
};

class FakeTransitions : public SlideTransitions {
 public:
  struct Call {
    PaintTarget* target;
    Bitmap frame;
    int32_t effect, steps;
  };
  bool Start(PaintTarget& target, const Bitmap& frame, int32_t effect, int32_t steps,
             std::function<void()> onEnd) override {
    calls.push_back({&target, frame, effect, steps});
    if (effect == 0) {
      target.CopyRect(frame.BoundsRect(), frame, frame.BoundsRect());
      return false;
    }
    pending = std::move(onEnd);
    return true;
  }
  // Ends the running transition: the frame is on screen, the handler runs.
  void Finish() {
    Call& c = calls.back();
    c.target->CopyRect(c.frame.BoundsRect(), c.frame, c.frame.BoundsRect());
    auto end = std::move(pending);
    pending = nullptr;
    if (end) end();
  }
  std::vector<Call> calls;
  std::function<void()> pending;
};

class FakeGif : public SlideGif {
 public:
  void StopGif() override { log.push_back("stop"); }
  bool LoadGif(const std::string& path, Bitmap& firstFrame) override {
    log.push_back("load " + path);
    if (frame.Empty()) return false;
    firstFrame = frame;
    return true;
  }
  void AnimateGif() override { log.push_back("animate"); }
  int Count(const std::string& what) const { return static_cast<int>(std::count(log.begin(), log.end(), what)); }
  Bitmap frame;
  std::vector<std::string> log;
};

class FakeHost : public ShowHost {
 public:
  bool PresentationMode() override { return presentation; }
  bool PresentationPlaying() override { return playing; }
  bool DualMonitorActive() override { return dual; }
  void FinishScreenSaver(bool exit) override { log.push_back(exit ? "finish true" : "finish false"); }
  void DisplayExitBanner() override { log.push_back("banner"); }
  void LoadEnterSound(int32_t i) override { log.push_back("sound " + std::to_string(i)); }
  bool presentation = false, playing = true, dual = false;
  std::vector<std::string> log;
};

// An item of the given extension whose member lies at `position`.
inline ItemRecord MakeItem(const std::string& ext, int32_t position) {
  ItemRecord r;
  r.Offset = position;
  r.Size = 100;
  r.Ext = MakeExt5(ext);
  r.SizeMode = -1;
  r.MaskIndex = -1;
  r.SoundIndex = -1;
  r.EffectSpeed = -1;
  return r;
}

// A show on a W x H screen with every port faked. Items get their pictures
// by their Offset in `pictures.byPosition`.
class ShowFixture {
 public:
  explicit ShowFixture(int32_t W = 64, int32_t H = 48) : pictures(files), screen(W, H), W_(W), H_(H) {
    header.Seconds = 5;
    header.EffectSpeed = 4;
    header.GradientStyle = 1;
    header.BackColor = 0x000000;
    header.BackColor2 = 0x0000FF;  // red
    AbortRequested = 0;
    TransitionRunning = 0;
  }
  ~ShowFixture() { AbortRequested = 0; }

  SlideShow& Show() {
    if (!show) {
      show = std::make_unique<SlideShow>(ShowData{header, effect, items, masks, layout},
                                         SlideShowPorts{timer, pictures, text, files, screen, video, transitions,
                                                        gifPort ? *gifPort : gif, host});
      show->PrepareBackground(W_, H_);
    }
    return *show;
  }

  // An item with a picture of one colour.
  void AddPicture(const std::string& ext, int32_t w, int32_t h, uint32_t color) {
    const int32_t position = 1000 + 100 * static_cast<int32_t>(items.size());
    items.push_back(MakeItem(ext, position));
    pictures.byPosition[position] = Bitmap(w, h, color);
  }

  PackageHeader header;
  std::string effect = "\x05";
  std::vector<ItemRecord> items;
  std::vector<MaskRecord> masks;
  PackageLayout layout;
  FakeTimer timer;
  FakeFiles files;
  FakePictures pictures;
  FakeText text;
  FakeScreen screen;
  FakeVideo video;
  FakeTransitions transitions;
  FakeGif gif;
  SlideGif* gifPort = nullptr;  // another GIF playback instead of `gif`
  FakeHost host;
  std::unique_ptr<SlideShow> show;

 private:
  int32_t W_, H_;
};

}  // namespace lw::test
