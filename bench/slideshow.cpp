// The slide show's composition costs at 1920 x 1080, each beside one
// full-frame memcpy measured in the same run: the "x_memcpy" counter is the
// operation's CPU time in memcpy times. The slide is a 4000 x 3000 picture
// with an 800 x 600 mask, a logo and a caption, on an ellipse gradient; the
// picture and mask come already decoded, the caption from a stand-in text
// renderer, and no transition runs.
//
//   build/native/bin/bench_slideshow
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstring>
#include <map>
#include <vector>

#include "common/timer.h"
#include "gfx/bitmap.h"
#include "slideshow/gradient.h"
#include "slideshow/slide_show.h"

namespace lw {
namespace {

constexpr int32_t kW = 1920, kH = 1080;

// Thread CPU time: the machine may be shared, and waiting is not work.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One full-frame copy, averaged over many.
double MemcpySeconds() {
  static const double seconds = [] {
    std::vector<uint32_t> a(size_t{kW} * kH, 0x12345678u), b(a.size());
    std::memcpy(b.data(), a.data(), a.size() * 4);
    constexpr int kRuns = 200;
    const double t0 = CpuSeconds();
    for (int i = 0; i < kRuns; ++i) {
      std::memcpy(b.data(), a.data(), a.size() * 4);
      benchmark::DoNotOptimize(b.data());
      benchmark::ClobberMemory();
    }
    return (CpuSeconds() - t0) / kRuns;
  }();
  return seconds;
}

// Reports the operation's CPU time per iteration in memcpy times. `prepare`
// runs before each iteration, outside the measured time.
template <class Body, class Prepare>
void Measure(benchmark::State& state, Body body, Prepare prepare) {
  MemcpySeconds();
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    prepare();
    state.ResumeTiming();
    const double t0 = CpuSeconds();
    body();
    total += CpuSeconds() - t0;
  }
  state.counters["x_memcpy"] = total / static_cast<double>(state.iterations()) / MemcpySeconds();
}

template <class Body>
void Measure(benchmark::State& state, Body body) {
  Measure(state, body, [] {});
}

void BM_FrameMemcpy(benchmark::State& state) {
  std::vector<uint32_t> a(size_t{kW} * kH, 0x12345678u), b(a.size());
  Measure(state, [&] {
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
  });
}
BENCHMARK(BM_FrameMemcpy)->Unit(benchmark::kMillisecond);

void BM_Gradient(benchmark::State& state) {
  const int32_t style = static_cast<int32_t>(state.range(0));
  Bitmap canvas(kW, kH);
  Measure(state, [&] { PaintGradient(canvas, style, RGBValue(10, 60, 200), RGBValue(250, 220, 30), canvas.BoundsRect()); });
}
BENCHMARK(BM_Gradient)->DenseRange(1, 8)->Unit(benchmark::kMillisecond);

// --- Ports for one slide: everything in memory, no real work outside. ---

class NullTimer : public Timer {
 public:
  void SetEnabled(bool e) override { enabled_ = e; }
  bool Enabled() const override { return enabled_; }
  void SetInterval(uint32_t ms) override { interval_ = ms; }
  uint32_t Interval() const override { return interval_; }

 private:
  bool enabled_ = false;
  uint32_t interval_ = 0;
};

class MemoryFiles : public MemberFiles {
 public:
  std::string TempFolder() override { return "/tmp/"; }
  void Extract(const MemberRef& m, const std::string& path) override { at[path] = m.position; }
  void Delete(const std::string&) override {}
  std::map<std::string, int64_t> at;
};

// Hands out pictures decoded beforehand, each once: decoding is not measured.
class MemoryPictures : public PictureReader {
 public:
  explicit MemoryPictures(MemoryFiles& files) : files_(files) {}
  bool Read(const std::string& path, Bitmap& out) override {
    out = std::move(pictures.at(files_.at.at(path)));
    return true;
  }
  std::map<int64_t, Bitmap> pictures;

