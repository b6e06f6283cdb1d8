#include "package/temp_files.h"

#include <cstdio>

namespace lw {

const char* MaskTempName(uint8_t format) {
  if (format == 0) return kTempMaskBmp;
  if (format == 1) return kTempMaskPng;
  return kTempMaskGif;
}

std::string TempFolder(TempFolderPort& port) {
  std::string path;
  const int version = port.VersionClass();
  if (version >= 5 && version <= 7) {
    const std::string history = port.HistoryFolder();
    const size_t cut = history.rfind('\\');
    if (cut != std::string::npos) path = history.substr(0, cut + 1) + "Temp\\";
  }
  if (path.empty() || !port.DirectoryExists(path)) path = port.SystemTempPath();
  return path;
}

void DeleteTempFile(const std::string& path) { std::remove(path.c_str()); }

}  // namespace lw
