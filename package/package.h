// The package: everything the program reads from the end of its own file.
//
//   package/byte_source.h     ByteSource (FileSource, MemorySource), ByteSink
//   package/package_header.h  PackageHeader, kTrailer, Section, PackageLayout
//   package/package_texts.h   PackageTexts (Title, AboutText, ... Translation)
//   package/package_records.h ItemRecord, MelodyRecord, MaskRecord,
//                             SoundRecord, ItemKindOf, MemberRef,
//                             RecordMember, *Member, KeepOneRandomEntry
//   package/package_reader.h  ReadPackageHeader, ReadPackageTexts,
//                             ReadRecords<R>, ReadPackage,
//                             FindPreviewPicture, PackageError
//   package/extract_member.h  ExtractMember
//   package/temp_files.h      TempFolder, temporary file names, DeleteTempFile
//   package/package_writer.h  PackageContent, BuildPackage, AppendPackage
#pragma once
#include "package/extract_member.h"
#include "package/package_reader.h"
#include "package/package_writer.h"
#include "package/temp_files.h"
