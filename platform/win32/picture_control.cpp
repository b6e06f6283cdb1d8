#include "platform/win32/picture_control.h"

namespace lw {
namespace {

const char kPictureClass[] = "LumaweavePicture";

}  // namespace

PictureControl::PictureControl(HWND parent, HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.lpszClassName = kPictureClass;
  RegisterClassA(&wc);
  RECT r;
  GetClientRect(parent, &r);
  handle_ = CreateWindowExA(0, kPictureClass, "", WS_CHILD, 0, 0, r.right, r.bottom, parent, nullptr, instance,
                            nullptr);
  if (handle_) SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PictureControl::~PictureControl() {
  if (handle_ && IsWindow(handle_)) SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  if (bitmap_) DeleteObject(bitmap_);
}

bool PictureControl::LoadFromFile(const std::string& path) {
  HBITMAP loaded = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!loaded) return false;
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = loaded;
  InvalidateRect(handle_, nullptr, TRUE);
  return true;
}

void PictureControl::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  RECT r;
  GetClientRect(handle_, &r);
  BITMAP info{};
  if (bitmap_ && GetObjectA(bitmap_, sizeof info, &info)) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, r.right, r.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  } else {
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EndPaint(handle_, &ps);
}

LRESULT CALLBACK PictureControl::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<PictureControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        self->Paint();
        return 0;
      case WM_SIZE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace lw
