#!/usr/bin/env python3
"""Checks a built Setup.exe: PE header, imported DLLs and every resource the
program relies on, with each dialog template decoded and compared against
the tables below.

Usage: check_pe.py Setup.exe
Prints one line per fault and exits 1 if there is any, 0 otherwise.
"""
import re
import struct
import sys
import types
import xml.etree.ElementTree as ET

# --- Window, dialog and control styles --------------------------------------
WS_POPUP, WS_CHILD, WS_VISIBLE = 0x80000000, 0x40000000, 0x10000000
WS_DISABLED, WS_CAPTION, WS_BORDER = 0x08000000, 0x00C00000, 0x00800000
WS_VSCROLL, WS_SYSMENU = 0x00200000, 0x00080000
WS_GROUP, WS_TABSTOP = 0x00020000, 0x00010000
DS_MODALFRAME, DS_SETFONT = 0x80, 0x40
WS_EX_CLIENTEDGE, WS_EX_APPWINDOW = 0x200, 0x40000
BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_AUTOCHECKBOX = 0x0, 0x1, 0x3
BS_GROUPBOX, BS_AUTORADIOBUTTON = 0x7, 0x9
SS_LEFT, SS_ICON, SS_NOPREFIX = 0x0, 0x3, 0x80
ES_LEFT, ES_AUTOHSCROLL, ES_READONLY = 0x0, 0x80, 0x800
CBS_DROPDOWNLIST = 0x3
TBS_HORZ, TBS_BOTH, TBS_NOTICKS = 0x0, 0x8, 0x10
LVS_REPORT, LVS_SINGLESEL, LVS_SHOWSELALWAYS = 0x1, 0x4, 0x8

SHOWN = WS_CHILD | WS_VISIBLE
HIDDEN = WS_CHILD
PAGE = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT

# Template class ordinals of the predefined control classes.
CLASS_ORDINALS = {0x80: "Button", 0x81: "Edit", 0x82: "Static",
                  0x83: "ListBox", 0x84: "ScrollBar", 0x85: "ComboBox"}

LANG_ZH_CN, LANG_EN_US = 2052, 1033
RT_ICON, RT_STRING, RT_GROUP_ICON, RT_VERSION = 3, 6, 14, 16
RT_DIALOG, RT_MANIFEST, RT_DLGINIT = 5, 24, 240
FONT_FACE = "宋体"
IDOK = 1

# --- Expected dialog templates ----------------------------------------------
# Control rows: (id, class, text, x, y, cx, cy, style, extended style).
# A text that is a number is a resource ordinal (the icon of an icon static).


class Dialog:
    def __init__(self, number, extended, style, exstyle, rect, caption, font,
                 controls):
        self.number = number
        self.extended = extended      # DIALOGEX rather than DIALOG
        self.style = style
        self.exstyle = exstyle
        self.rect = rect
        self.caption = caption
        self.font = font              # (points, face[, weight, italic, charset])
        self.controls = controls


COMBO = WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST
BUTTON = WS_TABSTOP | BS_PUSHBUTTON
RADIO = BS_AUTORADIOBUTTON
LABEL = WS_GROUP | SS_LEFT
SUITABLE = "This Driver is suitable for Windows x86 and x64 OS."

