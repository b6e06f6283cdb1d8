// TScreenSaver: the screen-saver protocol component owned by the main window.
// It reads the mode from the command line, prepares the owner window for that
// mode (embedded preview, full-screen show, configuration dialog, password
// change) and raises one event per mode; the owner answers by setting the
// mode flags.
#pragma once
#include <functional>
#include <string>

#include "app/screen_saver_host.h"

namespace lw {

enum TConfigBoxStyle { cbsMessageDlg = 0, cbsPanel = 1 };

class TScreenSaver {
 public:
  using Notify = std::function<void(TScreenSaver& sender)>;

  explicit TScreenSaver(ScreenSaverHost& owner);
  ~TScreenSaver();
  TScreenSaver(const TScreenSaver&) = delete;
  TScreenSaver& operator=(const TScreenSaver&) = delete;

  // Called once after the properties are set, before the owner's creation
  // handler runs.
  void Loaded();

  void RunFromCommandLine();
  void RunPreview();
  void RunMainSaver();
  void RunConfigBox();
  void RunPasswordSet();
  // True when the show may end (the password, if any, was given).
  bool VerifyPassword();
  void HookFormWindow();
  void UnhookFormWindow();

  // The wrapped window procedure answers these messages itself with 0: a
  // system request to start a screen saver over the running show.
  static bool SwallowsMessage(uint32_t message, uintptr_t wParam);

  bool AutoEnable = true;
  bool AutoMaximize = true;
  bool AutoBorderLess = true;
  bool AutoOnTop = true;
  bool AutoMouseHide = true;
  bool AutoPanelHide = true;
  bool PreviewWindow = true;
  bool MainScreenSaver = true;
  bool ConfigurationBox = true;
  TConfigBoxStyle ConfigurationBoxStyle = cbsMessageDlg;
  std::string ConfigurationBoxPanel;  // name of a panel of the owner; empty = none
  std::string ConfigurationBoxMessage = "This screen saver has no options that you can set.";
  bool SystemKeysDisabled = true;
  bool PasswordSetting = true;

  Notify OnPreviewActive;
  Notify OnMainSaverActive;
  Notify OnConfigBoxActive;
  Notify OnPasswordSet;
  Notify OnBeforePreviewActive;
  Notify OnBeforeMainSaverActive;
  Notify OnBeforeConfigBoxActive;
  Notify OnBeforePasswordSet;

 private:
  void Fire(const Notify& event);
  std::string Letter();
  std::string SystemLibrary(const std::string& name);

  ScreenSaverHost& owner_;
  bool hooked_ = false;
};

}  // namespace lw
