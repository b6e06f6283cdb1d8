#include "app/screen_saver.h"

#include "app/command_line.h"

namespace lw {
namespace {

constexpr uint32_t kWsExToolWindow = 0x80;
constexpr uint32_t kWsExTopmost = 0x08;
constexpr uint32_t kWmSysCommand = 0x0112;
constexpr uintptr_t kScScreenSave = 0xF140;
const char kDisplayProperties[] = "Display Properties";

}  // namespace

TScreenSaver::TScreenSaver(ScreenSaverHost& owner) : owner_(owner) {}

TScreenSaver::~TScreenSaver() {
  UnhookFormWindow();
  if (Letter() == "C") owner_.SetTopLevelWindowEnabled(kDisplayProperties, true);
  if (SystemKeysDisabled) owner_.SetScreenSaverRunning(false);
  if (AutoMouseHide) owner_.ShowCursor(true);
}

void TScreenSaver::Fire(const Notify& event) {
  if (event) event(*this);
}

std::string TScreenSaver::Letter() { return ModeLetter(owner_.Arguments()); }

std::string TScreenSaver::SystemLibrary(const std::string& name) {
  return InFolder(owner_.SystemDirectory(), name);
}

bool TScreenSaver::SwallowsMessage(uint32_t message, uintptr_t wParam) {
  // The low four bits of a system command are the system's own.
  return message == kWmSysCommand && (wParam & 0xFFF0) == kScScreenSave;
}

void TScreenSaver::Loaded() {
  if (ConfigurationBoxPanel.empty() || !owner_.OwnsPanel(ConfigurationBoxPanel)) {
    ConfigurationBoxStyle = cbsMessageDlg;
    ConfigurationBoxPanel.clear();
  } else if (AutoPanelHide) {
    owner_.SetPanelVisible(ConfigurationBoxPanel, false);
  }
  if (AutoEnable) RunFromCommandLine();
}

void TScreenSaver::RunFromCommandLine() {
  const std::string letter = Letter();
  if (letter == "P")
    RunPreview();
  else if (letter == "S")
    RunMainSaver();
  else if (letter == "A")
    RunPasswordSet();
  else
    RunConfigBox();
}

void TScreenSaver::RunPreview() {
  Fire(OnBeforePreviewActive);
  if (PreviewWindow) {
    owner_.HideTopLevelWindow(owner_.ApplicationTitle());
    owner_.SetOwnerWindowExStyle(kWsExToolWindow | kWsExTopmost);
    const std::vector<std::string> args = owner_.Arguments();
    const std::optional<WindowHandle> parent = args.size() > 1 ? ParseDecimal(args[1]) : std::nullopt;
    if (parent) {
      owner_.EmbedIn(*parent);
      owner_.DisableAutoPlacement();
      if (AutoMaximize) owner_.SizeToScreen();
      const int width = owner_.Width();
      if (width != 0) owner_.ScaleControls(152, width);
      owner_.SetBounds(0, 0, 152, 112);
    }
  }
  Fire(OnPreviewActive);
}

void TScreenSaver::RunMainSaver() {
  Fire(OnBeforeMainSaverActive);
  if (MainScreenSaver) {
    owner_.HideTopLevelWindow(owner_.ApplicationTitle());
    if (SystemKeysDisabled) owner_.SetScreenSaverRunning(true);
    if (AutoMouseHide) owner_.ShowCursor(false);
    if (AutoMaximize) owner_.Maximize();
    if (AutoBorderLess) owner_.RemoveBorder();
    if (AutoOnTop) owner_.StayOnTop();
  }
  HookFormWindow();
  Fire(OnMainSaverActive);
}

void TScreenSaver::RunConfigBox() {
  Fire(OnBeforeConfigBoxActive);
  const bool displayProperties = Letter() == "C";
  if (ConfigurationBox && ConfigurationBoxStyle == cbsPanel) {
    owner_.HidePanelsExcept(ConfigurationBoxPanel);
    owner_.ShowPanelInFront(ConfigurationBoxPanel);
    owner_.ShowAsDialog(owner_.PanelWidth(ConfigurationBoxPanel), owner_.PanelHeight(ConfigurationBoxPanel));
    if (displayProperties) {
      owner_.SetTopLevelWindowEnabled(kDisplayProperties, false);
      owner_.BringTopLevelWindowToFront(kDisplayProperties);
    }
  }
  if (ConfigurationBox && ConfigurationBoxStyle == cbsMessageDlg) {
    if (displayProperties) owner_.SetTopLevelWindowEnabled(kDisplayProperties, false);
    owner_.MoveOffScreen();
    owner_.ShowInformation(ConfigurationBoxMessage);
    Fire(OnConfigBoxActive);
    if (displayProperties) {
      owner_.SetTopLevelWindowEnabled(kDisplayProperties, true);
      owner_.BringTopLevelWindowToFront(kDisplayProperties);
    }
    owner_.Terminate();
    return;
  }
  Fire(OnConfigBoxActive);
}

void TScreenSaver::RunPasswordSet() {
  Fire(OnBeforePasswordSet);
  if (PasswordSetting) {
    owner_.HideTopLevelWindow(owner_.ApplicationTitle());
    owner_.Minimize();
    owner_.SetOwnerWindowExStyle(kWsExToolWindow | kWsExTopmost);
    const std::vector<std::string> args = owner_.Arguments();
    const WindowHandle parent = args.size() > 1 ? ParseDecimal(args[1]).value_or(0) : 0;
    owner_.ChangePassword(SystemLibrary("MPR.DLL"), parent);
  }
  Fire(OnPasswordSet);
  if (PasswordSetting) owner_.Terminate();
}

bool TScreenSaver::VerifyPassword() {
  const WindowHandle foreground = owner_.ForegroundWindow();
  if (AutoMouseHide) owner_.ShowCursor(true);
  if (Letter() != "S") return true;
  const std::optional<int64_t> usePassword = owner_.DesktopPasswordFlag();
  if (!usePassword || *usePassword == 0) return true;
  const std::optional<bool> verified = owner_.VerifyScreenSavePassword(SystemLibrary("PASSWORD.CPL"), foreground);
  if (!verified) return true;
  if (!*verified && AutoMouseHide) owner_.ShowCursor(false);
  return *verified;
}

void TScreenSaver::HookFormWindow() {
  if (hooked_) return;
  owner_.HookWindowProc();
  hooked_ = true;
}

void TScreenSaver::UnhookFormWindow() {
  if (!hooked_) return;
  owner_.UnhookWindowProc();
  hooked_ = false;
}

}  // namespace lw