DIALOGS = [
    Dialog(100, False, PAGE, 0, (0, 0, 235, 55), "关于 ZEPH", (9, FONT_FACE), [
        (-1, "Static", 128, 11, 17, 20, 20, SHOWN | SS_ICON, 0),
        (-1, "Static", "ZEPH 4.0 版", 40, 10, 119, 8, SHOWN | LABEL | SS_NOPREFIX, 0),
        (-1, "Static", re.compile(r".*\b(19|20)\d\d\b.*"), 40, 25, 119, 8, SHOWN | LABEL, 0),
        (IDOK, "Button", "确定", 178, 7, 50, 14,
         SHOWN | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0),
    ]),
    Dialog(102, True, PAGE | WS_VISIBLE, WS_EX_APPWINDOW, (0, 0, 364, 239),
           "Detail Setting (x86/x64)", (9, FONT_FACE, 0, 0, 1), [
        (1011, "ComboBox", "", 77, 19, 145, 202, SHOWN | COMBO, 0),
        (-1, "Button", "Printer Setting", 7, 48, 350, 54, SHOWN | BS_GROUPBOX, 0),
        (-1, "Button", "打印机端口设置", 7, 108, 350, 94, HIDDEN | BS_GROUPBOX, 0),
        (-1, "Static", "Install Module", 20, 21, 56, 8, SHOWN | LABEL, 0),
        (1012, "Button", "Set Default Printer", 20, 59, 115, 10,
         SHOWN | WS_TABSTOP | BS_AUTOCHECKBOX, 0),
        (-1, "Static", "Printer Name", 20, 79, 51, 8, SHOWN | LABEL, 0),
        (1013, "Edit", "", 77, 77, 144, 15,
         SHOWN | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_READONLY | ES_AUTOHSCROLL, 0),
        (1014, "ComboBox", "", 58, 123, 65, 86, HIDDEN | COMBO, 0),
        (1015, "ComboBox", "", 58, 149, 65, 112, HIDDEN | COMBO, 0),
        (1016, "ComboBox", "", 58, 172, 65, 60, HIDDEN | COMBO, 0),
        (1017, "ComboBox", "", 286, 149, 65, 60, HIDDEN | COMBO, 0),
        (1018, "ComboBox", "", 171, 172, 65, 68, HIDDEN | COMBO, 0),
        (1019, "ComboBox", "", 171, 149, 65, 55, HIDDEN | COMBO, 0),
        (-1, "Static", "端口", 20, 127, 17, 8, HIDDEN | LABEL, 0),
        (-1, "Static", "波特率", 20, 148, 25, 8, HIDDEN | LABEL, 0),
        (-1, "Static", "字节长度", 20, 171, 33, 8, HIDDEN | LABEL, 0),
        (-1, "Static", "停止位", 135, 151, 25, 8, HIDDEN | LABEL, 0),
        (-1, "Static", "校验位", 135, 172, 25, 8, HIDDEN | LABEL, 0),
        (-1, "Static", "流控制", 240, 153, 25, 8, HIDDEN | LABEL, 0),
        (1008, "Button", "< &Back", 161, 207, 55, 15, SHOWN | BUTTON, 0),
        (1009, "Button", "&Next >", 225, 207, 54, 15, SHOWN | BUTTON, 0),
        (1010, "Button", "&Exit", 290, 207, 57, 15, SHOWN | BUTTON, 0),
        (-1, "Static", SUITABLE, 7, 226, 205, 8, SHOWN | LABEL, 0),
    ]),
    Dialog(129, False, PAGE, 0, (0, 0, 251, 190), "Select OS (x86/x64)",
           (9, FONT_FACE), [
        (-1, "Button", "Select OS", 7, 19, 237, 77, SHOWN | WS_GROUP | BS_GROUPBOX, 0),
        (1020, "Button", "Windows Vista", 13, 67, 68, 10, SHOWN | RADIO, 0),
        (1000, "Button", "Windows 95", 13, 7, 54, 10, HIDDEN | RADIO, 0),
        (1001, "Button", "Windows 98", 85, 7, 54, 10, HIDDEN | RADIO, 0),
        (1002, "Button", "Windows NT4.0", 155, 7, 65, 10, HIDDEN | RADIO, 0),
        (1003, "Button", "Windows 2000", 13, 41, 62, 10, SHOWN | RADIO, 0),
        (1004, "Button", "Windows XP", 84, 41, 55, 10, SHOWN | RADIO, 0),
        (1011, "Button", "Windows 2003", 146, 41, 64, 10, SHOWN | RADIO, 0),
        (1007, "msctls_trackbar32", "Slider1", 7, 109, 237, 6,
         HIDDEN | TBS_HORZ | TBS_BOTH | TBS_NOTICKS, 0),
        (1008, "Button", "< &Back", 189, 103, 49, 17, HIDDEN | WS_DISABLED | BUTTON, 0),
        (1009, "Button", "Install Printer Driver (&N) >", 15, 129, 157, 40, SHOWN | BUTTON, 0),
        (1010, "Button", "&Exit", 189, 127, 49, 41, SHOWN | BUTTON, 0),
        (1005, "Button", "Windows 7", 84, 67, 53, 10, SHOWN | RADIO, 0),
        (1006, "Button", "", 146, 67, 9, 8, SHOWN | RADIO, 0),
        (-1, "Static", SUITABLE, 7, 175, 205, 8, SHOWN | LABEL, 0),
        (1022, "Button", "Install USB Virtual Serial Port Driver", 15, 115, 157, 18,
         HIDDEN | BUTTON, 0),
        (1023, "Button", "Button5", 7, 77, 50, 14, HIDDEN | BUTTON, 0),
        (1013, "Edit", "", 7, 95, 215, 12,
         HIDDEN | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0),
        (-1, "Static", "Windows 8", 156, 59, 37, 8, SHOWN | LABEL, 0),
        (-1, "Static", "Windows 10", 156, 68, 41, 8, SHOWN | LABEL, 0),
        (-1, "Static", "Windows 11", 156, 77, 41, 8, SHOWN | LABEL, 0),
    ]),
    Dialog(138, False, PAGE, 0, (0, 0, 254, 133), "Create Port", (9, FONT_FACE), [
        (1021, "SysListView32", "List1", 7, 14, 240, 80,
         SHOWN | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL, 0),
        (1008, "Button", "New Port...", 121, 108, 50, 14, SHOWN | BUTTON, 0),
        (1009, "Button", "Close", 179, 108, 53, 14, SHOWN | BUTTON, 0),
    ]),
    Dialog(139, True, PAGE, 0, (0, 0, 320, 214), "Select Port (x86/x64)",
           (9, FONT_FACE, 0, 0, 1), [
        (-1, "Static", "Specify Port ", 7, 7, 195, 8, SHOWN | LABEL, 0),
        (1021, "SysListView32", "List1", 7, 47, 306, 93,
         SHOWN | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0),
        (1008, "Button", "Create Port...", 159, 145, 66, 14, SHOWN | BUTTON, 0),
        (1009, "Button", "Configure Port...", 235, 145, 72, 14, SHOWN | BUTTON, 0),
        (1010, "Button", "< &Back", 142, 182, 50, 14, SHOWN | BUTTON, 0),
        (1022, "Button", "&Install", 201, 181, 50, 14, SHOWN | BUTTON, 0),
        (1023, "Button", "&Cancel", 260, 182, 50, 14, SHOWN | BUTTON, 0),
        (1007, "msctls_trackbar32", "Slider1", 7, 149, 304, 6,
         HIDDEN | WS_TABSTOP | TBS_HORZ | TBS_BOTH, WS_EX_CLIENTEDGE),
        (1025, "msctls_progress32", "Progress1", 7, 164, 306, 11, SHOWN | WS_BORDER, 0),
        (-1, "Static", "A port is used to connect a printer to the computer.",
         21, 16, 260, 8, SHOWN | LABEL, 0),
        (-1, "Static", "Specify the port that you are using.If you are connecting "
         "using TCP/IP or ", 21, 25, 292, 8, SHOWN | LABEL, 0),
        (-1, "Static", "another port type not listed below,creat a new port.",
         7, 34, 306, 8, SHOWN | LABEL, 0),
        (-1, "Static", SUITABLE, 7, 199, 205, 8, SHOWN | LABEL, 0),
    ]),
]

