// `lumaweave effects`: look at the transition effects without Windows.
//   effects list
//   effects render --effect N [--size WxH] [--steps S] [--seed N] --out DIR
//   effects gallery --out DIR [--size WxH] [--steps S]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/sample_pictures.h"
#include "tools/commands.h"
#include "transitions/memory_render.h"
#include "tools/effects_sheet.h"
#include "tools/png.h"
#include "transitions/catalogue.h"

namespace lw {
namespace {

constexpr int32_t kMaxSide = 8192;

struct Options {
  MemoryRender render;
  bool haveEffect = false;
  std::string out;
};

bool ParseInt(const std::string& s, int32_t& value) {
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (s.empty() || *end || v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

bool ParseSize(const std::string& s, int32_t& w, int32_t& h) {
  const size_t x = s.find('x');
  return x != std::string::npos && ParseInt(s.substr(0, x), w) && ParseInt(s.substr(x + 1), h) && w >= 1 &&
         h >= 1 && w <= kMaxSide && h <= kMaxSide;
}

bool ParseOptions(const std::vector<std::string>& args, Options& o) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return false;
    const std::string& v = args[++i];
    int32_t seed = 0;
    if (a == "--effect") {
      if (!ParseInt(v, o.render.effect)) return false;
      o.haveEffect = true;
    } else if (a == "--size") {
      if (!ParseSize(v, o.render.width, o.render.height)) return false;
    } else if (a == "--steps") {
      if (!ParseInt(v, o.render.steps)) return false;
    } else if (a == "--seed") {
      if (!ParseInt(v, seed)) return false;
      o.render.seed = static_cast<uint32_t>(seed);
    } else if (a == "--out") {
      o.out = v;
    } else {
      return false;
    }
  }
  return !o.out.empty();
}

std::string Path(const std::string& dir, const char* name) { return (std::filesystem::path(dir) / name).string(); }

bool MakeDir(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return std::filesystem::is_directory(dir, ec);
}

int List() {
  for (int32_t n = 1; n <= kEffectCount; ++n) std::printf("%3d  %s\n", n, EffectName(n));
  return 0;
}

int Render(const Options& o) {
  if (!o.haveEffect || !MakeDir(o.out)) return 1;
  const MemoryRender& r = o.render;
  bool ok = WritePng(Path(o.out, "old.png"), SampleOldPicture(r.width, r.height)) &&
            WritePng(Path(o.out, "new.png"), SampleNewPicture(r.width, r.height));
  ContactSheet sheet(r.width, r.height, 200);
  int32_t index = 0;
  RenderInMemory(r, [&](const Bitmap& frame, bool) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%04d.png", ++index);
    ok = WritePng(Path(o.out, name), frame) && ok;
    sheet.Add(frame);
  });
  ok = WritePng(Path(o.out, "sheet.png"), sheet.Compose(8)) && ok;
  if (!ok) {
    std::fprintf(stderr, "lumaweave: cannot write the pictures into %s\n", o.out.c_str());
    return 1;
  }
  std::printf("%s: %d frames written to %s\n", EffectName(r.effect), index, o.out.c_str());
  return 0;
}

int Gallery(Options o) {
  if (!MakeDir(o.out)) return 1;
  MemoryRender& r = o.render;
  ContactSheet index(r.width, r.height, 96);
  std::string html = "<!DOCTYPE html><title>Transition effects</title><body style=\"background:#202020;color:#eee\">\n";
  bool ok = true;
  for (int32_t n = 1; n <= kEffectCount; ++n) {
    r.effect = n;
    ContactSheet sheet(r.width, r.height, 96);
    std::vector<Bitmap> frames;
    RenderInMemory(r, [&](const Bitmap& frame, bool) {
      sheet.Add(frame);
      frames.push_back(frame);
    });
    index.Add(frames[frames.size() / 2]);  // the middle of the transition
    char name[32];
    std::snprintf(name, sizeof name, "effect-%03d.png", n);
    ok = WritePng(Path(o.out, name), sheet.Compose(10)) && ok;
    html += "<h3>" + std::to_string(n) + " " + EffectName(n) + "</h3><img src=\"" + name + "\">\n";
  }
  ok = WritePng(Path(o.out, "index.png"), index.Compose(10)) && ok;
  if (FILE* f = std::fopen(Path(o.out, "index.html").c_str(), "w")) {
    ok = std::fputs(html.c_str(), f) >= 0 && ok;
    ok = std::fclose(f) == 0 && ok;
  } else {
    ok = false;
  }
  if (!ok) {
    std::fprintf(stderr, "lumaweave: cannot write the gallery into %s\n", o.out.c_str());
    return 1;
  }
  std::printf("%d effects written to %s (index.png, index.html)\n", kEffectCount, o.out.c_str());
  return 0;
}

void Usage() {
  std::fputs(
      "usage: lumaweave effects list\n"
      "       lumaweave effects render --effect N [--size WxH] [--steps S] [--seed N] --out DIR\n"
      "       lumaweave effects gallery [--size WxH] [--steps S] --out DIR\n",
      stderr);
}

int RunEffects(const std::vector<std::string>& args) {
  const std::string sub = args.empty() ? "" : args[0];
  if (sub == "list" && args.size() == 1) return List();
  Options o;
  if (sub == "gallery") {
    o.render.width = 160;
    o.render.height = 120;
    o.render.steps = 16;
  }
  if ((sub == "render" || sub == "gallery") && ParseOptions(args, o)) return sub == "render" ? Render(o) : Gallery(o);
  Usage();
  return 2;
}

CommandRegistration reg{{"effects", "render transition effects to PNG pictures (list, render, gallery)", RunEffects}};

}  // namespace
}  // namespace lw
