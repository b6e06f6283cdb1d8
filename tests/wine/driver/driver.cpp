// lwdriver: the Windows side of the end-to-end tests. It looks at windows the
// way a user's tools would and prints what it finds as JSON lines.
//
//   lwdriver list [--title T] [--class C] [--all]   top-level windows (visible
//                                                     ones unless --all)
//   lwdriver window HWND                             one window, any level
//   lwdriver click HWND TEXT                         clicks the button TEXT
//                                                     inside window HWND
//   lwdriver send HWND MSG WPARAM LPARAM             sends a message, prints
//                                                     the result
//   lwdriver host [WIDTH HEIGHT [TITLE]]             shows a window with a
//                                                     152 x 112 preview area,
//                                                     prints both handles and
//                                                     runs until killed
//   lwdriver folders                                 the temporary and History
//                                                     folders, the system version
//   lwdriver regget KEY VALUE                        a registry value under
//                                                     HKCU\ or HKLM\: {"type",
//                                                     "data"} or {"missing"}
//   lwdriver regset KEY VALUE TYPE DATA              writes REG_DWORD (decimal),
//                                                     REG_SZ or REG_BINARY (hex)
//   lwdriver regdel KEY [VALUE]                      deletes a value, or the key
//                                                     with everything below it
//   lwdriver serve                                   reads commands from stdin,
//                                                     one per line, arguments
//                                                     separated by tabs; after
//                                                     each prints {"end": CODE}
//
// Handles are decimal. A window prints as {"hwnd", "class", "text", "style",
// "exstyle", "rect" (screen [left, top, right, bottom]), "pos" ([x, y] in the
// parent's client area), "client" ([width, height]), "clientorigin" (screen
// [x, y] of the client area), "parent", "owner",
// "visible", "enabled", "children" (direct children, same fields, no
// children of their own)}.
#define _WIN32_WINNT 0x0601
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

long long HandleNumber(HWND h) { return static_cast<long long>(reinterpret_cast<intptr_t>(h)); }
HWND ToHwnd(const std::string& text) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(std::strtoll(text.c_str(), nullptr, 10)));
}

std::string Json(const std::string& s) {
  std::string out = "\"";
  std::wstring wide(s.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), wide.data(),
                                    static_cast<int>(wide.size()));
  for (int i = 0; i < n; ++i) {
    const wchar_t c = wide[i];
    if (c == L'"' || c == L'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
      out += buf;
    }
  }
  return out + "\"";
}

// The text the window holds, read without sending it a message, so a busy
// program cannot stall the driver.
std::string TextOf(HWND w) {
  char buf[4096] = {};
  GetWindowTextA(w, buf, sizeof buf);
  return buf;
}

std::string ClassOf(HWND w) {
  char buf[256] = {};
  GetClassNameA(w, buf, sizeof buf);
  return buf;
}

std::string Describe(HWND w, bool withChildren) {
  RECT r{}, c{};
  GetWindowRect(w, &r);
  GetClientRect(w, &c);
  HWND parent = GetAncestor(w, GA_PARENT);
  if (parent == GetDesktopWindow()) parent = nullptr;
  POINT pos{r.left, r.top};
  if (parent) ScreenToClient(parent, &pos);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  char numbers[512];
  std::snprintf(numbers, sizeof numbers,
                "\"hwnd\": %lld, \"style\": %lu, \"exstyle\": %lu, \"rect\": [%ld, %ld, %ld, %ld], "
                "\"pos\": [%ld, %ld], \"client\": [%ld, %ld], \"clientorigin\": [%ld, %ld], \"parent\": %lld, "
                "\"owner\": %lld, "
                "\"visible\": %s, \"enabled\": %s",
                HandleNumber(w), static_cast<unsigned long>(GetWindowLongA(w, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongA(w, GWL_EXSTYLE)), r.left, r.top, r.right, r.bottom, pos.x,
                pos.y, c.right, c.bottom, origin.x, origin.y, HandleNumber(parent), HandleNumber(GetWindow(w, GW_OWNER)),
                IsWindowVisible(w) ? "true" : "false", IsWindowEnabled(w) ? "true" : "false");
  std::string out = "{";
  out += numbers;
  out += ", \"class\": " + Json(ClassOf(w)) + ", \"text\": " + Json(TextOf(w));
  if (withChildren) {
    out += ", \"children\": [";
    bool first = true;
    for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!first) out += ", ";
      out += Describe(child, false);
      first = false;
    }
    out += "]";
  }
  return out + "}";
}

