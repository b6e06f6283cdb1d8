#include "package/package_reader.h"

#include <cstring>

namespace lw {
namespace {

template <class R>
struct RecordPlace;
template <>
struct RecordPlace<ItemRecord> {
  static constexpr Section section = Section::ItemRecords;
  static int32_t Count(const PackageHeader& h) { return h.ItemCount; }
};
template <>
struct RecordPlace<MelodyRecord> {
  static constexpr Section section = Section::Melodies;
  static int32_t Count(const PackageHeader& h) { return h.MelodyCount; }
};
template <>
struct RecordPlace<MaskRecord> {
  static constexpr Section section = Section::MaskRecords;
  static int32_t Count(const PackageHeader& h) { return h.MaskCount; }
};
template <>
struct RecordPlace<SoundRecord> {
  static constexpr Section section = Section::SoundRecords;
  static int32_t Count(const PackageHeader& h) { return h.SoundCount; }
};

}  // namespace

const char* DescribePackageError(PackageError e) {
  switch (e) {
    case PackageError::None: return "no error";
    case PackageError::FileTooShort: return "the file is too short to hold a package";
    case PackageError::NoTrailer: return "the file does not end with a package";
    case PackageError::BadPackageSize: return "the package size does not fit the file";
    case PackageError::NegativeSection: return "a section length is negative";
    case PackageError::SectionsBeyondFile: return "the sections run past the end of the file";
    case PackageError::TextBeyondFile: return "a text runs past the end of the file";
    case PackageError::BadRecordCount: return "a record count does not fit its section";
    case PackageError::ReadFailed: return "the file could not be read";
  }
  return "unknown error";
}

PackageError ReadPackageHeader(ByteSource& src, PackageHeader& header, PackageLayout& layout) {
  const int64_t fileSize = src.Size();
  if (fileSize < kPackageTailSize) return PackageError::FileTooShort;
  uint8_t tail[kPackageTailSize];
  if (!src.ReadAt(fileSize - kPackageTailSize, tail, sizeof tail)) return PackageError::ReadFailed;
  if (std::memcmp(tail + kHeaderSize, kTrailer, kTrailerSize) != 0) return PackageError::NoTrailer;

  uint8_t bytes[kHeaderSize];
  std::memcpy(bytes, tail, kHeaderSize);
  const PackageHeader h = DecodeHeader(bytes);
  if (h.PackageSize < 0 || h.PackageSize > fileSize) return PackageError::BadPackageSize;
  int64_t total = 0;
  for (int i = 0; i < kSectionCount; ++i) {
    const int64_t len = SectionLength(h, static_cast<Section>(i));
    if (len < 0) return PackageError::NegativeSection;
    total += len;
  }
  const PackageLayout l = ComputeLayout(h, fileSize);
  if (l.packageStart + total > fileSize) return PackageError::SectionsBeyondFile;
  header = h;
  layout = l;
  return PackageError::None;
}

PackageError ReadPackageTexts(ByteSource& src, const PackageLayout& layout, PackageTexts& texts) {
  PackageTexts t;
  int64_t pos = layout.Start(Section::Texts);
  for (std::string& s : t.slot) {
    uint8_t count[2];
    if (!src.ReadAt(pos, count, 2)) return PackageError::TextBeyondFile;
    pos += 2;
    const uint16_t n = GetU16(count);
    if (pos > src.Size() || src.Size() - pos < n) return PackageError::TextBeyondFile;
    s.resize(n);
    if (n && !src.ReadAt(pos, s.data(), n)) return PackageError::ReadFailed;
    pos += n;
  }
  texts = std::move(t);
  return PackageError::None;
}

template <class R>
PackageError ReadRecords(ByteSource& src, const PackageHeader& header, const PackageLayout& layout,
                         std::vector<R>& out) {
  using P = RecordPlace<R>;
  const int64_t count = P::Count(header);
  const int64_t start = layout.Start(P::section);
  const int64_t bytes = count * R::kBytes;
  if (count < 0 || bytes > SectionLength(header, P::section)) return PackageError::BadRecordCount;
  if (start < 0 || start > src.Size() || src.Size() - start < bytes) return PackageError::BadRecordCount;
  std::vector<uint8_t> raw(static_cast<size_t>(bytes));
  if (!src.ReadAt(start, raw.data(), raw.size())) return PackageError::ReadFailed;
  std::vector<R> records;
  records.reserve(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) records.push_back(DecodeRecord<R>(raw.data() + i * R::kBytes));
  out = std::move(records);
  return PackageError::None;
}

template PackageError ReadRecords(ByteSource&, const PackageHeader&, const PackageLayout&, std::vector<ItemRecord>&);
template PackageError ReadRecords(ByteSource&, const PackageHeader&, const PackageLayout&,
                                  std::vector<MelodyRecord>&);
template PackageError ReadRecords(ByteSource&, const PackageHeader&, const PackageLayout&, std::vector<MaskRecord>&);
template PackageError ReadRecords(ByteSource&, const PackageHeader&, const PackageLayout&,
                                  std::vector<SoundRecord>&);

bool FindPreviewPicture(ByteSource& src, MemberRef& preview) {
  PackageHeader h;
  PackageLayout l;
  if (ReadPackageHeader(src, h, l) != PackageError::None || h.PreviewSize <= 0) return false;
  preview = PreviewMember(l, h);
  return true;
}

PackageError ReadPackage(ByteSource& src, Package& p) {
  PackageError e = ReadPackageHeader(src, p.header, p.layout);
  if (e == PackageError::None) e = ReadPackageTexts(src, p.layout, p.texts);
  if (e == PackageError::None) e = ReadRecords(src, p.header, p.layout, p.items);
  if (e == PackageError::None) e = ReadRecords(src, p.header, p.layout, p.masks);
  if (e == PackageError::None) e = ReadRecords(src, p.header, p.layout, p.sounds);
  if (e == PackageError::None) e = ReadRecords(src, p.header, p.layout, p.melodies);
  return e;
}

}  // namespace lw
