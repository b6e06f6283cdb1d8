// The application object: its title, the hidden owner window that carries
// that title (every window of the program is owned by it), the message loop
// and the request to end.
#pragma once
#include <windows.h>

#include <string>

namespace lw {

class Application {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE Instance() const { return instance_; }
  HWND Handle() const { return handle_; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);

  // Asks the message loop to end; before the loop starts it is never entered.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Runs the message loop until Terminate or the end of the main window.
  void Run();

 private:
  HINSTANCE instance_;
  HWND handle_ = nullptr;
  std::string title_ = "Screen Saver";
  bool terminated_ = false;
};

}  // namespace lw
