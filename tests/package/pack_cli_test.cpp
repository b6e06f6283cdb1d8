// The lumaweave tool's pack, inspect and extract commands, run as a user
// runs them. Skipped where the tool was not built next to the tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "package/package_reader.h"
#include "tests/package/package_test_util.h"

namespace lw {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

std::string Tool() {
  std::error_code ec;
  const fs::path tool = fs::read_symlink("/proc/self/exe", ec).parent_path() / "lumaweave";
  return !ec && fs::exists(tool) ? tool.string() : "";
}

struct Result {
  int status;
  std::string out;
};

Result RunTool(const std::string& command) {
  Result r{-1, ""};
  std::FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  r.status = pclose(p);
  return r;
}

class PackCli : public ::testing::Test {
 protected:
  void SetUp() override {
    tool_ = Tool();
    if (tool_.empty()) GTEST_SKIP() << "lumaweave was not built";
    WriteBytes(dir_.File("prog.scr"), test::Noise(700, 1));
    WriteBytes(dir_.File("a.jpg"), test::Noise(1000, 2));
    WriteBytes(dir_.File("b.gif"), std::vector<uint8_t>(5000, 'g'));
    WriteBytes(dir_.File("bg.bmp"), std::vector<uint8_t>(3000, 'b'));
  }
  Result Pack(const std::string& manifest) {
    std::ofstream(dir_.File("show.json")) << manifest;
    return RunTool(tool_ + " pack " + dir_.File("show.json") + " -o " + dir_.File("out.scr"));
  }
  std::string tool_;
  test::ScratchDir dir_;
};

TEST_F(PackCli, PacksWhatInspectAndExtractGiveBack) {
  const Result packed = Pack(R"({
    "program": "prog.scr",
    "header": {"Seconds": 7, "BackColor": "0x1FFFFFFF", "ExitESC": true, "BackgroundExt": ".bmp"},
    "texts": {"Title": "Caf\u00e9", "Effect": [1, 120]},
    "background": {"file": "bg.bmp", "compress": 9},
    "items": [{"file": "a.jpg", "compress": 0, "Caption": "Leaves", "Duration": 12},
              {"file": "b.gif", "Ext": ".GIF", "Effect": [3]}]
  })");
  ASSERT_EQ(packed.status, 0) << packed.out;

  // The program comes first, unchanged, then a package the reader accepts.
  const std::vector<uint8_t> out = ReadBytes(dir_.File("out.scr"));
  ASSERT_GT(out.size(), 700u);
  EXPECT_TRUE(std::equal(out.begin(), out.begin() + 700, test::Noise(700, 1).begin()));
  MemorySource src(out);
  Package p;
  ASSERT_EQ(ReadPackage(src, p), PackageError::None);
  EXPECT_EQ(p.header.Seconds, 7);
  EXPECT_EQ(p.header.BackColor, 0x1FFFFFFF);
  EXPECT_EQ(p.header.ExitESC, 1);
  EXPECT_EQ(p.texts.Title(), "Caf\xE9");
  EXPECT_EQ(p.texts.Effect(), "\x01\x78");
  ASSERT_EQ(p.items.size(), 2u);
  EXPECT_EQ(ExtText(p.items[0].Ext), ".jpg");
  EXPECT_EQ(p.items[0].StoredSize, 0);
  EXPECT_EQ(p.items[0].Caption, "Leaves");
  EXPECT_EQ(p.items[1].Effect, "\x03");
  EXPECT_GT(p.items[1].StoredSize, 0);

  const Result json = RunTool(tool_ + " inspect --json " + dir_.File("out.scr"));
  ASSERT_EQ(json.status, 0) << json.out;
  for (const char* expected : {"\"Title\": \"Caf\xC3\xA9\"", "\"Effect\": [1, 120]", "\"Duration\": 12",
                               "\"Ext\": \".GIF\"", "\"BackgroundSize\": 3000", "\"melodies\": []"})
    EXPECT_NE(json.out.find(expected), std::string::npos) << expected;

  const struct {
    const char* option;
    const char* original;
  } members[] = {{"--item 0", "a.jpg"}, {"--item 1", "b.gif"}, {"--background", "bg.bmp"}};
  for (const auto& m : members) {
    const Result r = RunTool(tool_ + " extract " + dir_.File("out.scr") + " " + m.option + " -o " + dir_.File("x"));
    ASSERT_EQ(r.status, 0) << m.option << ": " << r.out;
    EXPECT_EQ(ReadBytes(dir_.File("x")), ReadBytes(dir_.File(m.original))) << m.option;
  }
  EXPECT_NE(RunTool(tool_ + " extract " + dir_.File("out.scr") + " --item 2 -o " + dir_.File("x")).status, 0);
  EXPECT_NE(RunTool(tool_ + " extract " + dir_.File("out.scr") + " --logo -o " + dir_.File("x")).status, 0);
}

TEST_F(PackCli, RefusesWhatItDoesNotKnowWithAMessageNamingIt) {
  const struct {
    const char* manifest;
    const char* message;
  } cases[] = {
      {R"({"program": "prog.scr", "header": {"Secnods": 5}})", "Secnods"},
      {R"({"program": "prog.scr", "header": {"Loop": 256}})", "Loop"},
      {R"({"program": "prog.scr", "header": {"ItemCount": 1}})", "ItemCount"},
      {R"({"program": "prog.scr", "texts": {"Tilte": "x"}})", "Tilte"},
      {R"({"program": "prog.scr", "items": [{"file": "a.jpg", "Captoin": "x"}]})", "Captoin"},
      {R"({"program": "prog.scr", "items": [{"file": "a.jpg", "compress": 10}]})", "compress"},
      {R"({"program": "prog.scr", "items": [{"file": "a.jpg", "Ext": ".JPEG2"}]})", "Ext"},
      {R"({"program": "prog.scr", "texts": {"Effect": [121]}})", "Effect"},
      {R"({"program": "prog.scr", "extras": 1})", "extras"},
      {R"({"program": "missing.scr"})", "missing.scr"},
  };
  for (const auto& c : cases) {
    fs::remove(dir_.File("out.scr"));
    const Result r = Pack(c.manifest);
    EXPECT_NE(r.status, 0) << c.manifest;
    EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(dir_.File("out.scr"))) << c.manifest;
  }
}

}  // namespace
}  // namespace lw
