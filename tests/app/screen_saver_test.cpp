#include "app/screen_saver.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/app/fake_saver_window.h"

namespace lw {
namespace {

using Log = std::vector<std::string>;

// The component with this program's settings and every event logged.
struct Saver {
  test::FakeSaverWindow window;
  std::unique_ptr<TScreenSaver> saver;

  explicit Saver(const std::string& commandLine) {
    window.commandLine = "saver.scr " + commandLine;
    saver = std::make_unique<TScreenSaver>(window);
    saver->AutoEnable = false;
    saver->ConfigurationBoxStyle = cbsPanel;
    saver->ConfigurationBoxPanel = "CfgBox";
    auto log = [this](const char* name) { return [this, name](TScreenSaver&) { window.log.push_back(name); }; };
    saver->OnBeforePreviewActive = log("event BeforePreview");
    saver->OnPreviewActive = log("event Preview");
    saver->OnBeforeMainSaverActive = log("event BeforeMainSaver");
    saver->OnMainSaverActive = log("event MainSaver");
    saver->OnBeforeConfigBoxActive = log("event BeforeConfigBox");
    saver->OnConfigBoxActive = log("event ConfigBox");
    saver->OnBeforePasswordSet = log("event BeforePasswordSet");
    saver->OnPasswordSet = log("event PasswordSet");
  }
};

const Log kPreviewEmbedded = {
    "event BeforePreview",   "HideTopLevelWindow Screen Saver", "SetOwnerWindowExStyle 0x88",
    "EmbedIn 1234",          "DisableAutoPlacement",            "SizeToScreen",
    "ScaleControls 152/1024", "SetBounds 0,0,152,112",          "event Preview"};
const Log kPreviewAlone = {"event BeforePreview", "HideTopLevelWindow Screen Saver", "SetOwnerWindowExStyle 0x88",
                           "event Preview"};
const Log kMainSaver = {"event BeforeMainSaver", "HideTopLevelWindow Screen Saver", "SetScreenSaverRunning true",
                        "ShowCursor false",      "Maximize",                        "RemoveBorder",
                        "StayOnTop",             "HookWindowProc",                  "event MainSaver"};
const Log kConfigPanel = {"event BeforeConfigBox", "HidePanelsExcept CfgBox", "ShowPanelInFront CfgBox",
                          "ShowAsDialog 513x381", "event ConfigBox"};
const Log kConfigPanelFromDisplayProperties = {"event BeforeConfigBox",
                                               "HidePanelsExcept CfgBox",
                                               "ShowPanelInFront CfgBox",
                                               "ShowAsDialog 513x381",
                                               "SetTopLevelWindowEnabled Display Properties false",
                                               "BringTopLevelWindowToFront Display Properties",
                                               "event ConfigBox"};
const Log kPasswordSet = {"event BeforePasswordSet", "HideTopLevelWindow Screen Saver", "Minimize",
                          "SetOwnerWindowExStyle 0x88", "ChangePassword C:\\WINDOWS\\system32\\MPR.DLL 4242",
                          "event PasswordSet", "Terminate"};

TEST(ScreenSaver, CommandLineChoosesTheModeAndItsSetUp) {
  struct Case {
    const char* commandLine;
    const Log* expected;
  } cases[] = {
      {"/p 1234", &kPreviewEmbedded},  {"/P 1234 extra", &kPreviewEmbedded}, {"/p:1234", &kPreviewAlone},
      {"/p abc", &kPreviewAlone},      {"/p", &kPreviewAlone},               {"/s", &kMainSaver},
      {"-S", &kMainSaver},             {"/S 55", &kMainSaver},               {"S", &kConfigPanel},
      {"", &kConfigPanel},             {"/x", &kConfigPanel},                {"/c", &kConfigPanelFromDisplayProperties},
      {"/c:1234", &kConfigPanelFromDisplayProperties},                       {"/a 4242", &kPasswordSet},
  };
  for (const auto& c : cases) {
    Saver s(c.commandLine);
    s.saver->RunFromCommandLine();
    EXPECT_EQ(s.window.log, *c.expected) << "'" << c.commandLine << "'";
  }
}

TEST(ScreenSaver, PropertiesSwitchTheWindowSetUpOff) {
  {
    Saver s("/p 1234");
    s.saver->AutoMaximize = false;
    s.saver->RunPreview();
    EXPECT_EQ(s.window.IndexOf("SizeToScreen"), -1);
    EXPECT_EQ(s.window.Calls("ScaleControls"), Log{"ScaleControls 152/640"});
  }
  {
    Saver s("/p 1234");
    s.saver->PreviewWindow = false;
    s.saver->RunPreview();
    EXPECT_EQ(s.window.log, (Log{"event BeforePreview", "event Preview"}));
  }
  {
    Saver s("/s");
    s.saver->MainScreenSaver = false;
    s.saver->RunMainSaver();
    EXPECT_EQ(s.window.log, (Log{"event BeforeMainSaver", "HookWindowProc", "event MainSaver"}));
  }
  {
    Saver s("/s");
    s.saver->SystemKeysDisabled = false;
    s.saver->AutoMouseHide = false;
    s.saver->AutoBorderLess = false;
    s.saver->RunMainSaver();
    EXPECT_EQ(s.window.log, (Log{"event BeforeMainSaver", "HideTopLevelWindow Screen Saver", "Maximize", "StayOnTop",
                                 "HookWindowProc", "event MainSaver"}));
  }
  {
    Saver s("/a 4242");
    s.saver->PasswordSetting = false;
    s.saver->RunPasswordSet();
    EXPECT_EQ(s.window.log, (Log{"event BeforePasswordSet", "event PasswordSet"}));
  }
}

TEST(ScreenSaver, PasswordChangeLibraryAndParent) {
  struct Case {
    const char* commandLine;
    const char* systemDirectory;
    const char* call;
  } cases[] = {
      {"/a 4242", "C:\\WINDOWS\\system32", "ChangePassword C:\\WINDOWS\\system32\\MPR.DLL 4242"},
      {"/a 4242", "C:\\", "ChangePassword C:\\MPR.DLL 4242"},
      {"/a zz", "C:\\W", "ChangePassword C:\\W\\MPR.DLL 0"},
      {"/a", "C:\\W", "ChangePassword C:\\W\\MPR.DLL 0"},
  };
  for (const auto& c : cases) {
    Saver s(c.commandLine);
    s.window.systemDirectory = c.systemDirectory;
    s.saver->RunPasswordSet();
    EXPECT_EQ(s.window.Calls("ChangePassword"), Log{c.call}) << c.commandLine;
    EXPECT_EQ(s.window.log.back(), "Terminate");
  }
}

TEST(ScreenSaver, MessageStyleConfigurationEndsTheProgram) {
  Saver s("/c:7");
  s.saver->ConfigurationBoxStyle = cbsMessageDlg;
  s.saver->RunConfigBox();
  const Log expected = {"event BeforeConfigBox",
                        "SetTopLevelWindowEnabled Display Properties false",
                        "MoveOffScreen",
                        "ShowInformation " + s.saver->ConfigurationBoxMessage,
                        "event ConfigBox",
                        "SetTopLevelWindowEnabled Display Properties true",
                        "BringTopLevelWindowToFront Display Properties",
                        "Terminate"};
  EXPECT_EQ(s.window.log, expected);
}

TEST(ScreenSaver, VerifyPasswordAsksOnlyInShowModeWithThePasswordSet) {
  struct Case {
    const char* commandLine;
    std::optional<int64_t> flag;
    std::optional<bool> answer;
    bool result;
    Log calls;
  } cases[] = {
      {"/c", 1, false, true, {"ForegroundWindow", "ShowCursor true"}},
      {"/p 5", 1, false, true, {"ForegroundWindow", "ShowCursor true"}},
      {"/s", std::nullopt, false, true, {"ForegroundWindow", "ShowCursor true"}},
      {"/s", 0, false, true, {"ForegroundWindow", "ShowCursor true"}},
      {"/s", 1, std::nullopt, true,
       {"ForegroundWindow", "ShowCursor true", "VerifyScreenSavePassword C:\\WINDOWS\\system32\\PASSWORD.CPL 77"}},
      {"/s", 2, true, true,
       {"ForegroundWindow", "ShowCursor true", "VerifyScreenSavePassword C:\\WINDOWS\\system32\\PASSWORD.CPL 77"}},
      {"/s", -1, false, false,
       {"ForegroundWindow", "ShowCursor true", "VerifyScreenSavePassword C:\\WINDOWS\\system32\\PASSWORD.CPL 77",
        "ShowCursor false"}},
  };
  for (const auto& c : cases) {
    Saver s(c.commandLine);
    s.window.passwordFlag = c.flag;
    s.window.verifyAnswer = c.answer;
    EXPECT_EQ(s.saver->VerifyPassword(), c.result) << c.commandLine;
    EXPECT_EQ(s.window.log, c.calls) << c.commandLine;
  }
}

TEST(ScreenSaver, VerifyPasswordLeavesTheCursorAloneWithoutAutoMouseHide) {
  Saver s("/s");
  s.saver->AutoMouseHide = false;
  s.window.passwordFlag = 1;
  s.window.verifyAnswer = false;
  EXPECT_FALSE(s.saver->VerifyPassword());
  EXPECT_TRUE(s.window.Calls("ShowCursor").empty());
}

TEST(ScreenSaver, LoadedChecksThePanelAndMayStartTheMode) {
  {
    Saver s("/s");
    s.saver->Loaded();
    EXPECT_EQ(s.window.log, Log{"SetPanelVisible CfgBox false"});
    EXPECT_EQ(s.saver->ConfigurationBoxStyle, cbsPanel);
  }
  {
    Saver s("");
    s.window.panels.clear();
    s.saver->Loaded();
    EXPECT_TRUE(s.window.log.empty());
    EXPECT_EQ(s.saver->ConfigurationBoxStyle, cbsMessageDlg);
    EXPECT_EQ(s.saver->ConfigurationBoxPanel, "");
  }
  {
    Saver s("/s");
    s.saver->AutoPanelHide = false;
    s.saver->AutoEnable = true;
    s.saver->Loaded();
    EXPECT_EQ(s.window.log, kMainSaver);
  }
}

TEST(ScreenSaver, DestructorUndoesTheModeSetUp) {
  {
    Saver s("/s");
    s.saver->RunMainSaver();
    s.window.log.clear();
    s.saver.reset();
    EXPECT_EQ(s.window.log, (Log{"UnhookWindowProc", "SetScreenSaverRunning false", "ShowCursor true"}));
  }
  {
    Saver s("/c:1");
    s.saver->RunConfigBox();
    s.window.log.clear();
    s.saver.reset();
    EXPECT_EQ(s.window.log, (Log{"SetTopLevelWindowEnabled Display Properties true", "SetScreenSaverRunning false",
                                 "ShowCursor true"}));
  }
  {
    Saver s("");
    s.saver->SystemKeysDisabled = false;
    s.saver->AutoMouseHide = false;
    s.saver.reset();
    EXPECT_TRUE(s.window.log.empty());
  }
}

TEST(ScreenSaver, HookIsInstalledAndRemovedOnce) {
  Saver s("/s");
  s.saver->HookFormWindow();
  s.saver->HookFormWindow();
  s.saver->UnhookFormWindow();
  s.saver->UnhookFormWindow();
  EXPECT_EQ(s.window.log, (Log{"HookWindowProc", "UnhookWindowProc"}));
}

TEST(ScreenSaver, GuardSwallowsOnlyTheScreenSaverCommand) {
  EXPECT_TRUE(TScreenSaver::SwallowsMessage(0x0112, 0xF140));
  EXPECT_TRUE(TScreenSaver::SwallowsMessage(0x0112, 0xF142));  // the system's low bits
  EXPECT_FALSE(TScreenSaver::SwallowsMessage(0x0112, 0xF130));
  EXPECT_FALSE(TScreenSaver::SwallowsMessage(0x0112, 0xF060));
  EXPECT_FALSE(TScreenSaver::SwallowsMessage(0x0111, 0xF140));
}

}  // namespace
}  // namespace lw
