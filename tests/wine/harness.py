"""End-to-end harness: the real Windows program under Wine, in a private X
server, driven and observed the way a user would.

    from harness import Session, Package, bmp

    with Session(width=800, height=600) as s:
        scr = s.program("Autumn.scr", Package(title="Autumn"))
        proc = s.launch(scr, "/s")
        win = s.wait_window(title="Autumn")         # driver's JSON of the window
        shot = s.screenshot("show.png")             # Picture; .pixel(x, y) -> (r, g, b)
        s.key("Escape"); s.wait_exit(proc)

What one Session gives a test:
- the shared Wine prefix under build/wine/ (created once by `wineboot -i`,
  under a lock, then reused; tests hold the same lock while they run, so
  they never share a wineserver), WINEDEBUG=-all, no Mono/Gecko prompts;
- its own Xvfb of the chosen size, and an ALSA default device that discards
  sound (a private HOME with an .asoundrc);
- launch(program, *args), wait_exit(proc), running_after(proc, s) and
  stop(proc); every process it started, the wineserver of the prefix and
  the X server end with the session;
- driver(...) runs lwdriver.exe and returns its JSON lines; windows(),
  window(hwnd), wait_window(...), wait_no_window(...), click_button(...),
  host_preview() (a window with a 152 x 112 preview area; its handle);
- screenshot(path=None) of the whole screen, pixel probes on the result;
- xdotool input: key(...), move(x, y), click(x, y);
- registry: reg_query, reg_add, reg_delete;
- the temporary folder the program uses, as a Unix path: temp_folder().

Packages are built with the project's own writer (`lumaweave pack`).

The Windows binaries are the 32-bit build (build/windows/bin) under wine32.
A kernel without 32-bit support cannot run wine32; the harness then runs
the 64-bit build of the same sources (build/windows64/bin) under wine64.
`python3 harness.py arch` prints which one this machine uses.
"""
import ctypes
import fcntl
import json
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE_DIR = os.path.dirname(os.path.dirname(HERE))
BUILD_DIR = os.environ.get("LW_BUILD_DIR") or os.path.join(SOURCE_DIR, "build")
NATIVE_BIN = os.environ.get("LW_NATIVE_BIN") or os.path.join(BUILD_DIR, "native", "bin")
WINDOWS_BIN = os.environ.get("LW_WINDOWS_BIN") or os.path.join(BUILD_DIR, "windows", "bin")
WINDOWS64_BIN = os.environ.get("LW_WINDOWS64_BIN") or os.path.join(BUILD_DIR, "windows64", "bin")

WINE32 = "/usr/lib/wine/wine"
WINE64 = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"

# Window styles the tests look at.
WS_CHILD = 0x40000000
WS_CAPTION = 0x00C00000
WS_THICKFRAME = 0x00040000
WS_EX_TOPMOST = 0x00000008


class HarnessError(AssertionError):
    """Something under Wine did not happen in time; the message says what."""


