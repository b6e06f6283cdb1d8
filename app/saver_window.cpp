#include "app/saver_window.h"

#include "app/command_line.h"
#include "app/mode_flags.h"
#include "app/package_image.h"
#include "common/random.h"
#include "package/extract_member.h"
#include "package/package_reader.h"

namespace lw {

bool CursorShown = false;

namespace {

constexpr uint32_t kWsExToolWindow = 0x80;
constexpr uint32_t kModAlt = 0x1;
constexpr uint32_t kModControl = 0x2;
constexpr uint32_t kVkSnapshot = 0x2C;

// Print Screen and Ctrl+Alt+Print Screen stay with the program while its
// main window exists.
struct HotKey {
  int id;
  uint32_t modifiers;
  uint32_t key;
};
constexpr HotKey kHotKeys[] = {{1, 0, kVkSnapshot}, {2, kModControl | kModAlt, kVkSnapshot}};

}  // namespace

TSSWindow::TSSWindow(SaverWindowPort& window) : window_(window) {
  ScreenSaver = std::make_unique<TScreenSaver>(window);
  ScreenSaver->AutoEnable = false;
  ScreenSaver->ConfigurationBoxStyle = cbsPanel;
  ScreenSaver->ConfigurationBoxPanel = "CfgBox";
  ScreenSaver->OnPreviewActive = [this](TScreenSaver& s) { ScreenSaverPreviewActive(s); };
  ScreenSaver->OnMainSaverActive = [this](TScreenSaver& s) { ScreenSaverMainSaverActive(s); };
  ScreenSaver->OnConfigBoxActive = [this](TScreenSaver& s) { ScreenSaverConfigBoxActive(s); };
  ScreenSaver->Loaded();
}

TSSWindow::~TSSWindow() {
  for (const HotKey& k : kHotKeys) window_.ReleaseHotKey(k.id);
  ScreenSaver.reset();
}

void TSSWindow::FormCreate() {
  if (IsPresentationProgram(window_.ProgramPath())) {
    ScreenSaver->RunMainSaver();
    PresentationMode = true;
    SetCursorShown(false);
  } else {
    ScreenSaver->RunFromCommandLine();
  }
  window_.SetOwnerWindowExStyle(kWsExToolWindow);
  if (SaverActive) {
    if (PreviewMode) {
      window_.SetWindowColor(RGBValue(0, 0, 0));
      LoadPreviewImage();
    } else {
      Randomize();
      if (ReadData(false) && PresentationMode && PackageHeaderImage.AllowExe == 0) window_.Terminate();
    }
  }
  for (const HotKey& k : kHotKeys) window_.ClaimHotKey(k.id, k.modifiers, k.key);
}

void TSSWindow::FormClose() {
  if (closed_) return;
  closed_ = true;
  window_.HideWindow();
  SetCursorShown(true);
  DeleteTempFile(TempFolder(window_.TempFolders()) + kTempData);
  ScreenSaver.reset();
}

bool TSSWindow::ReadData(bool ConfigurationMode) {
  std::unique_ptr<FileSource> file = FileSource::Open(window_.ProgramPath());
  if (!file) {
    // Not a damaged package but a program that cannot read itself: it ends
    // without the package message.
    window_.Terminate();
    return false;
  }
  PackageHeader header;
  PackageLayout layout;
  PackageTexts texts;
  PackageError error = ReadPackageHeader(*file, header, layout);
  if (error == PackageError::None) error = ReadPackageTexts(*file, layout, texts);
  if (error == PackageError::None) {
    PackageHeaderImage = header;
    PackageFileLayout = layout;
    PackageTextBlock = texts;
    window_.SetApplicationTitle(texts.Title());
    window_.SetCaption(texts.Title());
  }
  // The show goes on to read its records here; the dialog needs no more.
  static_cast<void>(ConfigurationMode);
  file.reset();

  if (PresentationMode) {
    PackageHeaderImage.ExitMouseMove = 0;
    PackageHeaderImage.ExitMouseButton = 0;
    PackageHeaderImage.ExitKeyboard = 0;
    PackageHeaderImage.ExitESC = 1;
  }
  if (error != PackageError::None) {
    SetCursorShown(true);
    window_.ShowError(kPackageFailureMessage, window_.ApplicationTitle());
    window_.Terminate();
    return false;
  }
  return true;
}

void TSSWindow::LoadPreviewImage() {
  const std::string program = window_.ProgramPath();
  PackageHeader header;
  PackageLayout layout;
  {
    std::unique_ptr<FileSource> file = FileSource::Open(program);
    if (!file || ReadPackageHeader(*file, header, layout) != PackageError::None) return;
  }
  PackageHeaderImage = header;
  PackageFileLayout = layout;
  if (header.PreviewSize <= 0) return;
  const std::string picture = TempFolder(window_.TempFolders()) + kTempPreview;
  ExtractMember(program, picture, false, layout.Start(Section::Preview), header.PreviewSize, header.PreviewSize);
  window_.ShowPreviewPicture(picture);
  DeleteTempFile(picture);
}

void TSSWindow::SetCursorShown(bool shown) {
  if (shown == CursorShown) return;
  window_.ShowCursor(shown);
  CursorShown = shown;
}

void TSSWindow::ScreenSaverPreviewActive(TScreenSaver& sender) {
  PreviewMode = true;
  ScreenSaverMainSaverActive(sender);
}

void TSSWindow::ScreenSaverMainSaverActive(TScreenSaver&) { SaverActive = true; }

void TSSWindow::ScreenSaverConfigBoxActive(TScreenSaver&) { ReadData(true); }

}  // namespace lw
