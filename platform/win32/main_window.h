// The real main window "TSSWindow": a Win32 window that carries out what the
// portable TSSWindow and its screen-saver component decide, and forwards its
// own events to them.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "app/saver_window.h"
#include "app/saver_window_port.h"
#include "platform/win32/application.h"
#include "platform/win32/panel_control.h"
#include "platform/win32/picture_control.h"
#include "platform/win32/temp_folder_win32.h"

namespace lw {

class MainWindow final : public SaverWindowPort {
 public:
  explicit MainWindow(Application& app);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Runs the creation sequence of the chosen mode.
  void Create();
  // Shows the window as its mode wants it, when the message loop starts.
  void ShowAtStart();

  // ScreenSaverHost
  std::vector<std::string> Arguments() override;
  std::string ApplicationTitle() override;
  void HideTopLevelWindow(const std::string& caption) override;
  void SetOwnerWindowExStyle(uint32_t exStyle) override;
  void Terminate() override;
  void ShowInformation(const std::string& text) override;
  void SetTopLevelWindowEnabled(const std::string& caption, bool enabled) override;
  void BringTopLevelWindowToFront(const std::string& caption) override;
  WindowHandle ForegroundWindow() override;
  void EmbedIn(WindowHandle parent) override;
  void DisableAutoPlacement() override;
  void SizeToScreen() override;
  int Width() override;
  void ScaleControls(int multiplier, int divisor) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Maximize() override;
  void Minimize() override;
  void RemoveBorder() override;
  void StayOnTop() override;
  void ShowAsDialog(int clientWidth, int clientHeight) override;
  void MoveOffScreen() override;
  void HookWindowProc() override;
  void UnhookWindowProc() override;
  bool OwnsPanel(const std::string& name) override;
  void SetPanelVisible(const std::string& name, bool visible) override;
  void HidePanelsExcept(const std::string& name) override;
  void ShowPanelInFront(const std::string& name) override;
  int PanelWidth(const std::string& name) override;
  int PanelHeight(const std::string& name) override;
  void SetScreenSaverRunning(bool running) override;
  void ShowCursor(bool show) override;
  std::string SystemDirectory() override;
  void ChangePassword(const std::string& dllPath, WindowHandle parent) override;
  std::optional<bool> VerifyScreenSavePassword(const std::string& dllPath, WindowHandle window) override;
  std::optional<int64_t> DesktopPasswordFlag() override;

  // SaverWindowPort
  std::string ProgramPath() override;
  void SetApplicationTitle(const std::string& title) override;
  void SetCaption(const std::string& caption) override;
  void SetWindowColor(ColorValue color) override;
  void HideWindow() override;
  void ShowError(const std::string& text, const std::string& caption) override;
  bool ShowPreviewPicture(const std::string& bmpPath) override;
  void ClaimHotKey(int id, uint32_t modifiers, uint32_t virtualKey) override;
  void ReleaseHotKey(int id) override;
  TempFolderPort& TempFolders() override { return tempFolders_; }

 private:
  enum class State { Normal, Maximized, Minimized };

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK GuardProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  PanelControl* FindPanel(const std::string& name);
  bool Embedded() const;

  Application& app_;
  HWND handle_ = nullptr;
  std::unique_ptr<PictureControl> prImage_;
  std::map<std::string, std::unique_ptr<PanelControl>> panels_;
  Win32TempFolders tempFolders_;
  HBRUSH background_ = nullptr;
  WNDPROC savedProc_ = nullptr;
  State state_ = State::Normal;
  bool autoPlacement_ = true;
  std::unique_ptr<TSSWindow> logic_;
};

}  // namespace lw