def wine_arch():
    """"win32" where wine32 runs, else "win64"."""
    try:
        ok = subprocess.run([WINE32, "--version"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL, timeout=30).returncode == 0
    except (OSError, subprocess.TimeoutExpired):
        ok = False
    return "win32" if ok else "win64"


_ARCH = None


def arch():
    global _ARCH
    if _ARCH is None:
        _ARCH = wine_arch()
    return _ARCH


def windows_bin():
    return WINDOWS_BIN if arch() == "win32" else WINDOWS64_BIN


def program_file():
    return os.path.join(windows_bin(), "lumaweave.scr")


def _die_with_parent():
    # The X server and Wine go when the harness goes, however it ends.
    try:
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except OSError:
        pass


def _wine_dir():
    d = os.path.join(BUILD_DIR, "wine")
    os.makedirs(d, exist_ok=True)
    return d


def _home():
    home = os.path.join(_wine_dir(), "home")
    os.makedirs(home, exist_ok=True)
    asoundrc = os.path.join(home, ".asoundrc")
    if not os.path.exists(asoundrc):
        with open(asoundrc, "w") as f:
            f.write("pcm.!default { type null }\n")
    return home


def _prefix():
    return os.path.join(_wine_dir(), "prefix-" + arch())


def _base_env():
    env = dict(os.environ)
    for k in ("DISPLAY", "WAYLAND_DISPLAY", "WINESERVER", "WINELOADER"):
        env.pop(k, None)
    env.update({
        "HOME": _home(),
        "WINEPREFIX": _prefix(),
        "WINEARCH": arch(),
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
    })
    return env


def _loader():
    return WINE32 if arch() == "win32" else WINE64


class _PrefixLock:
    """Exclusive use of the shared prefix; created on first use."""

    def __enter__(self):
        self.f = open(os.path.join(_wine_dir(), "prefix-%s.lock" % arch()), "w")
        fcntl.flock(self.f, fcntl.LOCK_EX)
        try:
            _ensure_prefix()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        fcntl.flock(self.f, fcntl.LOCK_UN)
        self.f.close()


def _ensure_prefix():
    prefix = _prefix()
    ready = os.path.join(prefix, ".lw-ready")
    if os.path.exists(ready):
        return
    shutil.rmtree(prefix, ignore_errors=True)
    env = _base_env()
    try:
        subprocess.run([_loader(), "wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=600, check=True)
        # A crash should end the program, not wait for someone to close a dialog.
        subprocess.run([_loader(), "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
                        "/t", "REG_DWORD", "/d", "0", "/f"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120, check=True)
        subprocess.run([WINESERVER, "-w"], env=env, timeout=120)
    except (subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
        raise HarnessError("could not create the Wine prefix %s: %s" % (prefix, e))
    with open(ready, "w") as f:
        f.write(arch() + "\n")


def _start_xvfb(width, height):
    r, w = os.pipe()
    proc = subprocess.Popen(
        ["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % (width, height),
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        start_new_session=True, preexec_fn=_die_with_parent)
    os.close(w)
    number = b""
    deadline = time.time() + 20
    while not number.endswith(b"\n"):
        if not select.select([r], [], [], max(0.0, deadline - time.time()))[0]:
            proc.kill()
            os.close(r)
            raise HarnessError("Xvfb did not start within 20 s")
        chunk = os.read(r, 16)
        if not chunk:
            break
        number += chunk
    os.close(r)
    if not number.strip():
        proc.kill()
        raise HarnessError("Xvfb did not report its display")
    return proc, ":" + number.strip().decode()


class Picture:
    """A screenshot: 24-bit RGB rows."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def save_png(self, path):
        raw = b"".join(b"\0" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                       for y in range(self.height))

        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n"
                    + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))


def _parse_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, _, fmt, _, width, height, _, byte_order = fields[:8]
    bits_per_pixel, bytes_per_line = fields[11], fields[12]
    masks = fields[14:17]
    ncolors = fields[19]
    if fmt != 2 or bits_per_pixel not in (24, 32):
        raise HarnessError("unexpected screenshot format: %r" % (fields,))
    offset = header_size + 12 * ncolors
    step = bits_per_pixel // 8
    out = bytearray(width * height * 3)
    if byte_order == 0 and masks == (0xFF0000, 0xFF00, 0xFF):
        # Blue, green, red in memory order: copy the channels row by row.
        for y in range(height):
            row = data[offset + y * bytes_per_line:offset + y * bytes_per_line + width * step]
            o = y * width * 3
            out[o:o + width * 3:3] = row[2::step]
            out[o + 1:o + width * 3:3] = row[1::step]
            out[o + 2:o + width * 3:3] = row[0::step]
        return Picture(width, height, bytes(out))
    order = "little" if byte_order == 0 else "big"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    shifts = [shift(m) for m in masks]
    for y in range(height):
        base = offset + y * bytes_per_line
        for x in range(width):
            v = int.from_bytes(data[base + x * step:base + (x + 1) * step], order)
            o = (y * width + x) * 3
            for c in range(3):
                out[o + c] = (v & masks[c]) >> shifts[c]
    return Picture(width, height, bytes(out))


def bmp(width, height, color_at):
    """A 24-bit BMP file; color_at(x, y) gives (r, g, b), y downwards."""
    row_size = (width * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = color_at(x, y)
            row += bytes((b, g, r))
        rows.append(bytes(row) + bytes(row_size - len(row)))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(info) + len(pixels), 0, 0, 14 + len(info)) + info + pixels


class Package:
    """A manifest for `lumaweave pack` (docs/manifest.md): header fields and
    texts by name, the preview picture as bytes, other files as bytes by
    name for the entries that name them, and any other manifest key as is:

        Package(title="Autumn", header={"Seconds": 5},
                files={"a.bmp": bmp(...)}, items=[{"file": "a.bmp"}])
    """

    def __init__(self, title=None, header=None, texts=None, preview=None, files=None, **entries):
        self.header = dict(header or {})
        self.texts = dict(texts or {})
        if title is not None:
            self.texts["Title"] = title
        self.preview = preview
        self.files = dict(files or {})
        self.entries = entries

    def manifest(self, folder, program):
        """The manifest as a dict, its files written into folder."""
        files = dict(self.files)
        m = {"program": program, "header": self.header, "texts": self.texts, **self.entries}
        if self.preview is not None:
            files["preview.bmp"] = self.preview
            m["preview"] = "preview.bmp"
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
        return m


class Session:
    """One test's world: an X server, the shared prefix to itself, and
    everything started in it, ended on exit."""

    def __init__(self, width=800, height=600, name=None, display=None):
        """A private X server of width x height, or the X display named."""
        self.width, self.height = width, height
        self.name = name or "session"
        self.display = display
        self.procs = []
        self._driver = None
        self._driver_out = b""
        self.driver_code = None  # exit code of the last driver command
        self.xvfb = None
        self.lock = None
        self.work = None

    # -- lifetime -----------------------------------------------------------

    def __enter__(self):
        self._previous_term = signal.signal(signal.SIGTERM, _raise_on_term)
        self.lock = _PrefixLock().__enter__()
        try:
            self.env = _base_env()
            self._kill_wineserver()
            if not self.display:
                self.xvfb, self.display = _start_xvfb(self.width, self.height)
            self.env["DISPLAY"] = self.display
            self.work = tempfile.mkdtemp(prefix=self.name + "-", dir=_wine_dir())
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for p in self.procs:
            _kill_group(p)
        self._kill_wineserver()
        if self.xvfb:
            _kill_group(self.xvfb)
        if self.work:
            shutil.rmtree(self.work, ignore_errors=True)
        if self.lock:
            self.lock.__exit__(None, None, None)
        signal.signal(signal.SIGTERM, self._previous_term)

    def _kill_wineserver(self):
        try:
            subprocess.run([WINESERVER, "-k"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
            subprocess.run([WINESERVER, "-w"], env=self.env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=30)
        except subprocess.TimeoutExpired:
            pass

    # -- programs -------------------------------------------------------------

    def program(self, name, package=None):
        """A copy of the program named `name` in this session's folder, with
        the package appended when one is given. Returns its Unix path."""
        path = os.path.join(self.work, name)
        if package is None:
            shutil.copyfile(program_file(), path)
            return path
        manifest = package.manifest(self.work, program_file())
        manifest_path = os.path.join(self.work, name + ".json")
        with open(manifest_path, "w") as f:
            json.dump(manifest, f)
        tool = os.path.join(NATIVE_BIN, "lumaweave")
        r = subprocess.run([tool, "pack", manifest_path, "-o", path], capture_output=True, text=True, timeout=120)
        if r.returncode != 0:
            raise HarnessError("lumaweave pack failed: %s%s" % (r.stdout, r.stderr))
        return path

    def launch(self, program, *args):
        """Starts a Windows program (Unix path) with arguments."""
        p = subprocess.Popen([_loader(), program, *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             start_new_session=True, preexec_fn=_die_with_parent)
        self.procs.append(p)
        return p

    def wait_exit(self, proc, timeout=20):
        """The exit code once the process has ended."""
        try:
            return proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError("the process did not end within %g s; windows: %s"
                               % (timeout, self._summary()))

    def running_after(self, proc, seconds):
        """True when the process still runs after waiting this long."""
        try:
            proc.wait(seconds)
            return False
        except subprocess.TimeoutExpired:
            return True

    # -- the driver -------------------------------------------------------------

    def driver(self, *args, timeout=30):
        """Runs one lwdriver command; returns its JSON lines as objects. One
        driver process serves the whole session: a Wine process start costs
        seconds, a query milliseconds."""
        server = self._driver_server()
        server.stdin.write(("\t".join(map(str, args)) + "\n").encode())
        server.stdin.flush()
        results = []
        deadline = time.time() + timeout
        while True:
            while b"\n" not in self._driver_out:
                remaining = deadline - time.time()
                if remaining <= 0 or not select.select([server.stdout], [], [], remaining)[0]:
                    self._drop_driver()
                    raise HarnessError("lwdriver %s did not answer within %g s"
                                       % (" ".join(map(str, args)), timeout))
                chunk = os.read(server.stdout.fileno(), 65536)
                if not chunk:
                    self._drop_driver()
                    raise HarnessError("lwdriver ended during %s" % " ".join(map(str, args)))
                self._driver_out += chunk
            raw, self._driver_out = self._driver_out.split(b"\n", 1)
            if not raw.startswith(b"{"):
                continue
            obj = json.loads(raw.decode("utf-8", "replace"))
            if list(obj) == ["end"]:
                self.driver_code = obj["end"]
                return results
            results.append(obj)

    def _driver_server(self):
        if self._driver is None or self._driver.poll() is not None:
            exe = os.path.join(windows_bin(), "lwdriver.exe")
            self._driver = subprocess.Popen([_loader(), exe, "serve"], env=self.env, stdin=subprocess.PIPE,
                                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                            start_new_session=True, preexec_fn=_die_with_parent)
            self._driver_out = b""
            self.procs.append(self._driver)
        return self._driver

    def _drop_driver(self):
        if self._driver is not None:
            _kill_group(self._driver)
            self._driver = None

    def windows(self, title=None, cls=None, all=False):
        args = ["list"]
        if title is not None:
            args += ["--title", title]
        if cls is not None:
            args += ["--class", cls]
        if all:
            args.append("--all")
        return self.driver(*args)

    def window(self, hwnd):
        found = self.driver("window", hwnd)
        return found[0] if found else None

    def wait_window(self, title=None, cls=None, timeout=20, where=None, all=False):
        """The first top-level window with this title / class (visible unless
        all=True) for which where(window) holds."""
        deadline = time.time() + timeout
        while True:
            for w in self.windows(title, cls, all):
                if where is None or where(w):
                    return w
            if time.time() > deadline:
                raise HarnessError("no window with title %r class %r within %g s; windows: %s"
                                   % (title, cls, timeout, self._summary()))
            time.sleep(0.3)

    def wait_no_window(self, title=None, cls=None, timeout=10):
        deadline = time.time() + timeout
        while self.windows(title, cls):
            if time.time() > deadline:
                raise HarnessError("window %r / %r still there after %g s" % (title, cls, timeout))
            time.sleep(0.3)

    def click_button(self, hwnd, text):
        r = self.driver("click", hwnd, text)
        if not r or not r[0].get("clicked"):
            raise HarnessError("no button %r in window %s" % (text, hwnd))

    def host_preview(self, width=400, height=300, title="Preview Host", timeout=20):
        """Starts the driver's preview host; returns (process, host handle,
        preview area handle)."""
        exe = os.path.join(windows_bin(), "lwdriver.exe")
        p = self.launch(exe, "host", width, height, title)
        deadline = time.time() + timeout
        line = b""
        while not line.endswith(b"\n"):
            if not select.select([p.stdout], [], [], max(0.0, deadline - time.time()))[0]:
                raise HarnessError("the preview host did not start within %g s" % timeout)
            chunk = os.read(p.stdout.fileno(), 4096)
            if not chunk:
                raise HarnessError("the preview host ended at once")
            line += chunk
        info = json.loads(line.decode().strip().splitlines()[-1])
        return p, info["host"], info["preview"]

    def _summary(self):
        try:
            return "; ".join("%s %r (%s)" % (w["hwnd"], w["text"], w["class"]) for w in self.windows())
        except HarnessError:
            return "(the driver did not answer)"

    # -- the screen and input -----------------------------------------------------

    def screenshot(self, path=None):
        r = subprocess.run(["xwd", "-root", "-silent", "-display", self.display], capture_output=True, timeout=30)
        if r.returncode != 0:
            raise HarnessError("xwd failed: %s" % r.stderr.decode(errors="replace"))
        pic = _parse_xwd(r.stdout)
        if path:
            pic.save_png(path)
        return pic

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def key(self, *keys):
        self.xdotool("key", *keys)

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    # -- registry and files -------------------------------------------------------

    def reg_query(self, key, value):
        """(type, data) of a registry value ("HKCU\\..." or "HKLM\\..."), or
        None; REG_DWORD data is an int, REG_BINARY data a hex text."""
        r = self.driver("regget", key, value)[0]
        return None if r.get("missing") else (r["type"], r["data"])

    def reg_add(self, key, value, kind, data):
        """Writes REG_DWORD (int), REG_SZ (text) or REG_BINARY (hex text)."""
        self.driver("regset", key, value, kind, data)
        if self.driver_code != 0:
            raise HarnessError("could not write %s\\%s" % (key, value))

    def reg_delete(self, key, value=None):
        """Deletes a value, or without one the key and everything below it."""
        self.driver("regdel", key, *([value] if value is not None else []))

    def unix_path(self, windows_path):
        drive, rest = windows_path[:2].lower(), windows_path[2:]
        root = os.path.realpath(os.path.join(self.env["WINEPREFIX"], "dosdevices", drive))
        return os.path.join(root, *[p for p in rest.split("\\") if p])

    def temp_folder(self):
        """The program's temporary folder as a Unix path: the "Temp" folder
        beside the History folder on Windows 2000, XP and NT 6.x when it
        exists, else the system temporary path."""
        info = self.driver("folders")[0]
        major, minor = info["version"]
        if (major, minor) in ((5, 0), (5, 1)) or major == 6:
            history = info["history"]
            sibling = history[:history.rfind("\\") + 1] + "Temp"
            if history and os.path.isdir(self.unix_path(sibling)):
                return self.unix_path(sibling)
        return self.unix_path(info["temp"])


def _raise_on_term(signum, frame):
    raise SystemExit("terminated")


def stop(p):
    """Ends a process started by Session.launch, with its process group."""
    _kill_group(p)


def _kill_group(p):
    try:
        os.killpg(p.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    try:
        p.wait(10)
    except subprocess.TimeoutExpired:
        pass
    for stream in (p.stdin, p.stdout, p.stderr):
        if stream:
            try:
                stream.close()
            except OSError:
                pass


def main():
    """unittest's main, with a note of the Wine flavour in use."""
    sys.stderr.write("wine: %s, program %s\n" % (arch(), program_file()))
    unittest.main(verbosity=2)


if __name__ == "__main__" and sys.argv[1:] == ["arch"]:
    print(arch())
