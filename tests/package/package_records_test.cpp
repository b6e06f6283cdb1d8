#include "package/package_records.h"

#include <gtest/gtest.h>

#include "package/little_endian.h"
#include "package/package_reader.h"
#include "package/package_writer.h"
#include "tests/package/package_test_util.h"

namespace lw {
namespace {

TEST(PackageRecords, ItemFieldsSitAtTheirOffsets) {
  uint8_t raw[ItemRecord::kBytes] = {};
  std::memset(raw, 0xEE, sizeof raw);  // padding and neighbours must not leak in
  std::memcpy(raw + 12, ".MPEG", 5);
  raw[40] = 7;
  std::memcpy(raw + 41, "Verdana", 7);
  raw[300] = 255;  // a damaged length: more than the 251 the field holds
  PutI32(raw + 552, 0);
  PutI32(raw + 564, 12);
  PutI32(raw + 568, -1);
  raw[584] = 2;
  raw[585] = 1, raw[586] = 120;
  PutI32(raw + 836, -1);
  const ItemRecord r = DecodeRecord<ItemRecord>(raw);
  EXPECT_EQ(ExtText(r.Ext), ".MPEG");
  EXPECT_EQ(r.CaptionFont, "Verdana");
  EXPECT_EQ(r.Caption.size(), 251u);
  EXPECT_EQ(r.CaptionTransparent, 0);
  EXPECT_EQ(r.Duration, 12);
  EXPECT_EQ(r.SizeMode, -1);
  EXPECT_EQ(r.Effect, std::string("\x01\x78", 2));
  EXPECT_EQ(r.EffectSpeed, -1);
}

TEST(PackageRecords, SmallRecordsSitAtTheirOffsets) {
  uint8_t mask[MaskRecord::kBytes] = {10, 0, 0, 0, 20, 0, 0, 0, 30, 0, 0, 0, 1, 9, 9, 9};
  const MaskRecord m = DecodeRecord<MaskRecord>(mask);
  EXPECT_EQ(m.Offset, 10);
  EXPECT_EQ(m.Size, 20);
  EXPECT_EQ(m.StoredSize, 30);
  EXPECT_EQ(m.Format, 1);

  uint8_t sound[SoundRecord::kBytes] = {1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 4, '.', 'w', 'a', 'v', 'X', 'Y', 'Z'};
  EXPECT_EQ(DecodeRecord<SoundRecord>(sound).Ext, ".wav");
  SoundRecord s;
  s.Ext = ".MIDI12";
  uint8_t out[SoundRecord::kBytes];
  EncodeRecord(s, out);
  EXPECT_EQ(out[12], 7);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out + 13), 7), ".MIDI12");
}

TEST(PackageRecords, ExtensionDecidesHowAnItemIsShown) {
  const struct {
    const char* ext;
    ItemKind kind;
  } cases[] = {
      {".gif", ItemKind::AnimatedGif}, {".GIF", ItemKind::AnimatedGif}, {".Gif", ItemKind::AnimatedGif},
      {".MPEG", ItemKind::Video},      {".mpeg", ItemKind::Video},      {".mpg", ItemKind::Video},
      {".AVI", ItemKind::Video},       {".wmv", ItemKind::Video},       {".asf", ItemKind::Video},
      {".swf", ItemKind::Flash},       {".FLA", ItemKind::Flash},       {".jpg", ItemKind::StillPicture},
      {".GIFF", ItemKind::StillPicture}, {"GIF", ItemKind::StillPicture}, {"", ItemKind::StillPicture},
  };
  for (const auto& c : cases) EXPECT_EQ(ItemKindOf(MakeExt5(c.ext)), c.kind) << c.ext;
  // Five characters fill the field with no terminator and still match.
  const Ext5 mpeg = {'.', 'M', 'P', 'E', 'G'};
  EXPECT_EQ(ItemKindOf(mpeg), ItemKind::Video);
}

TEST(PackageRecords, PreviewIsFoundFromTheHeaderAlone) {
  PackageContent c;
  c.lead = test::Noise(40, 1);
  c.preview = test::Noise(300, 2);
  std::vector<uint8_t> file = test::Noise(500, 3), package;
  ASSERT_TRUE(BuildPackage(c, package));
  file.insert(file.end(), package.begin(), package.end());
  MemorySource src(file);
  MemberRef m;
  ASSERT_TRUE(FindPreviewPicture(src, m));
  EXPECT_FALSE(m.compressed);
  EXPECT_EQ(m.position, 540);
  EXPECT_EQ(m.size, 300);

  c.preview.clear();
  ASSERT_TRUE(BuildPackage(c, package));
  MemorySource noPreview(package);
  EXPECT_FALSE(FindPreviewPicture(noPreview, m));
  MemorySource noPackage(c.lead);
  EXPECT_FALSE(FindPreviewPicture(noPackage, m));
}

}  // namespace
}  // namespace lw
