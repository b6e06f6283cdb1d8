// The system side of the temporary-folder rule: the Windows version, the
// user's History folder, folder existence and the system temporary path.
#pragma once
#include "package/temp_files.h"

namespace lw {

// The version class of the running system (-1, or 0..7).
int WindowsVersionClass();

class Win32TempFolders final : public TempFolderPort {
 public:
  int VersionClass() override { return WindowsVersionClass(); }
  std::string HistoryFolder() override;
  bool DirectoryExists(const std::string& path) override;
  std::string SystemTempPath() override;
};

}  // namespace lw
