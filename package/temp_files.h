// The temporary folder and the fixed names of the files extracted into it.
#pragma once
#include <cstdint>
#include <string>

namespace lw {

// Prefixes; the member's extension follows unchanged where there is one.
constexpr const char kTempSlide[] = "SSIMG";          // + item Ext
constexpr const char kTempPreview[] = "SSIMG.BMP";
constexpr const char kTempBackground[] = "SSBG";      // + BackgroundExt
constexpr const char kTempLogo[] = "SSLG";            // + LogoExt
constexpr const char kTempExitBanner[] = "SSEB";      // + ExitBannerExt
constexpr const char kTempMaskBmp[] = "SSMASK.bmp";
constexpr const char kTempMaskPng[] = "SSMASK.png";
constexpr const char kTempMaskGif[] = "SSMASK.gif";
constexpr const char kTempMelody[] = "SSSND";         // + melody Ext
constexpr const char kTempSlideSound[] = "SSSnd";     // + sound Ext
constexpr const char kTempWallpaper[] = "SSWIMG";     // + item Ext
constexpr const char kTempData[] = "SSDATA.DAT";

// The mask file name for a MaskRecord's Format: 0 BMP, 1 PNG, other GIF.
const char* MaskTempName(uint8_t format);

// What the temporary folder rule asks of the system.
class TempFolderPort {
 public:
  virtual ~TempFolderPort() = default;
  virtual int VersionClass() = 0;               // WindowsVersionClass
  virtual std::string HistoryFolder() = 0;      // special folder 34; empty on failure
  virtual bool DirectoryExists(const std::string& path) = 0;
  virtual std::string SystemTempPath() = 0;     // ends with a separator
};

// On Windows 2000, XP and NT 6.x the folder "Temp" beside the user's History
// folder, when it exists; otherwise the system temporary path. Ends with a
// separator. Nothing is created and nothing is cached.
std::string TempFolder(TempFolderPort& port);

// Deletes a temporary file; a missing or locked file is not an error.
void DeleteTempFile(const std::string& path);

}  // namespace lw