# --- Other expected resources -----------------------------------------------
# Combo-box items of dialog 102's initialisation data, per control, in order.
# The model list's entries are placeholders: only their number is fixed.
MODEL_PLACEHOLDERS = 6
DLGINIT_ITEMS = {
    1014: ["LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"],
    1015: ["300", "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"],
    1016: ["5", "6", "7", "8"],
    1017: ["None", "XonXoff", "Hardware"],
    1018: ["Even", "Mark", "None", "Odd", "Space"],
    1019: ["1", "1.5", "2"],
}
CB_ADDSTRING_16 = 0x0403

STRINGS = {101: "关于 ZEPH(&A)..."}
ICON_GROUP = 128
ICON_IMAGES = [(32, 4), (16, 4)]      # (width and height, bits per pixel)

VERSION_STRINGS = {
    "Comments": "", "CompanyName": "Vorn",
    "FileDescription": "Vorn Printer Driver Setup", "FileVersion": "1, 0, 0, 0",
    "InternalName": "Setup", "LegalCopyright": re.compile(r".*\b(19|20)\d\d\b.*"),
    "LegalTrademarks": "", "OriginalFilename": "Setup.exe", "PrivateBuild": "",
    "ProductName": "Vorn Printer Driver Setup", "ProductVersion": "1, 0, 0, 0",
    "SpecialBuild": "",
}

