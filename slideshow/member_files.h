// Port: the package's members as files in the temporary folder.
#pragma once
#include <string>

#include "package/package_records.h"

namespace lw {

class MemberFiles {
 public:
  virtual ~MemberFiles() = default;
  // The temporary folder, ending with a separator; asked afresh for every name.
  virtual std::string TempFolder() = 0;
  // Copies the member into path. Reports nothing: a failure shows when the
  // file cannot be read afterwards.
  virtual void Extract(const MemberRef& member, const std::string& path) = 0;
  // Deletes a temporary file; a missing one is no error.
  virtual void Delete(const std::string& path) = 0;
};

}  // namespace lw
