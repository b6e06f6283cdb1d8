#include "package/package_reader.h"

#include <gtest/gtest.h>

#include <functional>

#include "package/extract_member.h"
#include "package/little_endian.h"
#include "package/package_writer.h"
#include "tests/package/package_test_util.h"

namespace lw {
namespace {

using test::Noise;
using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

constexpr size_t kProgramSize = 3000;

PackageContent RichContent() {
  PackageContent c;
  int i = 0;
  for (const auto& f : HeaderFields()) {
    ++i;
    if (IsComputedHeaderField(f.name)) continue;
    if (f.kind == FieldKind::Int32) c.header.*f.i32 = -1000 * i;
    if (f.kind == FieldKind::Byte) c.header.*f.u8 = static_cast<uint8_t>(i);
  }
  c.header.BackgroundExt = MakeExt5(".jpg");
  c.header.ExitBannerExt = MakeExt5(".MPEG");
  c.header.LogoExt = MakeExt5(".png");
  for (int t = 0; t < kTextCount; ++t) c.texts.slot[t] = "text " + std::to_string(t);
  c.texts[TextSlot::Website] = "";
  c.texts[TextSlot::Translation] = std::string(65535, 'x');
  c.texts[TextSlot::Effect] = std::string("\x01\x78\x3c", 3);

  c.lead = Noise(17, 1);
  c.preview = Noise(333, 2);
  c.webBanner = Noise(5, 3);
  c.exitBanner = {Noise(800, 4), 9};
  c.logo = {std::vector<uint8_t>(5000, 'L'), 1};
  c.background = {std::vector<uint8_t>(7000, 'B'), 0};

  ItemRecord item;
  item.Ext = MakeExt5(".MPEG");
  item.CaptionAnchor = 5;
  item.CaptionColor = 0x1FFFFFFF;
  item.CaptionX = -3;
  item.CaptionY = 40;
  item.CaptionBackColor = static_cast<int32_t>(0xFF00000F);
  item.CaptionFont = std::string(251, 'F');
  item.CaptionStyle = 15;
  item.CaptionSize = 24;
  item.Caption = "Autumn leaves";
  item.CaptionTransparent = 1;
  item.CaptionPerLine = 2;
  item.CaptionShadow = 3;
  item.Duration = 12;
  item.SizeMode = -1;
  item.MaskIndex = 0;
  item.SoundIndex = 1;
  item.Filters = 7;
  item.Effect = std::string("\x05\x06", 2);
  item.EffectSpeed = 10;
  c.items.push_back({item, {Noise(1000, 5), 0}});
  item.Ext = MakeExt5(".gif");
  item.Caption = "";
  item.EffectSpeed = -1;
  c.items.push_back({item, {std::vector<uint8_t>(1000, 'G'), 6}});

  MaskRecord mask;
  mask.Format = 2;
  c.masks.push_back({mask, {Noise(64, 6), 0}});
  SoundRecord sound;
  sound.Ext = ".wav";
  c.sounds.push_back({sound, {Noise(90, 7), 3}});
  sound.Ext = ".MIDI12";
  c.sounds.push_back({sound, {Noise(91, 8), 0}});
  MelodyRecord melody;
  melody.Ext = MakeExt5(".mid");
  c.melodies.push_back({melody, {std::vector<uint8_t>(4000, 'M'), 9}});
  melody.Ext = MakeExt5(".MPEG");
  c.melodies.push_back({melody, {Noise(300, 9), 0}});
  return c;
}

// A program of kProgramSize bytes followed by the package.
std::vector<uint8_t> ProgramWith(const PackageContent& c) {
  std::vector<uint8_t> file = Noise(kProgramSize, 99), package;
  EXPECT_TRUE(BuildPackage(c, package));
  file.insert(file.end(), package.begin(), package.end());
  return file;
}

template <class R>
void ExpectSameRecords(const std::vector<R>& read, const std::vector<PackageEntry<R>>& written) {
  ASSERT_EQ(read.size(), written.size());
  for (size_t i = 0; i < read.size(); ++i) {
    R expected = written[i].record;
    expected.Offset = read[i].Offset;
    expected.Size = static_cast<int32_t>(written[i].member.bytes.size());
    expected.StoredSize = read[i].StoredSize;
    EXPECT_EQ(read[i], expected) << "record " << i;
    EXPECT_EQ(read[i].StoredSize > 0, written[i].member.level > 0) << "record " << i;
  }
}

// Every member extracted through the positions the reader derives equals
// the bytes that were packed.
template <class R>
void ExpectMembersRoundTrip(ByteSource& src, const Package& p, const std::vector<R>& read,
                            const std::vector<PackageEntry<R>>& written, const ScratchDir& dir) {
  for (size_t i = 0; i < read.size(); ++i) {
    const std::string out = dir.File("member");
    ASSERT_TRUE(ExtractMemberToFile(src, out, RecordMember(p.layout, read[i])));
    EXPECT_EQ(ReadBytes(out), written[i].member.bytes) << "member " << i;
  }
}

TEST(PackageReader, ReadsBackEverythingTheWriterWrote) {
  ScratchDir dir;
  const PackageContent c = RichContent();
  const std::string path = dir.File("show.scr");
  WriteBytes(path, ProgramWith(c));
  auto src = FileSource::Open(path);
  ASSERT_TRUE(src);
  Package p;
  ASSERT_EQ(ReadPackage(*src, p), PackageError::None);

  // Fields the writer does not compute come back as given.
  PackageHeader expected = c.header;
  for (const auto& f : HeaderFields()) {
    if (!IsComputedHeaderField(f.name)) continue;
    ASSERT_EQ(f.kind, FieldKind::Int32);
    expected.*f.i32 = p.header.*f.i32;
  }
  EXPECT_EQ(p.header, expected);

  // The computed ones describe the package.
  const PackageHeader& h = p.header;
  EXPECT_EQ(h.PackageSize, src->Size() - static_cast<int64_t>(kProgramSize));
  EXPECT_EQ(p.layout.packageStart, static_cast<int64_t>(kProgramSize));
  EXPECT_EQ(h.LeadSectionSize, 17);
  EXPECT_EQ(h.PreviewSize, 333);
  EXPECT_EQ(h.WebBannerSize, 5);
  EXPECT_EQ(h.ExitBannerSize, 800);
  EXPECT_EQ(h.LogoSize, 5000);
  EXPECT_EQ(h.BackgroundSize, 7000);
  EXPECT_GT(h.BackgroundStoredSize, 7000);  // level 0: stored blocks in a zlib stream
  EXPECT_LT(h.LogoStoredSize, 5000);
  EXPECT_EQ(h.ItemCount, 2);
  EXPECT_EQ(h.MaskCount, 1);
  EXPECT_EQ(h.SoundCount, 2);
  EXPECT_EQ(h.MelodyCount, 2);
  EXPECT_GE(h.ItemSectionSize, 2 * 840 + 1000);
  EXPECT_EQ(p.texts, c.texts);

  ExpectSameRecords(p.items, c.items);
  ExpectSameRecords(p.masks, c.masks);
  ExpectSameRecords(p.sounds, c.sounds);
  ExpectSameRecords(p.melodies, c.melodies);
  EXPECT_EQ(ExtText(p.items[0].Ext), ".MPEG");
  EXPECT_EQ(ExtText(p.melodies[1].Ext), ".MPEG");
  EXPECT_EQ(p.sounds[1].Ext, ".MIDI12");

  ExpectMembersRoundTrip(*src, p, p.items, c.items, dir);
  ExpectMembersRoundTrip(*src, p, p.masks, c.masks, dir);
  ExpectMembersRoundTrip(*src, p, p.sounds, c.sounds, dir);
  ExpectMembersRoundTrip(*src, p, p.melodies, c.melodies, dir);

  struct Fixed {
    MemberRef ref;
    std::vector<uint8_t> bytes;
  } fixed[] = {
      {PreviewMember(p.layout, h), c.preview},
      {ExitBannerMember(p.layout, h), c.exitBanner.bytes},
      {LogoMember(p.layout, h), c.logo.bytes},
      {BackgroundMember(p.layout, h), c.background.bytes},
  };
  for (const Fixed& f : fixed) {
    ASSERT_TRUE(ExtractMemberToFile(*src, dir.File("fixed"), f.ref));
    EXPECT_EQ(ReadBytes(dir.File("fixed")), f.bytes);
  }
}

TEST(PackageReader, MelodyOffsetsCountFromTheMelodySection) {
  PackageContent c;
  c.lead = Noise(100, 1);
  c.background = {Noise(50, 2), 6};
  MelodyRecord m;
  m.Ext = MakeExt5(".wav");
  c.melodies.push_back({m, {Noise(10, 3), 0}});
  const std::vector<uint8_t> file = ProgramWith(c);
  MemorySource src(file);
  Package p;
  ASSERT_EQ(ReadPackage(src, p), PackageError::None);
  // One record, then its member, at the start of the melody section.
  EXPECT_EQ(p.melodies[0].Offset, MelodyRecord::kBytes);
  const MemberRef ref = RecordMember(p.layout, p.melodies[0]);
  EXPECT_EQ(ref.position, p.layout.Start(Section::Melodies) + MelodyRecord::kBytes);
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + ref.position, file.begin() + ref.position + 10), Noise(10, 3));
}