IMPORT_ALLOWLIST = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
                    "winspool.drv", "shell32.dll", "comctl32.dll", "msvcrt.dll"}

# Every function the program may import, each checked to be exported by
# Windows 2000's own DLLs (the program has to start there). A new import
# fails the check until someone has made sure of that and added it here.
WINDOWS_2000_FUNCTIONS = {
    "advapi32.dll": "RegCloseKey RegOpenKeyExA RegSetValueExA",
    "comctl32.dll": "InitCommonControls",
    "kernel32.dll": "CloseHandle CopyFileA CreateSemaphoreW DeleteCriticalSection "
                    "EnterCriticalSection FindResourceA FormatMessageA FreeLibrary "
                    "GetCurrentDirectoryA GetCurrentProcess GetCurrentThreadId GetLastError "
                    "GetModuleFileNameA GetModuleHandleA GetModuleHandleW GetProcAddress "
                    "GetStartupInfoA GetVersionExA InitializeCriticalSection IsDBCSLeadByteEx "
                    "LeaveCriticalSection LoadLibraryA LoadLibraryW LoadResource LocalFree "
                    "LockResource MultiByteToWideChar OutputDebugStringA ReleaseSemaphore "
                    "SetLastError SetUnhandledExceptionFilter SizeofResource Sleep TlsAlloc "
                    "TlsFree TlsGetValue TlsSetValue VirtualProtect VirtualQuery "
                    "WaitForSingleObject WideCharToMultiByte",
    "msvcrt.dll": "__getmainargs __initenv __mb_cur_max __p__acmdln __p__commode __p__fmode "
                  "__set_app_type __setusermatherr _amsg_exit _cexit _errno _initterm _iob "
                  "_onexit abort atoi calloc exit fprintf fputc fputs free fwrite localeconv "
                  "malloc memchr memcmp memcpy memmove memset realloc setlocale signal strchr "
                  "strcmp strerror strlen strncmp vfprintf wcslen _read _close",
    "shell32.dll": "ShellExecuteA",
    "user32.dll": "AppendMenuA BeginPaint CheckDlgButton DialogBoxParamA DispatchMessageA "
                  "DrawIcon EnableWindow EndDialog EndPaint GetActiveWindow GetClientRect "
                  "GetDlgItem GetMessageA GetSystemMenu GetSystemMetrics GetWindowLongA "
                  "IsIconic LoadIconA LoadStringA MessageBoxA MessageBoxW SendDlgItemMessageA "
                  "SendMessageA SetDlgItemTextA SetWindowLongA TranslateMessage",
    "winspool.drv": "AddPortA AddPrinterA AddPrinterDriverA ClosePrinter ConfigurePortA "
                    "EnumMonitorsA EnumPortsA GetPrinterDriverDirectoryA",
}


