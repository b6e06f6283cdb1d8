#include "app/saver_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/mode_flags.h"
#include "app/package_image.h"
#include "package/package_reader.h"
#include "package/package_writer.h"
#include "tests/app/fake_saver_window.h"

namespace lw {
namespace {

using Log = std::vector<std::string>;
using test::Noise;
using test::ReadBytes;
using test::WriteBytes;

const std::string kFailure = std::string("ShowError Screen Saver: ") + kPackageFailureMessage;

class SaverWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SaverActive = PreviewMode = PresentationMode = false;
    CursorShown = false;
    PackageHeaderImage = {};
    PackageTextBlock = {};
    window.temp.folder = dir.File("temp") + "/";
    std::filesystem::create_directories(window.temp.folder);
  }

  // A program file in the scratch folder, with the package appended when
  // one is given.
  std::string Program(const std::string& name, const PackageContent* package) {
    const std::string path = dir.File(name);
    WriteBytes(path, Noise(3000, 1));
    if (package) {
      EXPECT_TRUE(AppendPackage(path, *package));
    }
    return path;
  }

  static PackageContent Autumn() {
    PackageContent c;
    c.texts[TextSlot::Title] = "Autumn";
    c.header.AllowExe = 1;
    return c;
  }

  // Runs the main window's creation for this program and command line.
  void Start(const std::string& program, const std::string& commandLine) {
    window.programPath = program;
    window.commandLine = "saver " + commandLine;
    form = std::make_unique<TSSWindow>(window);
    window.log.clear();
    form->FormCreate();
  }

  test::ScratchDir dir;
  test::FakeSaverWindow window;
  std::unique_ptr<TSSWindow> form;
};

TEST_F(SaverWindowTest, ModeFlagsFollowTheFileNameAndTheCommandLine) {
  const PackageContent autumn = Autumn();
  struct Case {
    const char* file;
    const char* commandLine;
    bool saverActive, previewMode, presentationMode, readsPackage;
  } cases[] = {
      {"saver.scr", "/s", true, false, false, true},     {"saver.scr", "/p 1234", true, true, false, false},
      {"SHOW.Exe", "/p 1234", true, false, true, true},  {"show.exe", "", true, false, true, true},
      {"saver.scr", "/c", false, false, false, true},    {"saver.scr", "", false, false, false, true},
      {"saver.SCR", "/c:99", false, false, false, true}, {"saver.scr", "/a 1", false, false, false, false},
  };
  for (const auto& c : cases) {
    SetUp();
    Start(Program(c.file, &autumn), c.commandLine);
    const std::string where = std::string(c.file) + " " + c.commandLine;
    EXPECT_EQ(SaverActive, c.saverActive) << where;
    EXPECT_EQ(PreviewMode, c.previewMode) << where;
    EXPECT_EQ(PresentationMode, c.presentationMode) << where;
    EXPECT_EQ(window.Calls("SetCaption"), c.readsPackage ? Log{"SetCaption Autumn"} : Log{}) << where;
    EXPECT_EQ(window.Calls("ShowError"), Log{}) << where;
    // The owner window loses its taskbar button in every mode, after the
    // mode's own set-up.
    const Log styles = window.Calls("SetOwnerWindowExStyle");
    ASSERT_FALSE(styles.empty()) << where;
    EXPECT_EQ(styles.back(), "SetOwnerWindowExStyle 0x80") << where;
    // Print Screen is held in every mode, last.
    const Log tail(window.log.end() - 2, window.log.end());
    EXPECT_EQ(tail, (Log{"ClaimHotKey 1 0x0 0x2C", "ClaimHotKey 2 0x3 0x2C"})) << where;
  }
}

TEST_F(SaverWindowTest, PasswordChangeEndsTheProgramWithoutReadingThePackage) {
  Start(Program("saver.scr", nullptr), "/a 1");
  EXPECT_EQ(window.Calls("Terminate"), Log{"Terminate"});
  EXPECT_EQ(window.Calls("ShowError"), Log{});
}

TEST_F(SaverWindowTest, DamagedProgramShowsTheMessageWithTheTitleAsCaption) {
  std::vector<uint8_t> tooShort = Noise(229, 3);
  // Empty texts, but the title's count claims 65535 bytes.
  std::vector<uint8_t> textPastEnd;
  {
    BuildPackage(PackageContent{}, textPastEnd);
    const size_t title = textPastEnd.size() - kPackageTailSize - 2 * kTextCount;
    textPastEnd[title] = textPastEnd[title + 1] = 0xFF;
  }
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  } programs[] = {{"no package", Noise(5000, 2)}, {"229 bytes", tooShort}, {"text past the end", textPastEnd}};
  for (const char* commandLine : {"/s", "/c", ""}) {
    for (const auto& p : programs) {
      SetUp();
      const std::string path = dir.File("saver.scr");
      WriteBytes(path, p.bytes);
      Start(path, commandLine);
      const std::string where = std::string(p.name) + " " + commandLine;
      const int cursor = window.IndexOf("ShowCursor true");
      const int message = window.IndexOf("ShowError");
      const int terminate = window.IndexOf("Terminate");
      ASSERT_GE(message, 0) << where;
      EXPECT_EQ(window.log[message], kFailure) << where;
      EXPECT_LT(cursor, message) << where;
      EXPECT_GE(cursor, 0) << where;
      EXPECT_GT(terminate, message) << where;
      EXPECT_EQ(window.Calls("SetCaption"), Log{}) << where;
      EXPECT_EQ(window.Calls("ClaimHotKey").size(), 2u) << where;
    }
  }
}

