// The system's optional screen-saver password services, loaded at run time,
// and the user's "use a password" flag.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace lw {

// Calls "PwdChangePasswordA" of the library; nothing when it is missing.
void CallPwdChangePassword(const std::string& dllPath, HWND parent);
// Calls "VerifyScreenSavePwd" of the library; nothing when it is missing.
std::optional<bool> CallVerifyScreenSavePwd(const std::string& dllPath, HWND window);
// "ScreenSaveUsePassword" under HKCU "Control Panel\Desktop", stored as a
// number or as decimal text; nothing when absent or unreadable.
std::optional<int64_t> ReadScreenSaveUsePassword();

}  // namespace lw
