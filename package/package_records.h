// The four record kinds of a package. Each names one member (a file stored in
// the package) by Offset, Size and StoredSize; items also carry everything
// particular to one slide.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

#include "common/random.h"
#include "package/field_table.h"
#include "package/package_header.h"

namespace lw {

struct ItemRecord {
  int32_t Offset = 0;
  int32_t Size = 0;
  int32_t StoredSize = 0;
  Ext5 Ext{};
  int32_t CaptionAnchor = 0;
  int32_t CaptionColor = 0;
  int32_t CaptionX = 0;
  int32_t CaptionY = 0;
  int32_t CaptionBackColor = 0;
  std::string CaptionFont;  // at most 251 characters
  int32_t CaptionStyle = 0;
  int32_t CaptionSize = 0;
  std::string Caption;  // at most 251 characters
  int32_t CaptionTransparent = 0;
  int32_t CaptionPerLine = 0;
  int32_t CaptionShadow = 0;
  int32_t Duration = 0;
  int32_t SizeMode = 0;
  int32_t MaskIndex = 0;
  int32_t SoundIndex = 0;
  int32_t Filters = 0;
  std::string Effect;  // at most 251 characters
  int32_t EffectSpeed = 0;

  static constexpr int kBytes = 840;
  static std::span<const Field<ItemRecord>> Fields();
  bool operator==(const ItemRecord&) const = default;
};

struct MelodyRecord {
  int32_t Offset = 0;  // from the start of the melody section
  int32_t Size = 0;
  int32_t StoredSize = 0;
  Ext5 Ext{};

  static constexpr int kBytes = 840;
  static std::span<const Field<MelodyRecord>> Fields();
  bool operator==(const MelodyRecord&) const = default;
};

struct MaskRecord {
  int32_t Offset = 0;
  int32_t Size = 0;
  int32_t StoredSize = 0;
  uint8_t Format = 0;  // 0 BMP, 1 PNG, anything else GIF

  static constexpr int kBytes = 16;
  static std::span<const Field<MaskRecord>> Fields();
  bool operator==(const MaskRecord&) const = default;
};

struct SoundRecord {
  int32_t Offset = 0;
  int32_t Size = 0;
  int32_t StoredSize = 0;
  std::string Ext;  // a short string of at most 7 characters, dot included

  static constexpr int kBytes = 20;
  static std::span<const Field<SoundRecord>> Fields();
  bool operator==(const SoundRecord&) const = default;
};

template <class R>
R DecodeRecord(const uint8_t* bytes) {
  R r;
  DecodeFields(R::Fields(), bytes, r);
  return r;
}

// bytes must hold R::kBytes; reserved bytes are written as 0.
template <class R>
void EncodeRecord(const R& r, uint8_t* bytes) {
  std::memset(bytes, 0, R::kBytes);
  EncodeFields(R::Fields(), r, bytes);
}

// How an item is shown, decided by its extension without regard to case:
// ".GIF" animated picture; ".ASF", ".WMV", ".AVI", ".MPEG", ".MPG" video;
// ".SWF", ".FLA" Flash movie; anything else a still picture.
enum class ItemKind { StillPicture, AnimatedGif, Video, Flash };
ItemKind ItemKindOf(const Ext5& ext);

// Everything an extraction needs about one member.
struct MemberRef {
  bool compressed = false;
  int64_t position = 0;  // absolute, in the file
  int64_t storedLength = 0;
  int64_t size = 0;
};

// Members of items, masks and sounds are addressed from the package start,
// melodies from the start of the melody section.
template <class R>
MemberRef RecordMember(const PackageLayout& layout, const R& r) {
  const int64_t base = std::is_same_v<R, MelodyRecord> ? layout.Start(Section::Melodies) : layout.packageStart;
  return {r.StoredSize > 0, base + r.Offset, r.StoredSize, r.Size};
}

// The members the header describes: each fills its section.
MemberRef PreviewMember(const PackageLayout& layout, const PackageHeader& h);
MemberRef BackgroundMember(const PackageLayout& layout, const PackageHeader& h);
MemberRef LogoMember(const PackageLayout& layout, const PackageHeader& h);
MemberRef ExitBannerMember(const PackageLayout& layout, const PackageHeader& h);

// "Play one random": with more than one entry, entry Random(count) is copied
// over entry 0 and only that one stays. Works on melody records and on the
// file names of the user's own playlist alike.
template <class T>
void KeepOneRandomEntry(std::vector<T>& entries) {
  if (entries.size() <= 1) return;
  const int32_t r = Random(static_cast<int32_t>(entries.size()));
  if (r != 0) entries[0] = entries[static_cast<size_t>(r)];
  entries.resize(1);
}

}  // namespace lw
