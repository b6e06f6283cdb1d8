#include "platform/win32/application.h"

namespace lw {
namespace {

const char kOwnerClass[] = "LumaweaveApplication";

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

Application::Application(HINSTANCE instance) : instance_(instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  wc.lpszClassName = kOwnerClass;
  RegisterClassA(&wc);
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  handle_ = CreateWindowExA(0, kOwnerClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                            nullptr, nullptr, instance, nullptr);
}

Application::~Application() {
  if (handle_) DestroyWindow(handle_);
}

void Application::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextA(handle_, title_.c_str());
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::Run() {
  MSG msg;
  while (!terminated_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  terminated_ = true;
}

}  // namespace lw