TEST_F(SaverWindowTest, FailureCaptionIsTheCurrentApplicationTitle) {
  Start(Program("saver.scr", nullptr), "/s");
  window.log.clear();
  window.title = "Autumn";
  EXPECT_FALSE(form->ReadData(false));
  EXPECT_EQ(window.Calls("ShowError"), Log{std::string("ShowError Autumn: ") + kPackageFailureMessage});
}

TEST_F(SaverWindowTest, UnreadableProgramEndsQuietly) {
  Start(dir.File("missing.scr"), "/s");
  EXPECT_EQ(window.Calls("ShowError"), Log{});
  EXPECT_EQ(window.Calls("Terminate"), Log{"Terminate"});
}

TEST_F(SaverWindowTest, PresentationKeepsOnlyEscAndHonoursAllowExe) {
  PackageContent c = Autumn();
  c.header.ExitMouseMove = 1;
  c.header.ExitMouseButton = 1;
  c.header.ExitKeyboard = 1;
  c.header.ExitESC = 0;
  Start(Program("show.exe", &c), "");
  EXPECT_EQ(PackageHeaderImage.ExitMouseMove, 0);
  EXPECT_EQ(PackageHeaderImage.ExitMouseButton, 0);
  EXPECT_EQ(PackageHeaderImage.ExitKeyboard, 0);
  EXPECT_EQ(PackageHeaderImage.ExitESC, 1);
  EXPECT_EQ(window.Calls("Terminate"), Log{});

  SetUp();
  Start(Program("saver.scr", &c), "/s");
  EXPECT_EQ(PackageHeaderImage.ExitMouseMove, 1);
  EXPECT_EQ(PackageHeaderImage.ExitESC, 0);

  c.header.AllowExe = 0;
  SetUp();
  Start(Program("saver.scr", &c), "/s");
  EXPECT_EQ(window.Calls("Terminate"), Log{});
  SetUp();
  Start(Program("show.exe", &c), "/s");
  EXPECT_EQ(window.Calls("Terminate"), Log{"Terminate"});
  EXPECT_EQ(window.Calls("ShowError"), Log{});
}

TEST_F(SaverWindowTest, PreviewStretchesThePackagePictureAndDeletesItsFile) {
  PackageContent c = Autumn();
  c.lead = Noise(77, 4);
  c.preview = Noise(1234, 5);
  Start(Program("saver.scr", &c), "/p 1234");
  const std::string picture = window.temp.folder + "SSIMG.BMP";
  const int black = window.IndexOf("SetWindowColor 0x0");
  const int shown = window.IndexOf("ShowPreviewPicture " + picture);
  ASSERT_GE(shown, 0);
  EXPECT_LT(black, shown);
  EXPECT_GE(black, 0);
  EXPECT_EQ(window.shownPicture, c.preview);
  EXPECT_FALSE(std::filesystem::exists(picture));

  window.shownPicture.clear();
  form->LoadPreviewImage();
  EXPECT_EQ(window.Calls("ShowPreviewPicture").size(), 2u);
  EXPECT_EQ(window.shownPicture, c.preview);
  EXPECT_FALSE(std::filesystem::exists(picture));
}

TEST_F(SaverWindowTest, PreviewWithoutPictureStaysBlackAndSilent) {
  const PackageContent autumn = Autumn();
  for (const PackageContent* package : {&autumn, static_cast<const PackageContent*>(nullptr)}) {
    SetUp();
    Start(Program("saver.scr", package), "/p 1234");
    EXPECT_EQ(window.Calls("ShowPreviewPicture"), Log{});
    EXPECT_EQ(window.Calls("ShowError"), Log{});
    EXPECT_EQ(window.Calls("Terminate"), Log{});
    EXPECT_FALSE(std::filesystem::exists(window.temp.folder + "SSIMG.BMP"));
  }
}

TEST_F(SaverWindowTest, CloseUndoesTheModeOnceAndDeletesTheDataFile) {
  const PackageContent autumn = Autumn();
  Start(Program("saver.scr", &autumn), "/s");
  WriteBytes(window.temp.folder + "SSDATA.DAT", Noise(10, 6));
  window.log.clear();
  form->FormClose();
  EXPECT_EQ(window.log, (Log{"HideWindow", "ShowCursor true", "UnhookWindowProc", "SetScreenSaverRunning false",
                             "ShowCursor true"}));
  EXPECT_EQ(form->ScreenSaver, nullptr);
  EXPECT_FALSE(std::filesystem::exists(window.temp.folder + "SSDATA.DAT"));
  window.log.clear();
  form->FormClose();
  EXPECT_TRUE(window.log.empty());
  form.reset();
  EXPECT_EQ(window.log, (Log{"ReleaseHotKey 1", "ReleaseHotKey 2"}));
}

TEST_F(SaverWindowTest, DestroyingWithoutCloseStillUndoesTheMode) {
  Start(Program("saver.scr", nullptr), "/s");
  window.log.clear();
  form.reset();
  EXPECT_EQ(window.log, (Log{"ReleaseHotKey 1", "ReleaseHotKey 2", "UnhookWindowProc", "SetScreenSaverRunning false",
                             "ShowCursor true"}));
}

TEST_F(SaverWindowTest, CursorCallsOnlyOnChange) {
  Start(Program("saver.scr", nullptr), "/a");
  window.log.clear();
  form->SetCursorShown(false);
  form->SetCursorShown(true);
  form->SetCursorShown(true);
  form->SetCursorShown(false);
  EXPECT_EQ(window.log, (Log{"ShowCursor true", "ShowCursor false"}));
}

}  // namespace
}  // namespace lw
