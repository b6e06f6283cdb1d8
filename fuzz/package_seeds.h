// Seed packages for the package fuzz targets, built by the package writer.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "package/package_writer.h"

namespace lw::fuzz {

inline std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

inline std::vector<std::vector<uint8_t>> SeedPackages() {
  std::vector<std::vector<uint8_t>> seeds;
  auto add = [&](const PackageContent& c) {
    std::vector<uint8_t> file = Bytes("MZ program bytes"), package;
    if (!BuildPackage(c, package)) return;
    file.insert(file.end(), package.begin(), package.end());
    seeds.push_back(std::move(file));
  };

  PackageContent empty;
  add(empty);

  PackageContent c;
  c.header.Seconds = 5;
  c.header.BackgroundExt = MakeExt5(".bmp");
  c.header.LogoExt = MakeExt5(".MPEG");
  c.texts[TextSlot::Title] = "Autumn";
  c.texts[TextSlot::Effect] = "\x01\x02\x78";
  c.lead = Bytes("lead");
  c.preview = Bytes("BM preview");
  c.background = {Bytes("background background background"), 9};
  c.logo = {Bytes("logo"), 1};
  c.exitBanner = {Bytes("exit"), 0};
  ItemRecord item;
  item.Ext = MakeExt5(".jpg");
  item.Caption = "caption";
  c.items.push_back({item, {Bytes("stored item"), 0}});
  item.Ext = MakeExt5(".GIF");
  c.items.push_back({item, {Bytes("compressed item compressed item"), 6}});
  MaskRecord mask;
  mask.Format = 1;
  c.masks.push_back({mask, {Bytes("mask"), 0}});
  SoundRecord sound;
  sound.Ext = ".wav";
  c.sounds.push_back({sound, {Bytes("sound sound"), 9}});
  MelodyRecord melody;
  melody.Ext = MakeExt5(".mid");
  c.melodies.push_back({melody, {Bytes("melody"), 0}});
  c.melodies.push_back({melody, {Bytes("melody melody melody"), 5}});
  add(c);
  return seeds;
}

// Writes the seeds into the folder named by LW_FUZZ_SEED_DIR, when set.
inline void WriteSeeds(const char* prefix, const std::vector<std::vector<uint8_t>>& seeds) {
  const char* dir = std::getenv("LW_FUZZ_SEED_DIR");
  if (!dir) return;
  for (size_t i = 0; i < seeds.size(); ++i) {
    const std::string path = std::string(dir) + "/" + prefix + std::to_string(i);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
      std::fwrite(seeds[i].data(), 1, seeds[i].size(), f);
      std::fclose(f);
    }
  }
}

}  // namespace lw::fuzz
