// Reading a package from the end of a file.
//
// The calls follow the order in which the program reads its own file:
//
//   auto src = FileSource::Open(path);          // or MemorySource(bytes)
//   PackageHeader header; PackageLayout layout;
//   PackageError e = ReadPackageHeader(*src, header, layout);   // header + trailer
//   PackageTexts texts;
//   if (e == PackageError::None) e = ReadPackageTexts(*src, layout, texts);
//   ... the configuration dialog stops here ...
//   std::vector<ItemRecord> items;  ReadRecords(*src, header, layout, items);
//   (likewise MaskRecord, SoundRecord, and later MelodyRecord)
//
// The preview start reads only the header: FindPreviewPicture(*src, member).
//
// Any result other than PackageError::None is the package failure the program
// reports with its one message. Every size and count is checked against the
// bytes really in the file before anything is allocated, so a damaged file
// costs at most its own size in memory. Member positions for extraction come
// from RecordMember(layout, record) and the *Member(layout, header) helpers in
// package_records.h.
#pragma once
#include <cstdint>
#include <vector>

#include "package/byte_source.h"
#include "package/package_header.h"
#include "package/package_records.h"
#include "package/package_texts.h"

namespace lw {

enum class PackageError {
  None,
  FileTooShort,        // fewer bytes than the header and trailer
  NoTrailer,           // the last 10 bytes are not the magic
  BadPackageSize,      // negative, or larger than the file
  NegativeSection,     // a section length below 0
  SectionsBeyondFile,  // the sections end after the end of the file
  TextBeyondFile,      // a text runs past the end of the file
  BadRecordCount,      // negative, or the records do not fit in their section
  ReadFailed,          // the file could not be read
};

// A short English description, for the CLI.
const char* DescribePackageError(PackageError e);

// The message the program shows for any package failure.
constexpr const char kPackageFailureMessage[] =
    "The screen saver can not run because of one of the following reasons:\r\n\r\n"
    "* The file is corrupted\r\n* Your computer is out of resources\r\n* Windows error";

// Reads the header and the trailer and lays out the sections.
PackageError ReadPackageHeader(ByteSource& src, PackageHeader& header, PackageLayout& layout);

// Reads the 18 texts of the text block.
PackageError ReadPackageTexts(ByteSource& src, const PackageLayout& layout, PackageTexts& texts);

// Reads the header's count of records of kind R from the start of their
// section. out is replaced only on success.
template <class R>
PackageError ReadRecords(ByteSource& src, const PackageHeader& header, const PackageLayout& layout,
                         std::vector<R>& out);

// The preview picture of the package at the end of src: false without a
// package or when PreviewSize is not above 0.
bool FindPreviewPicture(ByteSource& src, MemberRef& preview);

// Everything at once, for tools and tests.
struct Package {
  PackageHeader header;
  PackageLayout layout;
  PackageTexts texts;
  std::vector<ItemRecord> items;
  std::vector<MelodyRecord> melodies;
  std::vector<MaskRecord> masks;
  std::vector<SoundRecord> sounds;
};
PackageError ReadPackage(ByteSource& src, Package& p);

}  // namespace lw