 private:
  MemoryFiles& files_;
};

// Text as solid boxes of 9 x 16 pixels per character.
class BoxText : public TextRenderer {
 public:
  TextExtent Measure(const std::string& text, const FontSpec&) override {
    return TextExtent{9 * static_cast<int32_t>(text.size()), 16};
  }
  void DrawBlock(Bitmap& target, const Rect& rect, const std::string&, const FontSpec&, uint32_t color) override {
    for (int32_t y = std::max(rect.top, 0); y < std::min(rect.bottom, target.height); ++y)
      for (int32_t x = std::max(rect.left, 0); x < std::min(rect.right, target.width); ++x) target.At(x, y) = color;
  }
  void RenderLine(Bitmap&, int32_t, int32_t, const std::string&, const FontSpec&, uint32_t) override {}
};

class CopySurface : public ImageSurface, public PaintTarget {
 public:
  void Store(const Bitmap& frame, bool) override { bitmap = frame; }
  PaintTarget& Canvas() override { return *this; }
  void CopyRect(const Rect&, const Bitmap&, const Rect&) override {}
  void Snapshot(Bitmap&) override {}
  Bitmap bitmap;
};

class OneScreen : public SlideScreen {
 public:
  ImageSurface& MainImage() override { return main; }
  ImageSurface* SecondImage() override { return nullptr; }
  void CopyDesktop(Bitmap&) override {}
  int32_t ScreenWidth() override { return kW; }
  int32_t ScreenHeight() override { return kH; }
  CopySurface main;
};

class NoVideo : public VideoPlayer {
 public:
  bool Open(const std::string&) override { return false; }
  Rect NaturalRect() override { return {}; }
  void PlaceInPanel(const PanelPlacement&) override {}
  void Silence() override {}
  bool Play() override { return false; }
};

// Takes the frame and runs nothing: the composition alone is measured.
class TakeFrame : public SlideTransitions {
 public:
  bool Start(PaintTarget&, const Bitmap& frame, int32_t, int32_t, std::function<void()>) override {
    benchmark::DoNotOptimize(frame.pixels.data());
    return false;
  }
};

class NoGif : public SlideGif {
 public:
  void StopGif() override {}
  bool LoadGif(const std::string&, Bitmap&) override { return false; }
  void AnimateGif() override {}
};

class QuietHost : public ShowHost {
 public:
  bool PresentationMode() override { return false; }
  bool PresentationPlaying() override { return true; }
  bool DualMonitorActive() override { return false; }
  void FinishScreenSaver(bool) override {}
  void DisplayExitBanner() override {}
  void LoadEnterSound(int32_t) override {}
};

Bitmap Photo(int32_t w, int32_t h) {
  Bitmap b(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      b.At(x, y) = 0xFF000000u | static_cast<uint32_t>((x * 255 / w) << 16 | (y * 255 / h) << 8 | ((x ^ y) & 0xFF));
  return b;
}

void BM_SlideComposition(benchmark::State& state) {
  PackageHeader header;
  header.Stretch = 0;
  header.GradientStyle = 3;
  header.BackColor = RGBValue(0, 0, 0);
  header.BackColor2 = RGBValue(0, 40, 90);
  header.LogoAnchor = 4;
  header.LogoX = header.LogoY = 20;
  header.EffectSpeed = 4;
  std::string effect = "\x05";
  ItemRecord item;
  item.Offset = 1;
  item.Ext = MakeExt5(".jpg");
  item.SizeMode = -1;
  item.MaskIndex = 0;
  item.SoundIndex = -1;
  item.EffectSpeed = -1;
  item.Caption = "A caption on the slide";
  item.CaptionAnchor = 5;
  item.CaptionY = 40;
  std::vector<ItemRecord> items{item};
  MaskRecord mask;
  mask.Offset = 2;
  std::vector<MaskRecord> masks{mask};
  PackageLayout layout;

  NullTimer timer;
  MemoryFiles files;
  MemoryPictures pictures(files);
  const Bitmap photo = Photo(4000, 3000);
  Bitmap maskPicture(800, 600);
  for (int32_t y = 0; y < 600; ++y)
    for (int32_t x = 0; x < 800; ++x) maskPicture.At(x, y) = 0xFF000000u | static_cast<uint32_t>((x + y) % 256);
  BoxText text;
  OneScreen screen;
  NoVideo video;
  TakeFrame transitions;
  NoGif gif;
  QuietHost host;
  SlideShow show(ShowData{header, effect, items, masks, layout},
                 SlideShowPorts{timer, pictures, text, files, screen, video, transitions, gif, host});
  show.PrepareBackground(kW, kH);
  Bitmap logo(200, 80, 0xFFFFFFFFu);
  for (int32_t y = 0; y < 80; y += 2) std::fill(logo.Row(y), logo.Row(y) + 200, 0u);
  show.LogoBitmap = logo;

  Measure(
      state, [&] { show.LoadImage(0, false); },
      [&] {
        pictures.pictures[1] = photo;
        pictures.pictures[2] = maskPicture;
      });
}
BENCHMARK(BM_SlideComposition)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lw

BENCHMARK_MAIN();