# --- PE reading --------------------------------------------------------------
class Image:
    """The parts of a PE32 file that the checks read."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        (self.machine, sections, _, _, _, opt_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        if self.magic != 0x10B:
            raise ValueError("optional header magic 0x%x, not PE32" % self.magic)
        self.subsystem_version = struct.unpack_from("<HH", data, opt + 48)
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        dirs = struct.unpack_from("<I", data, opt + 92)[0]
        self.directories = [struct.unpack_from("<II", data, opt + 96 + 8 * i)
                            for i in range(dirs)]
        table = opt + opt_size
        self.sections = []
        for i in range(sections):
            vsize, va, rawsize, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((va, max(vsize, rawsize), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("address 0x%x lies in no section" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imports(self):
        """{DLL name: [imported function names]} (ordinals as "#n")."""
        rva, size = self.directories[1]
        found = {}
        if not size:
            return found
        pos = self.offset(rva)
        while True:
            lookup_rva, _, _, name_rva, thunk_rva = struct.unpack_from("<5I", self.data, pos)
            if not name_rva:
                return found
            functions = found.setdefault(self.cstring(name_rva), [])
            entry = self.offset(lookup_rva or thunk_rva)
            while True:
                value = struct.unpack_from("<I", self.data, entry)[0]
                if not value:
                    break
                functions.append("#%d" % (value & 0xFFFF) if value & 0x80000000
                                 else self.cstring(value + 2))
                entry += 4
            pos += 20

    def resources(self):
        """All resources as {(type, name, language): bytes}; types and names
        are numbers or strings."""
        rva, size = self.directories[2]
        found = {}
        if not size:
            return found
        base = self.offset(rva)

        def entry_id(value):
            if value & 0x80000000:
                pos = base + (value & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, pos)[0]
                return self.data[pos + 2:pos + 2 + 2 * length].decode("utf-16-le")
            return value

        def walk(pos, path):
            named, numbered = struct.unpack_from("<HH", self.data, pos + 12)
            for i in range(named + numbered):
                ident, target = struct.unpack_from("<II", self.data, pos + 16 + 8 * i)
                key = path + (entry_id(ident),)
                if target & 0x80000000:
                    walk(base + (target & 0x7FFFFFFF), key)
                else:
                    data_rva, data_size = struct.unpack_from("<II", self.data, base + target)
                    start = self.offset(data_rva)
                    found[key] = self.data[start:start + data_size]

        walk(base, ())
        return found


# --- Resource decoding -------------------------------------------------------
class Reader:
    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self, n):
        self.pos += -self.pos % n

    def text(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            if end >= len(self.data):
                raise ValueError("text at offset %d has no terminator" % self.pos)
            end += 2
        value = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return value

    def text_or_ordinal(self):
        """A template field that is empty (None), an ordinal or a text."""
        first = struct.unpack_from("<H", self.data, self.pos)[0]
        if first == 0:
            self.pos += 2
            return None
        if first == 0xFFFF:
            self.pos += 2
            return self.take("H")
        return self.text()


def decode_dialog(data):
    r = Reader(data)
    t = types.SimpleNamespace()
    t.extended = r.take("HH") == (1, 0xFFFF)
    if t.extended:
        _help, t.exstyle, t.style = r.take("III")
    else:
        r.pos = 0
        t.style, t.exstyle = r.take("II")
    count = r.take("H")
    t.rect = r.take("hhhh")
    t.menu = r.text_or_ordinal()
    t.window_class = r.text_or_ordinal()
    t.caption = r.text()
    t.font = None
    if t.style & DS_SETFONT:
        if t.extended:
            points, weight, italic, charset = r.take("HHBB")
            t.font = (points, r.text(), weight, italic, charset)
        else:
            points = r.take("H")
            t.font = (points, r.text())
    t.controls = []
    for _ in range(count):
        r.align(4)
        if t.extended:
            _help, exstyle, style = r.take("III")
            x, y, cx, cy = r.take("hhhh")
            ident = r.take("i")
        else:
            style, exstyle = r.take("II")
            x, y, cx, cy = r.take("hhhh")
            ident = r.take("h")
        window_class = r.text_or_ordinal()
        if isinstance(window_class, int):
            window_class = CLASS_ORDINALS.get(window_class, "#%d" % window_class)
        text = r.text_or_ordinal()
        extra = r.take("H")             # creation data, skipped
        r.pos += extra
        t.controls.append((ident, window_class, "" if text is None else text,
                           x, y, cx, cy, style, exstyle))
    return t


def decode_dlginit(data):
    """[(control, message, text bytes as stored)] up to the closing zero."""
    records, pos = [], 0
    while True:
        control = struct.unpack_from("<H", data, pos)[0]
        if control == 0:
            return records
        message, length = struct.unpack_from("<HI", data, pos + 2)
        if pos + 8 + length > len(data):
            raise ValueError("record of control %d at offset %d claims %d bytes, "
                             "past the end" % (control, pos, length))
        records.append((control, message, data[pos + 8:pos + 8 + length]))
        pos += 8 + length


def decode_version_node(data, pos):
    """One node of a version block: (key, value, children, end)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, pos)
    if length < 6:
        raise ValueError("version node at offset %d has length %d" % (pos, length))
    r = Reader(data, pos + 6)
    key = r.text()
    r.align(4)
    size = value_length * 2 if value_type == 1 else value_length
    value = data[r.pos:r.pos + size]
    r.pos += size
    end = pos + length
    children = []
    r.align(4)
    while r.pos < end:
        child = decode_version_node(data, r.pos)
        children.append(child)
        r.pos = child[3]
        r.align(4)
    return key, value, children, end


