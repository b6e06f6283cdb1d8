// Writing a package: the tests' way to build any package, and the core of
// `lumaweave pack`.
//
//   PackageContent c;
//   c.header.Seconds = 5;  c.texts[TextSlot::Title] = "Autumn";
//   c.items.push_back({record, {jpegBytes, 6}});   // zlib level 6; 0 = stored
//   c.background = {bmpBytes, 9};                   // always a zlib stream
//   std::vector<uint8_t> bytes;  BuildPackage(c, bytes);   // or AppendPackage(path, c)
//
// The writer fills in what follows from the content: PackageSize, the four
// counts, every section length, the stored and unpacked sizes of the
// preview, background, logo and exit banner, and Offset, Size and StoredSize
// of every record. Reserved bytes are 0. Record members are placed in their
// record's section right after the records (melodies likewise, so their
// offsets count from the melody section's start).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "package/package_header.h"
#include "package/package_records.h"
#include "package/package_texts.h"

namespace lw {

struct PackageMember {
  std::vector<uint8_t> bytes;  // unpacked content
  // zlib level 1..9; 0 stores a record's member as it is. The background,
  // logo and exit banner are always zlib streams (level 0 = uncompressed
  // blocks inside the stream).
  int level = 6;
};

template <class R>
struct PackageEntry {
  R record;  // Offset, Size and StoredSize are filled in
  PackageMember member;
};

struct PackageContent {
  PackageHeader header;
  PackageTexts texts;
  std::vector<uint8_t> lead;       // not interpreted by the reader
  std::vector<uint8_t> preview;    // a BMP file, stored
  std::vector<uint8_t> webBanner;  // not decoded by the reader
  PackageMember exitBanner;        // empty = none
  PackageMember logo;              // empty = none
  PackageMember background;        // empty = none
  std::vector<PackageEntry<ItemRecord>> items;
  std::vector<PackageEntry<MaskRecord>> masks;
  std::vector<PackageEntry<SoundRecord>> sounds;
  std::vector<PackageEntry<MelodyRecord>> melodies;
};

// The package bytes to append after a program. False when the package would
// not fit the format (over 2 GiB, a text over 65535 bytes, a bad level).
bool BuildPackage(const PackageContent& content, std::vector<uint8_t>& out);

// Appends the package to the file at path (created when missing).
bool AppendPackage(const std::string& path, const PackageContent& content);

// True for the header fields the writer computes (sizes, counts).
bool IsComputedHeaderField(const std::string& name);

// One zlib stream (default window, zlib header) at level 0..9.
bool ZlibCompress(const std::vector<uint8_t>& in, int level, std::vector<uint8_t>& out);

}  // namespace lw
