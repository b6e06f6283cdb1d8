// Copying one package member into a file of its own.
//
//   ExtractMember(programPath, TempFolder(port) + "SSIMG" + ExtText(item.Ext),
//                 item.StoredSize > 0, position, item.StoredSize, item.Size);
//
// A compressed member is one zlib stream; it yields min(produced, Size)
// bytes. It inflates through fixed-size buffers straight into a sibling of
// the target, which replaces the target only when the stream was good, so a
// damaged member never costs more memory than the buffers and never spoils
// an older file of the same name. A stored member is copied in 512 KiB pieces
// directly into the target; Size 0 copies from the position to the end of the
// file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "package/byte_source.h"
#include "package/package_records.h"

namespace lw {

constexpr size_t kStoredPieceSize = 0x80000;

// The program's operation: failures are silent, the caller notices when it
// cannot load the target.
void ExtractMember(const std::string& SourcePath, const std::string& TargetPath, bool Compressed, int64_t Position,
                   int64_t StoredLength, int64_t Size);

// The same, reporting whether the target now holds the member.
bool ExtractMemberToFile(ByteSource& src, const std::string& targetPath, const MemberRef& m);

// The two ways of copying, into any sink; true when the member was complete.
// What was written before a failure stays written.
bool CopyStoredMember(ByteSource& src, int64_t position, int64_t size, ByteSink& sink);
bool InflateMember(ByteSource& src, int64_t position, int64_t storedLength, int64_t size, ByteSink& sink);

}  // namespace lw