def dotted(most, least):
    return "%d.%d.%d.%d" % (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)


# --- Checks ------------------------------------------------------------------
class Checker:
    def __init__(self, image):
        self.image = image
        self.faults = []
        self.resources = image.resources()

    def fail(self, message):
        self.faults.append(message)

    def expect(self, what, actual, expected):
        if isinstance(expected, re.Pattern):
            if not isinstance(actual, str) or not expected.fullmatch(actual):
                self.fail("%s: %r does not match %s" % (what, actual, expected.pattern))
        elif actual != expected:
            fmt = "%s: 0x%08x, expected 0x%08x" if "style" in what else "%s: %r, expected %r"
            self.fail(fmt % (what, actual, expected))

    def resource(self, rtype, name, what):
        """The one language version of a resource; its language must be the
        manifest's for the manifest and Chinese (PRC) for all others."""
        languages = {k[2]: v for k, v in self.resources.items() if k[:2] == (rtype, name)}
        want = LANG_EN_US if rtype == RT_MANIFEST else LANG_ZH_CN
        if set(languages) != {want}:
            self.fail("%s: languages %s, expected only %d" % (what, sorted(languages), want))
        return languages.get(want)

    def header(self):
        img = self.image
        self.expect("machine", img.machine, 0x14C)
        self.expect("subsystem (2 = GUI)", img.subsystem, 2)
        if img.subsystem_version > (5, 0):
            self.fail("subsystem version %d.%d, expected at most 5.0" % img.subsystem_version)

    def imports(self):
        for name, functions in self.image.imports().items():
            if name.lower() not in IMPORT_ALLOWLIST:
                self.fail("imports from %s, which is not a Windows system DLL on the list"
                          % name)
                continue
            known = set(WINDOWS_2000_FUNCTIONS.get(name.lower(), "").split())
            for function in functions:
                if function not in known:
                    self.fail("imports %s!%s, not yet checked to exist on Windows 2000"
                              % (name, function))

    def languages(self):
        for rtype, name, lang in self.resources:
            if rtype != RT_MANIFEST and lang != LANG_ZH_CN:
                self.fail("resource type %s #%s has language %d, expected %d"
                          % (rtype, name, lang, LANG_ZH_CN))

    def dialogs(self):
        for want in DIALOGS:
            where = "dialog %d" % want.number
            data = self.resource(RT_DIALOG, want.number, where)
            if data is None:
                continue
            got = decode_dialog(data)
            self.expect(where + " kind", "DIALOGEX" if got.extended else "DIALOG",
                        "DIALOGEX" if want.extended else "DIALOG")
            self.expect(where + " style", got.style, want.style)
            self.expect(where + " extended style", got.exstyle, want.exstyle)
            self.expect(where + " position and size", got.rect, want.rect)
            self.expect(where + " menu", got.menu, None)
            self.expect(where + " window class", got.window_class, None)
            self.expect(where + " caption", got.caption, want.caption)
            self.expect(where + " font", got.font, want.font)
            self.expect(where + " number of controls", len(got.controls), len(want.controls))
            for row, (actual, expected) in enumerate(zip(got.controls, want.controls), 1):
                self.control("%s control #%d (id %d)" % (where, row, expected[0]),
                             actual, expected)

    def control(self, where, actual, expected):
        fields = ("id", "class", "text", "x", "y", "cx", "cy", "style", "extended style")
        for field, a, e in zip(fields, actual, expected):
            if field == "class":            # window classes ignore case
                a, e = a.casefold(), e.casefold()
            self.expect("%s %s" % (where, field), a, e)

    def dlginit(self):
        data = self.resource(RT_DLGINIT, 102, "initialisation data of dialog 102")
        if data is None:
            return
        items = {}
        for control, message, stored in decode_dlginit(data):
            where = "initialisation data of dialog 102, control %d" % control
            self.expect(where + " message", message, CB_ADDSTRING_16)
            if not stored.endswith(b"\0") or b"\0" in stored[:-1]:
                self.fail("%s: item %r is not one zero-terminated text" % (where, stored))
            items.setdefault(control, []).append(stored.rstrip(b"\0").decode("latin-1"))
        where = "initialisation data of dialog 102"
        self.expect(where + ", number of model entries (control 1011)",
                    len(items.pop(1011, [])), MODEL_PLACEHOLDERS)
        for control, want in DLGINIT_ITEMS.items():
            self.expect("%s, items of control %d" % (where, control),
                        items.pop(control, []), want)
        for control in items:
            self.fail("%s: items for control %d, which has none" % (where, control))

    def icon(self):
        groups = sorted({k[1] for k in self.resources if k[0] == RT_GROUP_ICON})
        self.expect("icon groups", groups, [ICON_GROUP])
        data = self.resource(RT_GROUP_ICON, ICON_GROUP, "icon group %d" % ICON_GROUP)
        if data is None:
            return
        _, kind, count = struct.unpack_from("<HHH", data, 0)
        self.expect("icon group type", kind, 1)
        images = []
        for i in range(count):
            width, height, colours, _, planes, bits, size, ident = struct.unpack_from(
                "<BBBBHHIH", data, 6 + 14 * i)
            where = "icon group %d image %dx%d" % (ICON_GROUP, width, height)
            self.expect(where + " colour count", colours, 16)
            image = self.resource(RT_ICON, ident, where + " (icon #%d)" % ident)
            if image is None:
                continue
            self.expect(where + " size in group", size, len(image))
            _, dib_width, dib_height, _, dib_bits = struct.unpack_from("<IiiHH", image, 0)
            self.expect(where + " bitmap size", (dib_width, dib_height),
                        (width, 2 * height))
            self.expect(where + " bitmap bits per pixel", dib_bits, bits)
            images.append((width if width == height else (width, height), dib_bits))
        self.expect("icon group %d images" % ICON_GROUP, images, ICON_IMAGES)

    def strings(self):
        for number, text in STRINGS.items():
            where = "string %d" % number
            block = self.resource(RT_STRING, number // 16 + 1, where + " (its block)")
            if block is None:
                continue
            r = Reader(block)
            for _ in range(number % 16):
                skipped = r.take("H")
                r.pos += 2 * skipped
            length = r.take("H")
            self.expect(where, block[r.pos:r.pos + 2 * length].decode("utf-16-le"), text)

    def manifest(self):
        data = self.resource(RT_MANIFEST, 1, "manifest")
        if data is None:
            return
        root = ET.fromstring(data)
        local = {}
        for element in root.iter():
            local.setdefault(element.tag.split("}")[-1], []).append(element)
        for banned in ("compatibility", "supportedOS"):
            if banned in local:
                self.fail("manifest declares %s" % banned)
        identity = [e for e in root if e.tag.endswith("}assemblyIdentity")]
        self.expect("manifest identity", [
            {k: e.get(k) for k in ("version", "processorArchitecture", "type")}
            for e in identity], [{"version": "1.0.0.0", "processorArchitecture": "X86",
                                  "type": "win32"}])
        self.expect("manifest execution level", [
            (e.get("level"), e.get("uiAccess")) for e in local.get("requestedExecutionLevel", [])],
            [("highestAvailable", "false")])
        dependencies = [
            {k: e.get(k) for k in ("type", "name", "version", "processorArchitecture",
                                   "publicKeyToken", "language")}
            for d in local.get("dependentAssembly", []) for e in d
            if e.tag.endswith("assemblyIdentity")]
        self.expect("manifest dependencies", dependencies, [{
            "type": "win32", "name": "Microsoft.Windows.Common-Controls",
            "version": "6.0.0.0", "processorArchitecture": "X86",
            "publicKeyToken": "6595b64144ccf1df", "language": "*"}])

    def version(self):
        data = self.resource(RT_VERSION, 1, "version block")
        if data is None:
            return
        key, fixed, children, _ = decode_version_node(data, 0)
        self.expect("version block key", key, "VS_VERSION_INFO")
        (signature, _, file_ms, file_ls, product_ms, product_ls, mask, flags, os_,
         ftype, _, _, _) = struct.unpack("<13I", fixed)
        self.expect("version block signature", signature, 0xFEEF04BD)
        self.expect("file version", dotted(file_ms, file_ls), "1.0.0.0")
        self.expect("product version", dotted(product_ms, product_ls), "1.0.0.0")
        self.expect("version flags mask", mask, 0x3F)
        self.expect("version flags", flags, 0)
        self.expect("version OS (VOS__WINDOWS32)", os_, 4)
        self.expect("version file type (VFT_APP)", ftype, 1)
        blocks = {child[0]: child for child in children}
        self.expect("version block sections", sorted(blocks), ["StringFileInfo", "VarFileInfo"])
        if "StringFileInfo" in blocks:
            tables = blocks["StringFileInfo"][2]
            self.expect("version string tables", [t[0] for t in tables], ["040904b0"])
            for table in tables[:1]:
                values = {k: v.decode("utf-16-le").rstrip("\0") for k, v, _, _ in table[2]}
                for name in sorted(set(VERSION_STRINGS) - set(values)):
                    self.fail("version string %s is missing" % name)
                for name in sorted(set(values) - set(VERSION_STRINGS)):
                    self.fail("version string %s is not a standard entry" % name)
                for name, want in VERSION_STRINGS.items():
                    if name in values:
                        self.expect("version string " + name, values[name], want)
        if "VarFileInfo" in blocks:
            translations = [(k, ["0x%04x/%d" % pair for pair in struct.iter_unpack("<HH", v)])
                            for k, v, _, _ in blocks["VarFileInfo"][2]]
            self.expect("version translation (language/code page)", translations,
                        [("Translation", ["0x0409/1200"])])

    def run(self):
        for check in (self.header, self.imports, self.languages, self.dialogs,
                      self.dlginit, self.icon, self.strings, self.manifest, self.version):
            try:
                check()
            except (ValueError, struct.error, ET.ParseError, UnicodeDecodeError) as e:
                self.fail("%s: cannot decode: %s" % (check.__name__, e))
        return self.faults


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    with open(argv[1], "rb") as f:
        data = f.read()
    try:
        checker = Checker(Image(data))
    except (ValueError, struct.error, UnicodeDecodeError) as e:
        print("%s: %s" % (argv[1], e))
        return 1
    faults = checker.run()
    for fault in faults:
        print("%s: %s" % (argv[1], fault))
    if not faults:
        print("%s: all checks passed" % argv[1])
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
