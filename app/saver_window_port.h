// Port: what the main window's own logic asks of its real window and of the
// system, beyond what the screen-saver component needs.
#pragma once
#include <cstdint>
#include <string>

#include "app/screen_saver_host.h"
#include "common/color.h"
#include "package/temp_files.h"

namespace lw {

class SaverWindowPort : public ScreenSaverHost {
 public:
  // The running program's own file.
  virtual std::string ProgramPath() = 0;
  virtual void SetApplicationTitle(const std::string& title) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetWindowColor(ColorValue color) = 0;
  virtual void HideWindow() = 0;
  // A modal message box with an error icon and an OK button.
  virtual void ShowError(const std::string& text, const std::string& caption) = 0;
  // Shows the preview picture control stretched over the client area, with
  // the picture of this BMP file, and hides the slide canvas. False when the
  // file cannot be loaded; the window then stays as it was.
  virtual bool ShowPreviewPicture(const std::string& bmpPath) = 0;
  // A system-wide hot key for this window; a refusal is ignored.
  virtual void ClaimHotKey(int id, uint32_t modifiers, uint32_t virtualKey) = 0;
  virtual void ReleaseHotKey(int id) = 0;
  virtual TempFolderPort& TempFolders() = 0;
};

}  // namespace lw
