// Program entry: the application with its title, the main window whose
// creation runs the start sequence of the chosen mode, then the message loop.
#include <windows.h>

#include <memory>

#include "platform/win32/application.h"
#include "platform/win32/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  lw::Application app(instance);
  std::unique_ptr<lw::MainWindow> mainWindow;
  try {
    mainWindow = std::make_unique<lw::MainWindow>(app);
    mainWindow->Create();
  } catch (...) {
    // A failed start ends the program without a message.
  }
  if (mainWindow && !app.Terminated()) {
    mainWindow->ShowAtStart();
    app.Run();
  }
  mainWindow.reset();
  return 0;
}
