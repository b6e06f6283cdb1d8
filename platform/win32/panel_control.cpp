#include "platform/win32/panel_control.h"

namespace lw {
namespace {

const char kPanelClass[] = "LumaweavePanel";

LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

PanelControl::PanelControl(HWND parent, HINSTANCE instance, std::string name, int width, int height)
    : name_(std::move(name)) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  RegisterClassA(&wc);
  handle_ = CreateWindowExA(0, kPanelClass, name_.c_str(), WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, width,
                            height, parent, nullptr, instance, nullptr);
}

}  // namespace lw
