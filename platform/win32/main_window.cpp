#include "platform/win32/main_window.h"

#include "app/command_line.h"
#include "platform/win32/password_services.h"

namespace lw {
namespace {

const char kMainClass[] = "TSSWindow";
constexpr int kDesignedWidth = 640;
constexpr int kDesignedHeight = 480;
constexpr DWORD kFrameStyles =
    WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER | WS_DLGFRAME;

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }

// The panels the window is designed with: name, width, height.
struct PanelDesign {
  const char* name;
  int width;
  int height;
};
constexpr PanelDesign kPanels[] = {{"CfgBox", 513, 381}, {"PanelDisplay", 320, 240}, {"PresPanel", 193, 41}};

}  // namespace

MainWindow::MainWindow(Application& app) : app_(app) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = app.Instance();
  wc.hIcon = LoadIconA(app.Instance(), MAKEINTRESOURCEA(1));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  wc.lpszClassName = kMainClass;
  RegisterClassA(&wc);
  background_ = CreateSolidBrush(RGB(0, 0, 0));
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kDesignedWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kDesignedHeight) / 2;
  handle_ = CreateWindowExA(0, kMainClass, app.Title().c_str(),
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, x, y, kDesignedWidth,
                            kDesignedHeight, app.Handle(), nullptr, app.Instance(), this);
  prImage_ = std::make_unique<PictureControl>(handle_, app.Instance());
  for (const PanelDesign& p : kPanels)
    panels_[p.name] = std::make_unique<PanelControl>(handle_, app.Instance(), p.name, p.width, p.height);
  logic_ = std::make_unique<TSSWindow>(*this);
}

MainWindow::~MainWindow() {
  logic_.reset();
  if (IsWindow(handle_)) DestroyWindow(handle_);
  if (background_) DeleteObject(background_);
}

void MainWindow::Create() { logic_->FormCreate(); }

