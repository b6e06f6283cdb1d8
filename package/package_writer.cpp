#include "package/package_writer.h"

#include <zlib.h>

#include <cstdio>
#include <limits>

#include "package/little_endian.h"

namespace lw {
namespace {

constexpr int64_t kMaxPackage = std::numeric_limits<int32_t>::max();

struct Stored {
  std::vector<uint8_t> bytes;
  int32_t size = 0;        // unpacked
  int32_t storedSize = 0;  // 0 = stored as is
};

bool Store(const PackageMember& m, bool alwaysCompressed, Stored& s) {
  if (m.bytes.size() > static_cast<size_t>(kMaxPackage)) return false;
  s.size = static_cast<int32_t>(m.bytes.size());
  if (!alwaysCompressed && m.level == 0) {
    s.bytes = m.bytes;
    s.storedSize = 0;
    return true;
  }
  if (!ZlibCompress(m.bytes, m.level, s.bytes) || s.bytes.size() > static_cast<size_t>(kMaxPackage)) return false;
  s.storedSize = static_cast<int32_t>(s.bytes.size());
  return true;
}

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

// Records first, then their members; offsets count from `base` in the
// package (the package start, or the melody section's start).
template <class R>
bool WriteRecordSection(const std::vector<PackageEntry<R>>& entries, int64_t sectionPos, int64_t base,
                        std::vector<uint8_t>& out, int32_t& sectionSize) {
  std::vector<Stored> stored(entries.size());
  for (size_t i = 0; i < entries.size(); ++i)
    if (!Store(entries[i].member, false, stored[i])) return false;
  int64_t memberPos = sectionPos + static_cast<int64_t>(entries.size()) * R::kBytes;
  const size_t recordsAt = out.size();
  out.resize(recordsAt + entries.size() * R::kBytes);
  for (size_t i = 0; i < entries.size(); ++i) {
    R r = entries[i].record;
    if (memberPos - base > kMaxPackage) return false;
    r.Offset = static_cast<int32_t>(memberPos - base);
    r.Size = stored[i].size;
    r.StoredSize = stored[i].storedSize;
    EncodeRecord(r, out.data() + recordsAt + i * R::kBytes);
    memberPos += static_cast<int64_t>(stored[i].bytes.size());
  }
  for (const Stored& s : stored) Append(out, s.bytes);
  const int64_t size = static_cast<int64_t>(out.size()) - sectionPos;
  if (size > kMaxPackage) return false;
  sectionSize = static_cast<int32_t>(size);
  return true;
}

bool FitsInt32(size_t n) { return n <= static_cast<size_t>(kMaxPackage); }

}  // namespace

bool IsComputedHeaderField(const std::string& name) {
  static const char* const kComputed[] = {
      "PackageSize",     "ItemCount",         "MelodyCount",      "MaskCount",           "SoundCount",
      "ItemSectionSize", "MaskSectionSize",   "SoundSectionSize", "MelodySectionSize",   "LeadSectionSize",
      "PreviewSize",     "WebBannerSize",     "BackgroundSize",   "BackgroundStoredSize", "ExitBannerSize",
      "ExitBannerStoredSize", "LogoSize",     "LogoStoredSize",
  };
  for (const char* c : kComputed)
    if (name == c) return true;
  return false;
}

bool ZlibCompress(const std::vector<uint8_t>& in, int level, std::vector<uint8_t>& out) {
  if (level < 0 || level > 9) return false;
  uLongf len = compressBound(static_cast<uLong>(in.size()));
  out.resize(len);
  if (compress2(out.data(), &len, in.data(), static_cast<uLong>(in.size()), level) != Z_OK) return false;
  out.resize(len);
  return true;
}

bool BuildPackage(const PackageContent& c, std::vector<uint8_t>& out) {
  PackageHeader h = c.header;
  std::vector<uint8_t> p;
  if (!FitsInt32(c.lead.size()) || !FitsInt32(c.preview.size()) || !FitsInt32(c.webBanner.size())) return false;

  Append(p, c.lead);
  h.LeadSectionSize = static_cast<int32_t>(c.lead.size());
  Append(p, c.preview);
  h.PreviewSize = static_cast<int32_t>(c.preview.size());
  Append(p, c.webBanner);
  h.WebBannerSize = static_cast<int32_t>(c.webBanner.size());

  // The fixed members: an empty one is absent (stored size 0).
  struct Fixed {
    const PackageMember& m;
    int32_t& storedSize;
    int32_t& size;
  };
  const Fixed exitBanner{c.exitBanner, h.ExitBannerStoredSize, h.ExitBannerSize};
  const Fixed logo{c.logo, h.LogoStoredSize, h.LogoSize};
  auto writeFixed = [&](const Fixed& f) {
    f.storedSize = 0;
    f.size = 0;
    if (f.m.bytes.empty()) return true;
    Stored s;
    if (!Store(f.m, true, s)) return false;
    Append(p, s.bytes);
    f.storedSize = s.storedSize;
    f.size = s.size;
    return true;
  };
  if (!writeFixed(exitBanner) || !writeFixed(logo)) return false;

  h.ItemCount = static_cast<int32_t>(c.items.size());
  h.MaskCount = static_cast<int32_t>(c.masks.size());
  h.SoundCount = static_cast<int32_t>(c.sounds.size());
  h.MelodyCount = static_cast<int32_t>(c.melodies.size());
  int64_t at = static_cast<int64_t>(p.size());
  if (!WriteRecordSection(c.items, at, 0, p, h.ItemSectionSize)) return false;
  at = static_cast<int64_t>(p.size());
  if (!WriteRecordSection(c.masks, at, 0, p, h.MaskSectionSize)) return false;
  at = static_cast<int64_t>(p.size());
  if (!WriteRecordSection(c.sounds, at, 0, p, h.SoundSectionSize)) return false;

  if (!writeFixed(Fixed{c.background, h.BackgroundStoredSize, h.BackgroundSize})) return false;

  at = static_cast<int64_t>(p.size());
  if (!WriteRecordSection(c.melodies, at, at, p, h.MelodySectionSize)) return false;

  for (const std::string& t : c.texts.slot) {
    if (t.size() > 0xFFFF) return false;
    uint8_t count[2];
    PutU16(count, static_cast<uint16_t>(t.size()));
    p.insert(p.end(), count, count + 2);
    p.insert(p.end(), t.begin(), t.end());
  }

  const size_t total = p.size() + kPackageTailSize;
  if (!FitsInt32(total)) return false;
  h.PackageSize = static_cast<int32_t>(total);
  uint8_t header[kHeaderSize];
  EncodeHeader(h, header);
  p.insert(p.end(), header, header + kHeaderSize);
  p.insert(p.end(), kTrailer, kTrailer + kTrailerSize);
  out = std::move(p);
  return true;
}

bool AppendPackage(const std::string& path, const PackageContent& content) {
  std::vector<uint8_t> bytes;
  if (!BuildPackage(content, bytes)) return false;
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace lw
