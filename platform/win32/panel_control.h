// A plain child panel: a named rectangle in the dialog face colour that other
// controls are placed on. Created hidden.
#pragma once
#include <windows.h>

#include <string>
#include <utility>

namespace lw {

class PanelControl {
 public:
  PanelControl(HWND parent, HINSTANCE instance, std::string name, int width, int height);
  const std::string& Name() const { return name_; }
  HWND Handle() const { return handle_; }

 private:
  std::string name_;
  HWND handle_ = nullptr;
};

}  // namespace lw
