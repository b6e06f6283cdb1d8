#include "platform/win32/temp_folder_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "common/version_class.h"

namespace lw {
namespace {

// RtlGetVersion tells the truth where GetVersionEx is made to report an
// older system to programs that do not declare newer ones.
using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);

OsVersion QueryVersion() {
  OsVersion v;
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                   reinterpret_cast<void (*)()>(GetProcAddress(ntdll, "RtlGetVersion")))
                             : nullptr;
  OSVERSIONINFOEXW wide{};
  wide.dwOSVersionInfoSize = sizeof wide;
  if (rtlGetVersion && rtlGetVersion(&wide) == 0) {
    v.platform = wide.dwPlatformId == VER_PLATFORM_WIN32_NT ? OsVersion::kWinNT : OsVersion::kOther;
    v.major = static_cast<int>(wide.dwMajorVersion);
    v.minor = static_cast<int>(wide.dwMinorVersion);
    char csd[128] = {};
    WideCharToMultiByte(CP_ACP, 0, wide.szCSDVersion, -1, csd, sizeof csd - 1, nullptr, nullptr);
    v.servicePack = csd;
    return v;
  }
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) {
    v.queryFailed = true;
    return v;
  }
  v.platform = info.dwPlatformId == VER_PLATFORM_WIN32_NT        ? OsVersion::kWinNT
               : info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? OsVersion::kWin9x
                                                                 : OsVersion::kOther;
  v.major = static_cast<int>(info.dwMajorVersion);
  v.minor = static_cast<int>(info.dwMinorVersion);
  v.servicePack = info.szCSDVersion;
  return v;
}

}  // namespace

int WindowsVersionClass() { return ClassifyWindowsVersion(QueryVersion()); }

std::string Win32TempFolders::HistoryFolder() {
  char path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_HISTORY, FALSE)) return "";
  return path;
}

bool Win32TempFolders::DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32TempFolders::SystemTempPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetTempPathA(sizeof path, path);
  if (n == 0 || n >= sizeof path) return "";
  return std::string(path, n);
}

}  // namespace lw
