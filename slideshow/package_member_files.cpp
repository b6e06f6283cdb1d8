#include "slideshow/package_member_files.h"

#include "package/extract_member.h"

namespace lw {

std::string PackageMemberFiles::TempFolder() { return lw::TempFolder(folders_); }

void PackageMemberFiles::Extract(const MemberRef& m, const std::string& path) {
  ExtractMember(programPath_, path, m.compressed, m.position, m.storedLength, m.size);
}

void PackageMemberFiles::Delete(const std::string& path) { DeleteTempFile(path); }

}  // namespace lw