void PrintLine(const std::string& line) {
  std::fputs(line.c_str(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

int List(const std::vector<std::string>& args) {
  const std::string* title = nullptr;
  const std::string* cls = nullptr;
  bool all = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--title" && i + 1 < args.size()) title = &args[++i];
    else if (args[i] == "--class" && i + 1 < args.size()) cls = &args[++i];
    else if (args[i] == "--all") all = true;
  }
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (!all && !IsWindowVisible(w)) continue;
    if (title && TextOf(w) != *title) continue;
    if (cls && ClassOf(w) != *cls) continue;
    PrintLine(Describe(w, true));
  }
  return 0;
}

std::string WithoutAccelerator(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != '&') out += c;
  return out;
}

HWND FindButton(HWND w, const std::string& text) {
  for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (WithoutAccelerator(TextOf(child)) == text) return child;
    if (HWND inner = FindButton(child, text)) return inner;
  }
  return nullptr;
}

int Click(HWND w, const std::string& text) {
  HWND button = FindButton(w, text);
  if (!button) {
    PrintLine("{\"clicked\": false}");
    return 1;
  }
  PostMessageA(button, BM_CLICK, 0, 0);
  PrintLine("{\"clicked\": true, \"button\": " + std::to_string(HandleNumber(button)) + "}");
  return 0;
}

int Send(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  const bool answered = SendMessageTimeoutA(w, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result) != 0;
  PrintLine("{\"answered\": " + std::string(answered ? "true" : "false") +
            ", \"result\": " + std::to_string(static_cast<long long>(result)) + "}");
  return answered ? 0 : 1;
}

LRESULT CALLBACK HostProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(w, message, wParam, lParam);
}

int Host(int width, int height, const std::string& title) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "LWPreviewHost";
  RegisterClassA(&wc);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = "LWPreviewArea";
  RegisterClassA(&wc);
  HWND host = CreateWindowExA(0, "LWPreviewHost", title.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 40, 40,
                              width, height, nullptr, nullptr, instance, nullptr);
  HWND area = CreateWindowExA(0, "LWPreviewArea", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 152, 112,
                              host, nullptr, instance, nullptr);
  PrintLine("{\"host\": " + std::to_string(HandleNumber(host)) + ", \"preview\": " +
            std::to_string(HandleNumber(area)) + "}");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

int Folders() {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof temp, temp);
  char history[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, history, CSIDL_HISTORY, FALSE);
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (rtlGetVersion) rtlGetVersion(&version);
  PrintLine("{\"temp\": " + Json(temp) + ", \"history\": " + Json(history) + ", \"version\": [" +
            std::to_string(version.dwMajorVersion) + ", " + std::to_string(version.dwMinorVersion) + "]}");
  return 0;
}

