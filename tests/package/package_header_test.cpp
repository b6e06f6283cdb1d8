#include "package/package_header.h"

#include <gtest/gtest.h>

#include <set>

namespace lw {
namespace {

// Every named field set to a value with no zero byte.
PackageHeader AllFieldsSet() {
  PackageHeader h;
  int i = 0;
  for (const auto& f : HeaderFields()) {
    ++i;
    switch (f.kind) {
      case FieldKind::Int32: h.*f.i32 = static_cast<int32_t>(0x01010101u * i); break;
      case FieldKind::Byte: h.*f.u8 = static_cast<uint8_t>(i); break;
      case FieldKind::Ext5: h.*f.ext = MakeExt5(".MPG" + std::string(1, char('A' + i % 26))); break;
      default: ADD_FAILURE() << f.name;
    }
  }
  return h;
}

TEST(PackageHeader, NamedFieldsCoverExactlyTheNonReservedBytes) {
  uint8_t bytes[kHeaderSize];
  EncodeHeader(AllFieldsSet(), bytes);
  std::set<int> reserved = {4, 5, 6, 7, 52, 53, 54, 55, 131, 217, 218, 219};
  for (int i = 151; i < 200; ++i) reserved.insert(i);
  for (int i = 0; i < kHeaderSize; ++i) {
    if (reserved.count(i))
      EXPECT_EQ(bytes[i], 0) << "reserved byte " << i;
    else
      EXPECT_NE(bytes[i], 0) << "byte " << i << " belongs to no field";
  }
  EXPECT_EQ(DecodeHeader(bytes), AllFieldsSet());
}

TEST(PackageHeader, FieldsSitAtTheirOffsets) {
  uint8_t bytes[kHeaderSize] = {};
  bytes[0] = 0x34, bytes[1] = 0x12;               // PackageSize
  bytes[44] = 7;                                  // PreviewSize
  bytes[88] = 0x11, bytes[89] = 0x22, bytes[90] = 0x33;  // BackColor, red low
  bytes[116] = 2;                                 // FirstItemIntro keeps its byte value
  bytes[132] = 0xFF, bytes[133] = 0xFF, bytes[134] = 0xFF, bytes[135] = 0xFF;  // EffectSpeed -1
  std::memcpy(bytes + 136, ".MPEG", 5);           // BackgroundExt, no terminator
  std::memcpy(bytes + 141, ".gif", 5);            // ExitBannerExt with its 0 byte
  bytes[200] = 4;                                 // LogoAnchor
  bytes[212] = 0xFF, bytes[213] = 0xFF, bytes[214] = 0xFF, bytes[215] = 0x1F;
  bytes[216] = 1;                                 // AllowExe
  const PackageHeader h = DecodeHeader(bytes);
  EXPECT_EQ(h.PackageSize, 0x1234);
  EXPECT_EQ(h.PreviewSize, 7);
  EXPECT_EQ(h.BackColor, 0x332211);
  EXPECT_EQ(h.FirstItemIntro, 2);
  EXPECT_EQ(h.EffectSpeed, -1);
  EXPECT_EQ(ExtText(h.BackgroundExt), ".MPEG");
  EXPECT_EQ(ExtText(h.ExitBannerExt), ".gif");
  EXPECT_EQ(ExtText(h.LogoExt), "");
  EXPECT_EQ(h.LogoAnchor, 4);
  EXPECT_EQ(h.LogoTransparentColor, 0x1FFFFFFF);
  EXPECT_EQ(h.AllowExe, 1);
}

TEST(PackageLayout, SectionsFollowEachOtherFromThePackageStart) {
  PackageHeader h;
  h.PackageSize = 2000;
  h.LeadSectionSize = 1;
  h.PreviewSize = 2;
  h.WebBannerSize = 4;
  h.ExitBannerStoredSize = 8;
  h.LogoStoredSize = 16;
  h.ItemSectionSize = 32;
  h.MaskSectionSize = 64;
  h.SoundSectionSize = 128;
  h.BackgroundStoredSize = 256;
  h.MelodySectionSize = 512;
  // Unpacked sizes never move a section.
  h.ExitBannerSize = h.LogoSize = h.BackgroundSize = 99999;
  const PackageLayout l = ComputeLayout(h, 5000);
  EXPECT_EQ(l.packageStart, 3000);
  const int64_t expected[kSectionCount] = {3000, 3001, 3003, 3007, 3015, 3031, 3063, 3127, 3255, 3511, 4023};
  for (int i = 0; i < kSectionCount; ++i) EXPECT_EQ(l.sectionStart[i], expected[i]) << "section " << i;
}

}  // namespace
}  // namespace lw
