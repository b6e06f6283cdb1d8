// A child window that shows one bitmap stretched over its whole client area,
// proportions not kept (the preview picture control).
#pragma once
#include <windows.h>

#include <string>

namespace lw {

class PictureControl {
 public:
  PictureControl(HWND parent, HINSTANCE instance);
  ~PictureControl();
  PictureControl(const PictureControl&) = delete;
  PictureControl& operator=(const PictureControl&) = delete;

  HWND Handle() const { return handle_; }
  // Loads a BMP file; false (and the old picture kept) when it cannot be read.
  bool LoadFromFile(const std::string& path);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  HWND handle_ = nullptr;
  HBITMAP bitmap_ = nullptr;
};

}  // namespace lw
