"""The shipped program file itself: a 32-bit GUI program that needs no DLL
beyond those every Windows has, with its icon and its manifest."""
import os
import re
import subprocess
import unittest

import harness

PROGRAM = os.path.join(harness.WINDOWS_BIN, "lumaweave.scr")
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "comctl32.dll",
               "comdlg32.dll", "winmm.dll", "msvcrt.dll", "ole32.dll", "oleaut32.dll", "shlwapi.dll",
               "gdiplus.dll", "version.dll", "uxtheme.dll", "msimg32.dll"}


def tool(name, *args):
    return subprocess.run(["i686-w64-mingw32-" + name, *args], capture_output=True, text=True, check=True,
                          timeout=60).stdout


class ProgramFile(unittest.TestCase):
    def test_is_a_32_bit_gui_program_with_system_dlls_only(self):
        headers = tool("objdump", "-p", PROGRAM)
        self.assertRegex(headers, r"Magic\s+010b\s+\(PE32\)")
        self.assertRegex(headers, r"Subsystem\s+00000002\s+\(Windows GUI\)")
        dlls = {d.lower() for d in re.findall(r"DLL Name: (\S+)", headers)}
        self.assertTrue(dlls)
        self.assertLessEqual(dlls, SYSTEM_DLLS, "imports beyond the system's own DLLs")

    def test_carries_its_icon_and_manifest(self):
        resources = tool("windres", "-i", PROGRAM, "-O", "rc")
        self.assertIn("RT_GROUP_ICON", resources)
        manifest = resources[resources.index("RT_MANIFEST"):].replace('""', '"')
        self.assertRegex(manifest, r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"')
        self.assertIn('level="asInvoker"', manifest)


if __name__ == "__main__":
    harness.main()
