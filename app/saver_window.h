// TSSWindow's decisions: the start sequence of each mode, reading the
// package, the preview picture and the answers to the screen-saver
// component's events. The real window behind it is reached through
// SaverWindowPort.
#pragma once
#include <memory>

#include "app/saver_window_port.h"
#include "app/screen_saver.h"

namespace lw {

// The cursor state last requested through SetCursorShown; false matches the
// cursor that the full-screen show hid.
extern bool CursorShown;

class TSSWindow {
 public:
  // Creates the screen-saver component with this program's settings and lets
  // it finish loading.
  explicit TSSWindow(SaverWindowPort& window);
  // Releases the hot keys and whatever the close sequence left.
  ~TSSWindow();
  TSSWindow(const TSSWindow&) = delete;
  TSSWindow& operator=(const TSSWindow&) = delete;

  void FormCreate();
  // Hides the window and undoes the mode set-up; runs at most once.
  void FormClose();

  // Reads the package from the program file. False after the failure message
  // has been shown and the application told to end.
  bool ReadData(bool ConfigurationMode);
  void LoadPreviewImage();
  void SetCursorShown(bool shown);

  void ScreenSaverPreviewActive(TScreenSaver& sender);
  void ScreenSaverMainSaverActive(TScreenSaver& sender);
  void ScreenSaverConfigBoxActive(TScreenSaver& sender);

  // Null once the close sequence has destroyed it.
  std::unique_ptr<TScreenSaver> ScreenSaver;

 private:
  SaverWindowPort& window_;
  bool closed_ = false;
};

}  // namespace lw
