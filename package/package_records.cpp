#include "package/package_records.h"

namespace lw {
namespace {

using FI = Field<ItemRecord>;
using I = ItemRecord;
constexpr FI kItemFields[] = {
    FI::Int("Offset", 0, &I::Offset),
    FI::Int("Size", 4, &I::Size),
    FI::Int("StoredSize", 8, &I::StoredSize),
    FI::Ext("Ext", 12, &I::Ext),
    FI::Int("CaptionAnchor", 20, &I::CaptionAnchor),
    FI::Int("CaptionColor", 24, &I::CaptionColor),
    FI::Int("CaptionX", 28, &I::CaptionX),
    FI::Int("CaptionY", 32, &I::CaptionY),
    FI::Int("CaptionBackColor", 36, &I::CaptionBackColor),
    FI::Short("CaptionFont", 40, 251, &I::CaptionFont),
    FI::Int("CaptionStyle", 292, &I::CaptionStyle),
    FI::Int("CaptionSize", 296, &I::CaptionSize),
    FI::Short("Caption", 300, 251, &I::Caption),
    FI::Int("CaptionTransparent", 552, &I::CaptionTransparent),
    FI::Int("CaptionPerLine", 556, &I::CaptionPerLine),
    FI::Int("CaptionShadow", 560, &I::CaptionShadow),
    FI::Int("Duration", 564, &I::Duration),
    FI::Int("SizeMode", 568, &I::SizeMode),
    FI::Int("MaskIndex", 572, &I::MaskIndex),
    FI::Int("SoundIndex", 576, &I::SoundIndex),
    FI::Int("Filters", 580, &I::Filters),
    FI::Short("Effect", 584, 251, &I::Effect),
    FI::Int("EffectSpeed", 836, &I::EffectSpeed),
};

using FM = Field<MelodyRecord>;
using M = MelodyRecord;
constexpr FM kMelodyFields[] = {
    FM::Int("Offset", 0, &M::Offset),
    FM::Int("Size", 4, &M::Size),
    FM::Int("StoredSize", 8, &M::StoredSize),
    FM::Ext("Ext", 12, &M::Ext),
};

using FK = Field<MaskRecord>;
using K = MaskRecord;
constexpr FK kMaskFields[] = {
    FK::Int("Offset", 0, &K::Offset),
    FK::Int("Size", 4, &K::Size),
    FK::Int("StoredSize", 8, &K::StoredSize),
    FK::Byte("Format", 12, &K::Format),
};

using FS = Field<SoundRecord>;
using S = SoundRecord;
constexpr FS kSoundFields[] = {
    FS::Int("Offset", 0, &S::Offset),
    FS::Int("Size", 4, &S::Size),
    FS::Int("StoredSize", 8, &S::StoredSize),
    FS::Short("Ext", 12, 7, &S::Ext),
};

}  // namespace

std::span<const Field<ItemRecord>> ItemRecord::Fields() { return kItemFields; }
std::span<const Field<MelodyRecord>> MelodyRecord::Fields() { return kMelodyFields; }
std::span<const Field<MaskRecord>> MaskRecord::Fields() { return kMaskFields; }
std::span<const Field<SoundRecord>> SoundRecord::Fields() { return kSoundFields; }

ItemKind ItemKindOf(const Ext5& ext) {
  std::string upper = ExtText(ext);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  static const struct {
    const char* ext;
    ItemKind kind;
  } kKinds[] = {
      {".GIF", ItemKind::AnimatedGif}, {".ASF", ItemKind::Video}, {".WMV", ItemKind::Video},
      {".AVI", ItemKind::Video},       {".MPEG", ItemKind::Video}, {".MPG", ItemKind::Video},
      {".SWF", ItemKind::Flash},       {".FLA", ItemKind::Flash},
  };
  for (const auto& k : kKinds)
    if (upper == k.ext) return k.kind;
  return ItemKind::StillPicture;
}

MemberRef PreviewMember(const PackageLayout& layout, const PackageHeader& h) {
  return {false, layout.Start(Section::Preview), h.PreviewSize, h.PreviewSize};
}

MemberRef BackgroundMember(const PackageLayout& layout, const PackageHeader& h) {
  return {true, layout.Start(Section::Background), h.BackgroundStoredSize, h.BackgroundSize};
}

MemberRef LogoMember(const PackageLayout& layout, const PackageHeader& h) {
  return {true, layout.Start(Section::Logo), h.LogoStoredSize, h.LogoSize};
}

MemberRef ExitBannerMember(const PackageLayout& layout, const PackageHeader& h) {
  return {true, layout.Start(Section::ExitBanner), h.ExitBannerStoredSize, h.ExitBannerSize};
}

}  // namespace lw
