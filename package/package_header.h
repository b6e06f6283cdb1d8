// The package header: 220 bytes just before the 10-byte trailer at the end of
// the program file, and the section arithmetic derived from it.
#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "package/field_table.h"

namespace lw {

constexpr int kHeaderSize = 220;
constexpr int kTrailerSize = 10;
constexpr char kTrailer[kTrailerSize + 1] = "VOROdazovi";
// The header and the trailer: the least a file with a package can hold.
constexpr int kPackageTailSize = kHeaderSize + kTrailerSize;

// Byte flags keep their stored value (0 = false, anything else = true).
struct PackageHeader {
  int32_t PackageSize = 0;
  int32_t ItemCount = 0;
  int32_t MelodyCount = 0;
  int32_t MaskCount = 0;
  int32_t Seconds = 0;
  int32_t DisplayOrder = 0;
  int32_t ItemSectionSize = 0;
  int32_t BackgroundStoredSize = 0;
  int32_t BackgroundSize = 0;
  int32_t MaskSectionSize = 0;
  int32_t PreviewSize = 0;
  int32_t MelodySectionSize = 0;
  int32_t WebBannerSize = 0;
  int32_t LeadSectionSize = 0;
  int32_t ExitBannerStoredSize = 0;
  int32_t ExitBannerSize = 0;
  int32_t LogoSize = 0;
  int32_t LogoStoredSize = 0;
  int32_t SoundSectionSize = 0;
  int32_t SoundCount = 0;
  int32_t BackColor = 0;
  int32_t BackColor2 = 0;
  int32_t GradientStyle = 0;
  int32_t BackgroundMode = 0;
  uint8_t DesktopBackground = 0;
  uint8_t RandomColors = 0;
  uint8_t RandomGradient = 0;
  uint8_t RepaintBackground = 0;
  int32_t Stretch = 0;
  uint8_t Loop = 0;
  uint8_t Mute = 0;
  uint8_t ShuffleMelody = 0;
  uint8_t DesktopStart = 0;
  uint8_t FirstItemIntro = 0;
  uint8_t MuteVideos = 0;
  uint8_t AllowOwnPlaylist = 0;
  uint8_t PlayOneRandom = 0;
  uint8_t ExitMouseMove = 0;
  uint8_t ExitMouseButton = 0;
  uint8_t ExitKeyboard = 0;
  uint8_t ExitESC = 0;
  uint8_t DisableTwoMonitors = 0;
  uint8_t WallpaperKey = 0;
  uint8_t HideGeneralTab = 0;
  uint8_t HidePositionTab = 0;
  uint8_t HideEffectsTab = 0;
  uint8_t HideSoundTab = 0;
  uint8_t HideBehaviorTab = 0;
  int32_t EffectSpeed = 0;
  Ext5 BackgroundExt{};
  Ext5 ExitBannerExt{};
  Ext5 LogoExt{};
  int32_t LogoAnchor = 0;
  int32_t LogoX = 0;
  int32_t LogoY = 0;
  int32_t LogoTransparentColor = 0;
  uint8_t AllowExe = 0;

  bool operator==(const PackageHeader&) const = default;
};

// Every named field in offset order; reserved bytes have no entry.
std::span<const Field<PackageHeader>> HeaderFields();

PackageHeader DecodeHeader(const uint8_t (&bytes)[kHeaderSize]);
// Reserved bytes are written as 0.
void EncodeHeader(const PackageHeader& h, uint8_t (&bytes)[kHeaderSize]);

// The sections after the package start, in file order.
enum class Section : int {
  Lead,
  Preview,
  WebBanner,
  ExitBanner,
  Logo,
  ItemRecords,
  MaskRecords,
  SoundRecords,
  Background,
  Melodies,
  Texts,  // the text block; its length is not stored
};
constexpr int kSectionCount = 11;

// The length of a section as the header gives it (0 for the text block).
int64_t SectionLength(const PackageHeader& h, Section s);

// Where everything lies in a file of fileSize bytes. Positions are computed
// from the header alone; the reader checks them against the file.
struct PackageLayout {
  int64_t fileSize = 0;
  int64_t packageStart = 0;
  std::array<int64_t, kSectionCount> sectionStart{};

  int64_t Start(Section s) const { return sectionStart[static_cast<int>(s)]; }
};

PackageLayout ComputeLayout(const PackageHeader& h, int64_t fileSize);

}  // namespace lw