void PokeI32(std::vector<uint8_t>& file, int headerOffset, int32_t v) {
  PutI32(file.data() + file.size() - kPackageTailSize + headerOffset, v);
}
int32_t PeekI32(const std::vector<uint8_t>& file, int headerOffset) {
  return GetI32(file.data() + file.size() - kPackageTailSize + headerOffset);
}

struct Damage {
  const char* what;
  std::function<void(std::vector<uint8_t>&)> apply;
  PackageError expected;
};

TEST(PackageReader, DamagedPackagesFailCleanly) {
  PackageContent c = RichContent();
  c.texts[TextSlot::Translation] = "short";
  const Damage cases[] = {
      {"empty file", [](auto& f) { f.clear(); }, PackageError::FileTooShort},
      {"229 bytes", [](auto& f) { f.erase(f.begin(), f.end() - 229); }, PackageError::FileTooShort},
      {"program without package", [](auto& f) { f.resize(kProgramSize); }, PackageError::NoTrailer},
      {"last magic byte", [](auto& f) { f.back() = 'I'; }, PackageError::NoTrailer},
      {"magic in lower case", [](auto& f) { f[f.size() - 10] = 'v'; }, PackageError::NoTrailer},
      {"PackageSize beyond the file",
       [](auto& f) { PokeI32(f, 0, static_cast<int32_t>(f.size()) + 1); }, PackageError::BadPackageSize},
      {"PackageSize negative", [](auto& f) { PokeI32(f, 0, -1); }, PackageError::BadPackageSize},
      {"negative lead section", [](auto& f) { PokeI32(f, 60, -8); }, PackageError::NegativeSection},
      {"negative background", [](auto& f) { PokeI32(f, 32, -1); }, PackageError::NegativeSection},
      {"sections beyond the file",
       [](auto& f) { PokeI32(f, 48, PeekI32(f, 48) + static_cast<int32_t>(f.size())); },
       PackageError::SectionsBeyondFile},
      {"sizes overflowing 32 bits",
       [](auto& f) {
         PokeI32(f, 28, 0x7FFFFFFF);
         PokeI32(f, 40, 0x7FFFFFFF);
       },
       PackageError::SectionsBeyondFile},
      {"text count past the end",
       [](auto& f) {
         // The text block ends right before the header; the last text's
         // count sits just before its 5 bytes.
         const size_t at = f.size() - kPackageTailSize - 5 - 2;
         f[at] = 0xFF, f[at + 1] = 0xFF;
       },
       PackageError::TextBeyondFile},
      {"one item more than its section holds", [](auto& f) { PokeI32(f, 8, PeekI32(f, 28) / 840 + 1); },
       PackageError::BadRecordCount},
      {"negative item count", [](auto& f) { PokeI32(f, 8, -1); }, PackageError::BadRecordCount},
      {"huge mask count", [](auto& f) { PokeI32(f, 16, 0x7FFFFFFF); }, PackageError::BadRecordCount},
      {"sound count", [](auto& f) { PokeI32(f, 84, 1000); }, PackageError::BadRecordCount},
      {"melody count", [](auto& f) { PokeI32(f, 12, 0x40000000); }, PackageError::BadRecordCount},
  };
  for (const Damage& d : cases) {
    std::vector<uint8_t> file = ProgramWith(c);
    d.apply(file);
    MemorySource src(file);
    Package p;
    EXPECT_EQ(ReadPackage(src, p), d.expected) << d.what;
  }
}

TEST(PackageReader, RecordCountsDoNotConcernTheHeaderAndTexts) {
  std::vector<uint8_t> file = ProgramWith(RichContent());
  PokeI32(file, 8, 0x7FFFFFFF);
  MemorySource src(file);
  PackageHeader h;
  PackageLayout l;
  PackageTexts t;
  ASSERT_EQ(ReadPackageHeader(src, h, l), PackageError::None);
  EXPECT_EQ(ReadPackageTexts(src, l, t), PackageError::None);
  EXPECT_EQ(t.Title(), "text 0");
  std::vector<ItemRecord> items(1);
  EXPECT_EQ(ReadRecords(src, h, l, items), PackageError::BadRecordCount);
  EXPECT_EQ(items.size(), 1u);  // untouched
}

}  // namespace
}  // namespace lw
