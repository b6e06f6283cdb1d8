#include "package/package_header.h"

namespace lw {
namespace {

using F = Field<PackageHeader>;
using H = PackageHeader;

constexpr F kFields[] = {
    F::Int("PackageSize", 0, &H::PackageSize),
    F::Int("ItemCount", 8, &H::ItemCount),
    F::Int("MelodyCount", 12, &H::MelodyCount),
    F::Int("MaskCount", 16, &H::MaskCount),
    F::Int("Seconds", 20, &H::Seconds),
    F::Int("DisplayOrder", 24, &H::DisplayOrder),
    F::Int("ItemSectionSize", 28, &H::ItemSectionSize),
    F::Int("BackgroundStoredSize", 32, &H::BackgroundStoredSize),
    F::Int("BackgroundSize", 36, &H::BackgroundSize),
    F::Int("MaskSectionSize", 40, &H::MaskSectionSize),
    F::Int("PreviewSize", 44, &H::PreviewSize),
    F::Int("MelodySectionSize", 48, &H::MelodySectionSize),
    F::Int("WebBannerSize", 56, &H::WebBannerSize),
    F::Int("LeadSectionSize", 60, &H::LeadSectionSize),
    F::Int("ExitBannerStoredSize", 64, &H::ExitBannerStoredSize),
    F::Int("ExitBannerSize", 68, &H::ExitBannerSize),
    F::Int("LogoSize", 72, &H::LogoSize),
    F::Int("LogoStoredSize", 76, &H::LogoStoredSize),
    F::Int("SoundSectionSize", 80, &H::SoundSectionSize),
    F::Int("SoundCount", 84, &H::SoundCount),
    F::Int("BackColor", 88, &H::BackColor),
    F::Int("BackColor2", 92, &H::BackColor2),
    F::Int("GradientStyle", 96, &H::GradientStyle),
    F::Int("BackgroundMode", 100, &H::BackgroundMode),
    F::Byte("DesktopBackground", 104, &H::DesktopBackground),
    F::Byte("RandomColors", 105, &H::RandomColors),
    F::Byte("RandomGradient", 106, &H::RandomGradient),
    F::Byte("RepaintBackground", 107, &H::RepaintBackground),
    F::Int("Stretch", 108, &H::Stretch),
    F::Byte("Loop", 112, &H::Loop),
    F::Byte("Mute", 113, &H::Mute),
    F::Byte("ShuffleMelody", 114, &H::ShuffleMelody),
    F::Byte("DesktopStart", 115, &H::DesktopStart),
    F::Byte("FirstItemIntro", 116, &H::FirstItemIntro),
    F::Byte("MuteVideos", 117, &H::MuteVideos),
    F::Byte("AllowOwnPlaylist", 118, &H::AllowOwnPlaylist),
    F::Byte("PlayOneRandom", 119, &H::PlayOneRandom),
    F::Byte("ExitMouseMove", 120, &H::ExitMouseMove),
    F::Byte("ExitMouseButton", 121, &H::ExitMouseButton),
    F::Byte("ExitKeyboard", 122, &H::ExitKeyboard),
    F::Byte("ExitESC", 123, &H::ExitESC),
    F::Byte("DisableTwoMonitors", 124, &H::DisableTwoMonitors),
    F::Byte("WallpaperKey", 125, &H::WallpaperKey),
    F::Byte("HideGeneralTab", 126, &H::HideGeneralTab),
    F::Byte("HidePositionTab", 127, &H::HidePositionTab),
    F::Byte("HideEffectsTab", 128, &H::HideEffectsTab),
    F::Byte("HideSoundTab", 129, &H::HideSoundTab),
    F::Byte("HideBehaviorTab", 130, &H::HideBehaviorTab),
    F::Int("EffectSpeed", 132, &H::EffectSpeed),
    F::Ext("BackgroundExt", 136, &H::BackgroundExt),
    F::Ext("ExitBannerExt", 141, &H::ExitBannerExt),
    F::Ext("LogoExt", 146, &H::LogoExt),
    F::Int("LogoAnchor", 200, &H::LogoAnchor),
    F::Int("LogoX", 204, &H::LogoX),
    F::Int("LogoY", 208, &H::LogoY),
    F::Int("LogoTransparentColor", 212, &H::LogoTransparentColor),
    F::Byte("AllowExe", 216, &H::AllowExe),
};

}  // namespace

std::span<const Field<PackageHeader>> HeaderFields() { return kFields; }

PackageHeader DecodeHeader(const uint8_t (&bytes)[kHeaderSize]) {
  PackageHeader h;
  DecodeFields(HeaderFields(), bytes, h);
  return h;
}

void EncodeHeader(const PackageHeader& h, uint8_t (&bytes)[kHeaderSize]) {
  std::memset(bytes, 0, kHeaderSize);
  EncodeFields(HeaderFields(), h, bytes);
}

int64_t SectionLength(const PackageHeader& h, Section s) {
  switch (s) {
    case Section::Lead: return h.LeadSectionSize;
    case Section::Preview: return h.PreviewSize;
    case Section::WebBanner: return h.WebBannerSize;
    case Section::ExitBanner: return h.ExitBannerStoredSize;
    case Section::Logo: return h.LogoStoredSize;
    case Section::ItemRecords: return h.ItemSectionSize;
    case Section::MaskRecords: return h.MaskSectionSize;
    case Section::SoundRecords: return h.SoundSectionSize;
    case Section::Background: return h.BackgroundStoredSize;
    case Section::Melodies: return h.MelodySectionSize;
    case Section::Texts: return 0;
  }
  return 0;
}

PackageLayout ComputeLayout(const PackageHeader& h, int64_t fileSize) {
  PackageLayout l;
  l.fileSize = fileSize;
  l.packageStart = fileSize - h.PackageSize;
  int64_t pos = l.packageStart;
  for (int i = 0; i < kSectionCount; ++i) {
    l.sectionStart[i] = pos;
    pos += SectionLength(h, static_cast<Section>(i));
  }
  return l;
}

}  // namespace lw