void MainWindow::ShowAtStart() {
  if (Embedded()) {
    ShowWindow(handle_, SW_SHOWNA);
    return;
  }
  if (state_ == State::Maximized) {
    ShowWindow(handle_, SW_SHOWMAXIMIZED);
    return;
  }
  if (state_ == State::Minimized) {
    ShowWindow(handle_, SW_SHOWMINIMIZED);
    return;
  }
  if (autoPlacement_) {
    RECT r;
    GetWindowRect(handle_, &r);
    SetWindowPos(handle_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(handle_, SW_SHOWNORMAL);
}

bool MainWindow::Embedded() const { return (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) != 0; }

std::vector<std::string> MainWindow::Arguments() {
  std::vector<std::string> args = SplitCommandLine(GetCommandLineA());
  if (!args.empty()) args.erase(args.begin());
  return args;
}

std::string MainWindow::ApplicationTitle() { return app_.Title(); }

void MainWindow::HideTopLevelWindow(const std::string& caption) {
  HWND found = nullptr;
  while ((found = FindWindowExA(nullptr, found, nullptr, caption.c_str())) != nullptr) {
    if (found == handle_) continue;
    ShowWindow(found, SW_HIDE);
    return;
  }
}

void MainWindow::SetOwnerWindowExStyle(uint32_t exStyle) {
  SetWindowLongA(app_.Handle(), GWL_EXSTYLE, static_cast<LONG>(exStyle));
}

void MainWindow::Terminate() { app_.Terminate(); }

void MainWindow::ShowInformation(const std::string& text) {
  MessageBoxA(app_.Handle(), text.c_str(), app_.Title().c_str(), MB_OK | MB_ICONINFORMATION);
}

void MainWindow::SetTopLevelWindowEnabled(const std::string& caption, bool enabled) {
  if (HWND w = FindWindowA(nullptr, caption.c_str())) EnableWindow(w, enabled);
}

void MainWindow::BringTopLevelWindowToFront(const std::string& caption) {
  if (HWND w = FindWindowA(nullptr, caption.c_str())) SetForegroundWindow(w);
}

WindowHandle MainWindow::ForegroundWindow() {
  return static_cast<WindowHandle>(reinterpret_cast<intptr_t>(GetForegroundWindow()));
}

void MainWindow::EmbedIn(WindowHandle parent) {
  // A number that names no window leaves the window on its own, as a text
  // that is no number does.
  HWND p = ToHwnd(parent);
  if (!IsWindow(p)) return;
  SetWindowLongA(handle_, GWL_STYLE, GetWindowLongA(p, GWL_STYLE) | WS_CHILD | WS_DISABLED);
  SetWindowLongA(handle_, GWL_EXSTYLE, GetWindowLongA(p, GWL_EXSTYLE));
  SetParent(handle_, p);
}

void MainWindow::DisableAutoPlacement() { autoPlacement_ = false; }

void MainWindow::SizeToScreen() {
  SetWindowPos(handle_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int MainWindow::Width() {
  RECT r;
  GetWindowRect(handle_, &r);
  return r.right - r.left;
}

void MainWindow::ScaleControls(int multiplier, int divisor) {
  for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, handle_, reinterpret_cast<POINT*>(&r), 2);
    MoveWindow(child, MulDiv(r.left, multiplier, divisor), MulDiv(r.top, multiplier, divisor),
               MulDiv(r.right - r.left, multiplier, divisor), MulDiv(r.bottom - r.top, multiplier, divisor), TRUE);
  }
}

void MainWindow::SetBounds(int left, int top, int width, int height) {
  MoveWindow(handle_, left, top, width, height, TRUE);
}

void MainWindow::Maximize() { state_ = State::Maximized; }

void MainWindow::Minimize() { state_ = State::Minimized; }

void MainWindow::RemoveBorder() {
  const LONG style = GetWindowLongA(handle_, GWL_STYLE);
  SetWindowLongA(handle_, GWL_STYLE, (style & ~static_cast<LONG>(kFrameStyles)) | WS_POPUP);
  const LONG ex = GetWindowLongA(handle_, GWL_EXSTYLE);
  SetWindowLongA(handle_, GWL_EXSTYLE, ex & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE));
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MainWindow::StayOnTop() {
  SetWindowPos(handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ShowAsDialog(int clientWidth, int clientHeight) {
  state_ = State::Normal;
  const LONG style = (GetWindowLongA(handle_, GWL_STYLE) & ~static_cast<LONG>(kFrameStyles | WS_POPUP)) |
                     WS_CAPTION | WS_SYSMENU | WS_DLGFRAME;
  const LONG ex = GetWindowLongA(handle_, GWL_EXSTYLE) | WS_EX_DLGMODALFRAME;
  SetWindowLongA(handle_, GWL_STYLE, style);
  SetWindowLongA(handle_, GWL_EXSTYLE, ex);
  RECT r{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&r, static_cast<DWORD>(style), FALSE, static_cast<DWORD>(ex));
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  SetWindowPos(handle_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void MainWindow::MoveOffScreen() {
  state_ = State::Normal;
  autoPlacement_ = false;
  RECT r;
  GetWindowRect(handle_, &r);
  SetWindowPos(handle_, nullptr, -(r.right - r.left) - 100, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::HookWindowProc() {
  savedProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::GuardProc)));
}

void MainWindow::UnhookWindowProc() {
  if (!savedProc_) return;
  SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc_));
  savedProc_ = nullptr;
}

PanelControl* MainWindow::FindPanel(const std::string& name) {
  auto it = panels_.find(name);
  return it == panels_.end() ? nullptr : it->second.get();
}

bool MainWindow::OwnsPanel(const std::string& name) { return FindPanel(name) != nullptr; }

void MainWindow::SetPanelVisible(const std::string& name, bool visible) {
  if (PanelControl* p = FindPanel(name)) ShowWindow(p->Handle(), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::HidePanelsExcept(const std::string& name) {
  for (auto& [panelName, panel] : panels_)
    if (panelName != name) ShowWindow(panel->Handle(), SW_HIDE);
}

void MainWindow::ShowPanelInFront(const std::string& name) {
  if (PanelControl* p = FindPanel(name))
    SetWindowPos(p->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

int MainWindow::PanelWidth(const std::string& name) {
  PanelControl* p = FindPanel(name);
  if (!p) return 0;
  RECT r;
  GetWindowRect(p->Handle(), &r);
  return r.right - r.left;
}

int MainWindow::PanelHeight(const std::string& name) {
  PanelControl* p = FindPanel(name);
  if (!p) return 0;
  RECT r;
  GetWindowRect(p->Handle(), &r);
  return r.bottom - r.top;
}

void MainWindow::SetScreenSaverRunning(bool running) {
  BOOL previous = FALSE;
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

void MainWindow::ShowCursor(bool show) { ::ShowCursor(show ? TRUE : FALSE); }

std::string MainWindow::SystemDirectory() {
  char path[MAX_PATH + 1] = {};
  const UINT n = GetSystemDirectoryA(path, sizeof path);
  if (n == 0 || n >= sizeof path) return "";
  return std::string(path, n);
}

void MainWindow::ChangePassword(const std::string& dllPath, WindowHandle parent) {
  CallPwdChangePassword(dllPath, ToHwnd(parent));
}

std::optional<bool> MainWindow::VerifyScreenSavePassword(const std::string& dllPath, WindowHandle window) {
  return CallVerifyScreenSavePwd(dllPath, ToHwnd(window));
}

std::optional<int64_t> MainWindow::DesktopPasswordFlag() { return ReadScreenSaveUsePassword(); }

std::string MainWindow::ProgramPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, n < MAX_PATH ? n : MAX_PATH);
}

void MainWindow::SetApplicationTitle(const std::string& title) { app_.SetTitle(title); }

void MainWindow::SetCaption(const std::string& caption) { SetWindowTextA(handle_, caption.c_str()); }

void MainWindow::SetWindowColor(ColorValue color) {
  const ColorValue rgb = ResolveColor(color);
  if (background_) DeleteObject(background_);
  background_ = CreateSolidBrush(static_cast<COLORREF>(rgb == kNoColor ? 0 : rgb));
  InvalidateRect(handle_, nullptr, TRUE);
}

void MainWindow::HideWindow() { ShowWindow(handle_, SW_HIDE); }

void MainWindow::ShowError(const std::string& text, const std::string& caption) {
  MessageBoxA(app_.Handle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

bool MainWindow::ShowPreviewPicture(const std::string& bmpPath) {
  if (!prImage_->LoadFromFile(bmpPath)) return false;
  RECT r;
  GetClientRect(handle_, &r);
  SetWindowPos(prImage_->Handle(), HWND_TOP, 0, 0, r.right, r.bottom, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  return true;
}

void MainWindow::ClaimHotKey(int id, uint32_t modifiers, uint32_t virtualKey) {
  RegisterHotKey(handle_, id, modifiers, virtualKey);
}

void MainWindow::ReleaseHotKey(int id) { UnregisterHotKey(handle_, id); }

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self || !self->handle_) return DefWindowProcA(hwnd, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::GuardProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (TScreenSaver::SwallowsMessage(message, wParam)) return 0;
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return CallWindowProcA(self->savedProc_, hwnd, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(handle_, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, background_);
      return 1;
    }
    case WM_SIZE:
      if (prImage_) MoveWindow(prImage_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_GETMINMAXINFO:
      // Without a frame the maximised window covers the whole screen.
      if (!(GetWindowLongA(handle_, GWL_STYLE) & (WS_CAPTION | WS_CHILD))) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxPosition = {0, 0};
        info->ptMaxSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        info->ptMaxTrackSize = info->ptMaxSize;
        return 0;
      }
      break;
    case WM_CLOSE:
      if (logic_) logic_->FormClose();
      DestroyWindow(handle_);
      return 0;
    case WM_DESTROY:
      app_.Terminate();
      return 0;
  }
  return DefWindowProcA(handle_, message, wParam, lParam);
}

}  // namespace lw
