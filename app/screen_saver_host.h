// Port: the Windows services and owner-window operations the screen-saver
// component uses. The platform implements them on real windows; tests record
// the calls.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lw {

using WindowHandle = int64_t;

class ScreenSaverHost {
 public:
  virtual ~ScreenSaverHost() = default;

  // The command-line arguments after the program name.
  virtual std::vector<std::string> Arguments() = 0;

  // The application: its title, its hidden owner window, its end.
  virtual std::string ApplicationTitle() = 0;
  // Hides the top-level window with this caption (not the main window).
  virtual void HideTopLevelWindow(const std::string& caption) = 0;
  virtual void SetOwnerWindowExStyle(uint32_t exStyle) = 0;
  virtual void Terminate() = 0;
  virtual void ShowInformation(const std::string& text) = 0;

  // Other programs' top-level windows, found by caption; absent ones are ignored.
  virtual void SetTopLevelWindowEnabled(const std::string& caption, bool enabled) = 0;
  virtual void BringTopLevelWindowToFront(const std::string& caption) = 0;
  virtual WindowHandle ForegroundWindow() = 0;

  // The owner (main) window.
  // Takes the parent's style plus WS_CHILD and WS_DISABLED, its extended
  // style, and the parent itself.
  virtual void EmbedIn(WindowHandle parent) = 0;
  virtual void DisableAutoPlacement() = 0;
  virtual void SizeToScreen() = 0;
  virtual int Width() = 0;
  virtual void ScaleControls(int multiplier, int divisor) = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  virtual void Maximize() = 0;
  virtual void Minimize() = 0;
  virtual void RemoveBorder() = 0;
  virtual void StayOnTop() = 0;
  // Normal state, dialog border, this client size, centred on the screen.
  virtual void ShowAsDialog(int clientWidth, int clientHeight) = 0;
  // Normal state, left edge at minus the width minus 100.
  virtual void MoveOffScreen() = 0;
  // Installs / removes the window-procedure wrapper that asks
  // TScreenSaver::SwallowsMessage before the saved procedure.
  virtual void HookWindowProc() = 0;
  virtual void UnhookWindowProc() = 0;

  // Panels owned by the owner window, by name.
  virtual bool OwnsPanel(const std::string& name) = 0;
  virtual void SetPanelVisible(const std::string& name, bool visible) = 0;
  virtual void HidePanelsExcept(const std::string& name) = 0;
  // Visible, at (0, 0), in front of its siblings.
  virtual void ShowPanelInFront(const std::string& name) = 0;
  virtual int PanelWidth(const std::string& name) = 0;
  virtual int PanelHeight(const std::string& name) = 0;

  // System services.
  virtual void SetScreenSaverRunning(bool running) = 0;
  virtual void ShowCursor(bool show) = 0;
  virtual std::string SystemDirectory() = 0;
  // "PwdChangePasswordA" of the library at dllPath; nothing when the library
  // or the entry is missing.
  virtual void ChangePassword(const std::string& dllPath, WindowHandle parent) = 0;
  // "VerifyScreenSavePwd" of the library at dllPath: its answer, or nothing
  // when the library or the entry is missing.
  virtual std::optional<bool> VerifyScreenSavePassword(const std::string& dllPath, WindowHandle window) = 0;
  // "ScreenSaveUsePassword" under the current user's "Control Panel\Desktop":
  // its integer value, or nothing when the key or the value is missing.
  virtual std::optional<int64_t> DesktopPasswordFlag() = 0;
};

}  // namespace lw
