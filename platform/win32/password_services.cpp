#include "platform/win32/password_services.h"

#include "app/command_line.h"

namespace lw {
namespace {

using PwdChangePasswordFn = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);
using VerifyScreenSavePwdFn = BOOL(WINAPI*)(HWND);

}  // namespace

void CallPwdChangePassword(const std::string& dllPath, HWND parent) {
  HMODULE library = LoadLibraryA(dllPath.c_str());
  if (!library) return;
  auto change = reinterpret_cast<PwdChangePasswordFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "PwdChangePasswordA")));
  if (change) change("SCRSAVE", parent, 0, 0);
  FreeLibrary(library);
}

std::optional<bool> CallVerifyScreenSavePwd(const std::string& dllPath, HWND window) {
  HMODULE library = LoadLibraryA(dllPath.c_str());
  if (!library) return std::nullopt;
  auto verify = reinterpret_cast<VerifyScreenSavePwdFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(library, "VerifyScreenSavePwd")));
  std::optional<bool> result;
  if (verify) result = verify(window) != FALSE;
  FreeLibrary(library);
  return result;
}

std::optional<int64_t> ReadScreenSaveUsePassword() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  std::optional<int64_t> value;
  DWORD type = 0;
  char data[64] = {};
  DWORD size = sizeof data - 1;
  if (RegQueryValueExA(key, "ScreenSaveUsePassword", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) ==
      ERROR_SUCCESS) {
    if (type == REG_DWORD && size == sizeof(DWORD)) {
      DWORD number;
      memcpy(&number, data, sizeof number);
      value = static_cast<int32_t>(number);
    } else if (type == REG_SZ) {
      data[size < sizeof data ? size : sizeof data - 1] = 0;
      value = ParseDecimal(data);
    }
  }
  RegCloseKey(key);
  return value;
}

}  // namespace lw
