// A recording stand-in for the main window and the Windows services behind
// it: every call is logged as one line, answers come from public fields.
#pragma once
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/saver_window_port.h"
#include "tests/package/package_test_util.h"

namespace lw::test {

class FakeTempFolders final : public TempFolderPort {
 public:
  std::string folder;  // ends with a separator
  int VersionClass() override { return -1; }
  std::string HistoryFolder() override { return ""; }
  bool DirectoryExists(const std::string&) override { return false; }
  std::string SystemTempPath() override { return folder; }
};

class FakeSaverWindow final : public SaverWindowPort {
 public:
  std::vector<std::string> log;
  std::string commandLine;
  std::string programPath = "C:\\Saver\\saver.scr";
  std::string title = "Screen Saver";
  std::set<std::string> panels = {"CfgBox", "PanelDisplay", "PresPanel"};
  int width = 640;
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  WindowHandle foreground = 77;
  std::optional<int64_t> passwordFlag;
  std::optional<bool> verifyAnswer;
  FakeTempFolders temp;
  // What the preview picture file held when it was shown.
  std::vector<uint8_t> shownPicture;

  // Calls that start with prefix, in order.
  std::vector<std::string> Calls(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : log)
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    return out;
  }
  // Position of the first call starting with prefix, or -1.
  int IndexOf(const std::string& prefix) const {
    for (size_t i = 0; i < log.size(); ++i)
      if (log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  }

  // commandLine starts with the program name, as the system's does.
  std::vector<std::string> Arguments() override {
    std::vector<std::string> args = SplitCommandLine(commandLine);
    if (!args.empty()) args.erase(args.begin());
    return args;
  }
  std::string ApplicationTitle() override { return title; }
  void HideTopLevelWindow(const std::string& caption) override { Log("HideTopLevelWindow " + caption); }
  void SetOwnerWindowExStyle(uint32_t exStyle) override { Log("SetOwnerWindowExStyle " + Hex(exStyle)); }
  void Terminate() override { Log("Terminate"); }
  void ShowInformation(const std::string& text) override { Log("ShowInformation " + text); }
  void SetTopLevelWindowEnabled(const std::string& caption, bool enabled) override {
    Log("SetTopLevelWindowEnabled " + caption + " " + Bool(enabled));
  }
  void BringTopLevelWindowToFront(const std::string& caption) override { Log("BringTopLevelWindowToFront " + caption); }
  WindowHandle ForegroundWindow() override {
    Log("ForegroundWindow");
    return foreground;
  }
  void EmbedIn(WindowHandle parent) override { Log("EmbedIn " + std::to_string(parent)); }
  void DisableAutoPlacement() override { Log("DisableAutoPlacement"); }
  void SizeToScreen() override {
    Log("SizeToScreen");
    width = 1024;
  }
  int Width() override { return width; }
  void ScaleControls(int multiplier, int divisor) override {
    Log("ScaleControls " + std::to_string(multiplier) + "/" + std::to_string(divisor));
  }
  void SetBounds(int left, int top, int w, int h) override {
    Log("SetBounds " + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(w) + "," +
        std::to_string(h));
  }
  void Maximize() override { Log("Maximize"); }
  void Minimize() override { Log("Minimize"); }
  void RemoveBorder() override { Log("RemoveBorder"); }
  void StayOnTop() override { Log("StayOnTop"); }
  void ShowAsDialog(int w, int h) override { Log("ShowAsDialog " + std::to_string(w) + "x" + std::to_string(h)); }
  void MoveOffScreen() override { Log("MoveOffScreen"); }
  void HookWindowProc() override { Log("HookWindowProc"); }
  void UnhookWindowProc() override { Log("UnhookWindowProc"); }
  bool OwnsPanel(const std::string& name) override { return panels.count(name) > 0; }
  void SetPanelVisible(const std::string& name, bool visible) override {
    Log("SetPanelVisible " + name + " " + Bool(visible));
  }
  void HidePanelsExcept(const std::string& name) override { Log("HidePanelsExcept " + name); }
  void ShowPanelInFront(const std::string& name) override { Log("ShowPanelInFront " + name); }
  int PanelWidth(const std::string&) override { return 513; }
  int PanelHeight(const std::string&) override { return 381; }
  void SetScreenSaverRunning(bool running) override { Log("SetScreenSaverRunning " + Bool(running)); }
  void ShowCursor(bool show) override { Log("ShowCursor " + Bool(show)); }
  std::string SystemDirectory() override { return systemDirectory; }
  void ChangePassword(const std::string& dllPath, WindowHandle parent) override {
    Log("ChangePassword " + dllPath + " " + std::to_string(parent));
  }
  std::optional<bool> VerifyScreenSavePassword(const std::string& dllPath, WindowHandle window) override {
    Log("VerifyScreenSavePassword " + dllPath + " " + std::to_string(window));
    return verifyAnswer;
  }
  std::optional<int64_t> DesktopPasswordFlag() override { return passwordFlag; }

  std::string ProgramPath() override { return programPath; }
  void SetApplicationTitle(const std::string& t) override {
    Log("SetApplicationTitle " + t);
    title = t;
  }
  void SetCaption(const std::string& caption) override { Log("SetCaption " + caption); }
  void SetWindowColor(ColorValue color) override { Log("SetWindowColor " + Hex(static_cast<uint32_t>(color))); }
  void HideWindow() override { Log("HideWindow"); }
  void ShowError(const std::string& text, const std::string& caption) override {
    Log("ShowError " + caption + ": " + text);
  }
  bool ShowPreviewPicture(const std::string& bmpPath) override {
    Log("ShowPreviewPicture " + bmpPath);
    shownPicture = ReadBytes(bmpPath);
    return !shownPicture.empty();
  }
  void ClaimHotKey(int id, uint32_t modifiers, uint32_t key) override {
    Log("ClaimHotKey " + std::to_string(id) + " " + Hex(modifiers) + " " + Hex(key));
  }
  void ReleaseHotKey(int id) override { Log("ReleaseHotKey " + std::to_string(id)); }
  TempFolderPort& TempFolders() override { return temp; }

 private:
  void Log(const std::string& line) { log.push_back(line); }
  static std::string Bool(bool b) { return b ? "true" : "false"; }
  static std::string Hex(uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", v);
    return buf;
  }
};

}  // namespace lw::test
