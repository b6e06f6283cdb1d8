// The member files of the program's own package: extraction from the program
// file into the temporary folder.
#pragma once
#include <string>

#include "package/temp_files.h"
#include "slideshow/member_files.h"

namespace lw {

class PackageMemberFiles : public MemberFiles {
 public:
  PackageMemberFiles(std::string programPath, TempFolderPort& folders)
      : programPath_(std::move(programPath)), folders_(folders) {}
  std::string TempFolder() override;
  void Extract(const MemberRef& member, const std::string& path) override;
  void Delete(const std::string& path) override;

 private:
  std::string programPath_;
  TempFolderPort& folders_;
};

}  // namespace lw
