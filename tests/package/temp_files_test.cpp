#include "package/temp_files.h"

#include <gtest/gtest.h>

#include <set>

#include "package/package_records.h"
#include "tests/package/package_test_util.h"

namespace lw {
namespace {

class FakeSystem : public TempFolderPort {
 public:
  int version = 7;
  std::string history = "C:\\Users\\ann\\Local Settings\\History";
  std::set<std::string> folders;
  int VersionClass() override { return version; }
  std::string HistoryFolder() override { return history; }
  bool DirectoryExists(const std::string& p) override { return folders.count(p) > 0; }
  std::string SystemTempPath() override { return "C:\\WINDOWS\\TEMP\\"; }
};

TEST(TempFolder, UsesTheTempFolderBesideHistoryOnlyOnTheNtVersionsThatHaveIt) {
  const std::string sibling = "C:\\Users\\ann\\Local Settings\\Temp\\";
  for (int version = -1; version <= 7; ++version) {
    for (bool exists : {false, true}) {
      FakeSystem sys;
      sys.version = version;
      if (exists) sys.folders.insert(sibling);
      const bool history = exists && version >= 5 && version <= 7;
      EXPECT_EQ(TempFolder(sys), history ? sibling : "C:\\WINDOWS\\TEMP\\")
          << "class " << version << (exists ? " with" : " without") << " Temp";
    }
  }
}

TEST(TempFolder, FallsBackWhenTheHistoryFolderIsUnusable) {
  for (const char* history : {"", "History"}) {
    FakeSystem sys;
    sys.history = history;
    sys.folders = {"Temp\\", "HistoryTemp\\", "\\Temp\\"};
    EXPECT_EQ(TempFolder(sys), "C:\\WINDOWS\\TEMP\\") << '"' << history << '"';
  }
}

TEST(TempFiles, MaskNameFollowsTheFormat) {
  EXPECT_STREQ(MaskTempName(0), "SSMASK.bmp");
  EXPECT_STREQ(MaskTempName(1), "SSMASK.png");
  EXPECT_STREQ(MaskTempName(2), "SSMASK.gif");
  EXPECT_STREQ(MaskTempName(255), "SSMASK.gif");
}

TEST(TempFiles, DeletingIgnoresAMissingFile) {
  test::ScratchDir dir;
  test::WriteBytes(dir.File("SSIMG.gif"), {1, 2});
  DeleteTempFile(dir.File("SSIMG.gif"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("SSIMG.gif")));
  DeleteTempFile(dir.File("SSIMG.gif"));
}

TEST(KeepOneRandomEntry, OneEntryStaysAndSeveralBecomeTheDrawnOne) {
  std::vector<int> one = {42};
  SetRandSeed(5);
  KeepOneRandomEntry(one);
  EXPECT_EQ(one, std::vector<int>{42});
  EXPECT_EQ(RandSeed(), 5u);  // nothing was drawn

  std::vector<int> several = {10, 11, 12, 13, 14, 15, 16};
  SetRandSeed(1234);
  const int32_t r = Random(7);
  SetRandSeed(1234);
  KeepOneRandomEntry(several);
  EXPECT_EQ(several, std::vector<int>{10 + r});

  std::vector<MelodyRecord> melodies(3);
  for (int i = 0; i < 3; ++i) melodies[i].Offset = 100 * i;
  melodies[2].Ext = MakeExt5(".MPEG");
  for (uint32_t seed = 0;; ++seed) {
    SetRandSeed(seed);
    if (Random(3) != 2) continue;
    SetRandSeed(seed);
    KeepOneRandomEntry(melodies);
    break;
  }
  ASSERT_EQ(melodies.size(), 1u);
  EXPECT_EQ(melodies[0].Offset, 200);
  EXPECT_EQ(ExtText(melodies[0].Ext), ".MPEG");
}

}  // namespace
}  // namespace lw
