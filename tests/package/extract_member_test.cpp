#include "package/extract_member.h"

#include <gtest/gtest.h>

#include "package/package_writer.h"
#include "tests/package/package_test_util.h"

namespace lw {
namespace {

using test::Noise;
using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

std::vector<uint8_t> Compress(const std::vector<uint8_t>& in) {
  std::vector<uint8_t> out;
  EXPECT_TRUE(ZlibCompress(in, 6, out));
  return out;
}

// A file with `member` at position 100 between other bytes.
struct SourceFile {
  ScratchDir dir;
  std::string path = dir.File("source.bin");
  std::string target = dir.File("SSIMG.jpg");
  explicit SourceFile(const std::vector<uint8_t>& member) {
    std::vector<uint8_t> file = Noise(100, 1);
    file.insert(file.end(), member.begin(), member.end());
    const std::vector<uint8_t> tail = Noise(50, 2);
    file.insert(file.end(), tail.begin(), tail.end());
    WriteBytes(path, file);
  }
};

TEST(ExtractMember, StoredBytesAreCopiedAsTheyAre) {
  const std::vector<uint8_t> member = Noise(1000, 3);
  SourceFile f(member);
  ExtractMember(f.path, f.target, false, 100, 0, 1000);
  EXPECT_EQ(ReadBytes(f.target), member);
}

TEST(ExtractMember, StoredSizeZeroCopiesToTheEndOfTheFile) {
  SourceFile f(Noise(10, 3));
  ExtractMember(f.path, f.target, false, 100, 0, 0);
  const std::vector<uint8_t> all = ReadBytes(f.path);
  EXPECT_EQ(ReadBytes(f.target), std::vector<uint8_t>(all.begin() + 100, all.end()));
}

TEST(ExtractMember, StoredCopySpanningSeveralPieces) {
  const std::vector<uint8_t> member = Noise(kStoredPieceSize * 2 + 77, 4);
  SourceFile f(member);
  ExtractMember(f.path, f.target, false, 100, 0, static_cast<int64_t>(member.size()));
  EXPECT_EQ(ReadBytes(f.target), member);
}

TEST(ExtractMember, StoredCopyPastTheEndLeavesNoCompleteFile) {
  SourceFile f(Noise(10, 3));
  ExtractMember(f.path, f.target, false, 100, 0, 1000000);
  EXPECT_LT(ReadBytes(f.target).size(), 1000000u);
}

TEST(ExtractMember, CompressedInflatesToSize) {
  const std::vector<uint8_t> unpacked(1000, 'a');
  std::vector<uint8_t> packed;
  ASSERT_TRUE(ZlibCompress(unpacked, 9, packed));
  // Pad the stream to 400 stored bytes, as a member's stored length can be
  // longer than the stream it holds.
  ASSERT_LT(packed.size(), 400u);
  packed.resize(400, 0);
  SourceFile f(packed);
  ExtractMember(f.path, f.target, true, 100, 400, 1000);
  EXPECT_EQ(ReadBytes(f.target), unpacked);
}

TEST(ExtractMember, CompressedYieldsAtMostSizeBytes) {
  const std::vector<uint8_t> unpacked = Noise(300000, 5);
  const std::vector<uint8_t> packed = Compress(unpacked);
  const int64_t stored = static_cast<int64_t>(packed.size());
  struct Case {
    int64_t size;
    size_t expected;
  } cases[] = {
      {1, 1},
      {1000, 1000},
      {299999, 299999},  // longer stream: cut at Size
      {300000, 300000},
      {900000, 300000},  // shorter stream: the shorter file
  };
  SourceFile f(packed);
  for (const Case& c : cases) {
    ExtractMember(f.path, f.target, true, 100, stored, c.size);
    const std::vector<uint8_t> got = ReadBytes(f.target);
    ASSERT_EQ(got.size(), c.expected) << "Size " << c.size;
    EXPECT_TRUE(std::equal(got.begin(), got.end(), unpacked.begin())) << "Size " << c.size;
  }
}

TEST(ExtractMember, AFailedInflationLeavesTheOlderFileUntouched) {
  const std::vector<uint8_t> unpacked = Noise(5000, 6);
  std::vector<uint8_t> corrupt = Compress(unpacked);
  corrupt[corrupt.size() / 2] ^= 0x55;
  std::vector<uint8_t> text;
  for (int i = 0; i < 5000; ++i) text.push_back(static_cast<uint8_t>("autumn leaves "[i % 14] + i / 700));
  std::vector<uint8_t> corruptDeflate = Compress(text);
  corruptDeflate[corruptDeflate.size() / 2] ^= 0x10;
  std::vector<uint8_t> truncated = Compress(unpacked);
  truncated.resize(truncated.size() / 2);
  const std::vector<uint8_t> notZlib = Noise(300, 7);
  const std::vector<uint8_t> older = Noise(1234, 8);
  struct Case {
    const char* what;
    std::vector<uint8_t> member;
    int64_t position, stored;
  } cases[] = {
      {"bit flip in stored blocks", corrupt, 100, static_cast<int64_t>(corrupt.size())},
      {"bit flip in deflate data", corruptDeflate, 100, static_cast<int64_t>(corruptDeflate.size())},
      {"cut stream", truncated, 100, static_cast<int64_t>(truncated.size())},
      {"not a zlib stream", notZlib, 100, 300},
      {"stored length past the end", notZlib, 100, 1000000},
      {"negative position", notZlib, -5, 300},
      {"negative stored length", notZlib, 100, -1},
  };
  for (const Case& c : cases) {
    SourceFile f(c.member);
    WriteBytes(f.target, older);
    ExtractMember(f.path, f.target, true, c.position, c.stored, 5000);
    EXPECT_EQ(ReadBytes(f.target), older) << c.what;
    EXPECT_FALSE(std::filesystem::exists(f.target + ".part")) << c.what;
  }
}

TEST(ExtractMember, AGoodStreamReplacesTheOlderFile) {
  const std::vector<uint8_t> unpacked = Noise(5000, 6);
  SourceFile f(Compress(unpacked));
  WriteBytes(f.target, Noise(99999, 8));
  ExtractMember(f.path, f.target, true, 100, static_cast<int64_t>(Compress(unpacked).size()), 5000);
  EXPECT_EQ(ReadBytes(f.target), unpacked);
}

TEST(ExtractMember, AMissingSourceWritesNothing) {
  ScratchDir dir;
  ExtractMember(dir.File("absent.scr"), dir.File("out"), false, 0, 0, 10);
  ExtractMember(dir.File("absent.scr"), dir.File("out"), true, 0, 10, 10);
  EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

}  // namespace
}  // namespace lw