// "HKCU\Software\X" -> HKEY_CURRENT_USER and "Software\X".
HKEY SplitRoot(const std::string& key, std::string& rest) {
  const size_t slash = key.find('\\');
  const std::string root = key.substr(0, slash);
  rest = slash == std::string::npos ? "" : key.substr(slash + 1);
  if (root == "HKCU" || root == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  if (root == "HKLM" || root == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
  return nullptr;
}

int RegGet(const std::string& key, const std::string& value) {
  std::string path;
  HKEY root = SplitRoot(key, path);
  HKEY k;
  if (!root || RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
    PrintLine("{\"missing\": true}");
    return 0;
  }
  DWORD type = 0, size = 0;
  std::vector<unsigned char> data;
  LONG r = RegQueryValueExA(k, value.c_str(), nullptr, &type, nullptr, &size);
  if (r == ERROR_SUCCESS) {
    data.resize(size + 1);
    r = RegQueryValueExA(k, value.c_str(), nullptr, &type, data.data(), &size);
  }
  RegCloseKey(k);
  if (r != ERROR_SUCCESS) {
    PrintLine("{\"missing\": true}");
    return 0;
  }
  if (type == REG_DWORD && size == 4) {
    DWORD v;
    std::memcpy(&v, data.data(), 4);
    PrintLine("{\"type\": \"REG_DWORD\", \"data\": " + std::to_string(v) + "}");
  } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::string text(reinterpret_cast<const char*>(data.data()), size);
    if (!text.empty() && text.back() == 0) text.pop_back();
    PrintLine("{\"type\": \"REG_SZ\", \"data\": " + Json(text) + "}");
  } else {
    std::string hex;
    char byte[3];
    for (DWORD i = 0; i < size; ++i) {
      std::snprintf(byte, sizeof byte, "%02x", data[i]);
      hex += byte;
    }
    PrintLine("{\"type\": \"REG_BINARY\", \"data\": \"" + hex + "\"}");
  }
  return 0;
}

int RegSet(const std::string& key, const std::string& value, const std::string& type, const std::string& data) {
  std::string path;
  HKEY root = SplitRoot(key, path);
  HKEY k;
  if (!root || RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) != ERROR_SUCCESS)
    return 1;
  LONG r;
  if (type == "REG_DWORD") {
    const DWORD v = static_cast<DWORD>(std::strtoll(data.c_str(), nullptr, 10));
    r = RegSetValueExA(k, value.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v);
  } else if (type == "REG_SZ") {
    r = RegSetValueExA(k, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>(data.size() + 1));
  } else if (type == "REG_BINARY") {
    std::vector<BYTE> bytes;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
      bytes.push_back(static_cast<BYTE>(std::strtoul(data.substr(i, 2).c_str(), nullptr, 16)));
    r = RegSetValueExA(k, value.c_str(), 0, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
  } else {
    r = ERROR_INVALID_PARAMETER;
  }
  RegCloseKey(k);
  return r == ERROR_SUCCESS ? 0 : 1;
}

int RegDel(const std::string& key, const std::string* value) {
  std::string path;
  HKEY root = SplitRoot(key, path);
  if (!root) return 1;
  if (!value) return RegDeleteTreeA(root, path.c_str()) == ERROR_SUCCESS ? 0 : 1;
  HKEY k;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_WRITE, &k) != ERROR_SUCCESS) return 1;
  const LONG r = RegDeleteValueA(k, value->c_str());
  RegCloseKey(k);
  return r == ERROR_SUCCESS ? 0 : 1;
}

int Run(const std::vector<std::string>& args);

// Answers commands until stdin ends: one wine process for a whole test.
int Serve() {
  char line[8192];
  while (std::fgets(line, sizeof line, stdin)) {
    std::vector<std::string> args(1);
    for (const char* p = line; *p && *p != '\n' && *p != '\r'; ++p) {
      if (*p == '\t')
        args.emplace_back();
      else
        args.back() += *p;
    }
    const int code = args[0] == "serve" || args[0] == "host" ? 2 : Run(args);
    PrintLine("{\"end\": " + std::to_string(code) + "}");
  }
  return 0;
}

int Run(const std::vector<std::string>& args) {
  const std::string& command = args[0];
  if (command == "list") return List(args);
  if (command == "window" && args.size() == 2) {
    HWND w = ToHwnd(args[1]);
    if (!IsWindow(w)) return 1;
    PrintLine(Describe(w, true));
    return 0;
  }
  if (command == "click" && args.size() == 3) return Click(ToHwnd(args[1]), args[2]);
  if (command == "send" && args.size() == 5)
    return Send(ToHwnd(args[1]), static_cast<UINT>(std::strtoul(args[2].c_str(), nullptr, 0)),
                static_cast<WPARAM>(std::strtoull(args[3].c_str(), nullptr, 0)),
                static_cast<LPARAM>(std::strtoll(args[4].c_str(), nullptr, 0)));
  if (command == "host")
    return Host(args.size() > 2 ? std::atoi(args[1].c_str()) : 400, args.size() > 2 ? std::atoi(args[2].c_str()) : 300,
                args.size() > 3 ? args[3] : "Preview Host");
  if (command == "folders") return Folders();
  if (command == "regget" && args.size() == 3) return RegGet(args[1], args[2]);
  if (command == "regset" && args.size() == 5) return RegSet(args[1], args[2], args[3], args[4]);
  if (command == "regdel" && (args.size() == 2 || args.size() == 3))
    return RegDel(args[1], args.size() == 3 ? &args[2] : nullptr);
  if (command == "serve") return Serve();
  std::fprintf(stderr, "lwdriver: unknown command or arguments: %s\n", command.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: lwdriver list|window|click|send|host|folders|regget|regset|regdel|serve ...\n", stderr);
    return 2;
  }
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
