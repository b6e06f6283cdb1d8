#include "app/command_line.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(CommandLine, ModeLetterKeepsTheCharacterAfterTheFirst) {
  struct Case {
    std::vector<std::string> args;
    const char* letter;
  } cases[] = {
      {{"/s"}, "S"},      {{"-S"}, "S"},          {{"/S"}, "S"},         {{"S"}, ""},
      {{"/c:1234"}, "C"}, {{"/p:1234"}, "P"},     {{""}, ""},            {{}, ""},
      {{"/p", "1234"}, "P"}, {{"/a", "99"}, "A"}, {{"xyz"}, "Y"},        {{"/1"}, "1"},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const auto& a : c.args) joined += "[" + a + "]";
    EXPECT_EQ(ModeLetter(c.args), c.letter) << joined;
  }
}

TEST(CommandLine, SplitsLikeTheSystemShell) {
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\My Saver.scr\" /p 1234"),
            (std::vector<std::string>{"C:\\Program Files\\My Saver.scr", "/p", "1234"}));
  EXPECT_EQ(SplitCommandLine("  saver.scr\t/c:1234  "), (std::vector<std::string>{"saver.scr", "/c:1234"}));
  EXPECT_EQ(SplitCommandLine("a\"b c\"d \"\""), (std::vector<std::string>{"ab cd", ""}));
  EXPECT_TRUE(SplitCommandLine("   ").empty());
}

TEST(CommandLine, PresentationOnlyForAnExeFileName) {
  struct Case {
    const char* path;
    bool presentation;
  } cases[] = {
      {"C:\\Shows\\show.exe", true},    {"C:\\Shows\\SHOW.Exe", true},  {"Z:\\a\\lumaweave.scr", false},
      {"C:\\x.exe\\saver", false},      {"C:\\show.exe.scr", false},    {"C:\\Shows\\show", false},
      {"show.exe", true},               {"C:/unix/style.EXE", true},    {".exe", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsPresentationProgram(c.path), c.presentation) << c.path;
}

TEST(CommandLine, DecimalNumbersOnly) {
  struct Case {
    const char* text;
    std::optional<int64_t> value;
  } cases[] = {
      {"1234", 1234},           {"0", 0},
      {"-5", -5},               {"+7", 7},
      {"4294967295", 4294967295ll}, {"-2147483648", -2147483648ll},
      {"4294967296", std::nullopt}, {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt}, {"", std::nullopt},
      {"-", std::nullopt},      {"12a", std::nullopt},
      {" 12", std::nullopt},    {"0x1F", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << c.text;
}

TEST(CommandLine, LibraryPathGetsOneSeparator) {
  EXPECT_EQ(InFolder("C:\\WINDOWS\\system32", "MPR.DLL"), "C:\\WINDOWS\\system32\\MPR.DLL");
  EXPECT_EQ(InFolder("C:\\", "MPR.DLL"), "C:\\MPR.DLL");
}

}  // namespace
}  // namespace lw
