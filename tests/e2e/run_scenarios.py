#!/usr/bin/env python3
"""End-to-end scenarios: drives the real Setup.exe under Wine and checks what
it leaves behind in the driver directory, the spooler and the registry.

  run_scenarios.py [--build DIR] [--jobs N] [--only NAME ...] [--keep]
  run_scenarios.py --walkthrough --prefix DIR --shots DIR [--build DIR]

Each scenario gets a copy of one booted base prefix, a fresh installation
medium and an Xvfb display of its worker. uidriver.exe runs the scenario
file; every SCREENSHOT line it prints is answered with a picture of the
display in <build>/e2e/screenshots/<scenario>-<name>.png. Afterwards the
harness reads the spooler through spool_report.exe, the registry from the
prefix's own files, the debugger output from Wine's +debugstr channel and
the markers of the stub USB installers.

Prints one summary line per scenario and, last, "N passed, N failed,
N skipped"; exits 1 if any scenario failed.
"""
import argparse
import concurrent.futures
import os
import queue
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
SCRIPTS = os.path.join(ROOT, "scripts")
SCENARIOS = os.path.join(HERE, "scenarios")
WINE_RUN = os.path.join(SCRIPTS, "wine-run.sh")

ZH, EN = "zh_CN.UTF-8", "en_US.UTF-8"
SCENARIO_TIMEOUT = 240   # one uidriver run, seconds
TOOL_TIMEOUT = 90        # spool_report, wineserver -w
DRIVER_DIR = "drive_c/windows/system32/spool/drivers/w32x86"
DRIVER_FILES = ["VORNPR.DLL", None, "uniDRVui.DLL", "uniDRV.DLL", "UNIDRV.HLP",
                "UNIRES.DLL", "TTFSUB.GPD", "STDNAMES.GPD"]   # None: the model's GPD
WINE_PORTS = ["COM1:", "COM2:", "COM3:", "COM4:", "FILE:", "LPT1:", "LPT2:", "LPT3:"]
STUBS = {"x86": "USB Driver/x86/dpinstx86.exe", "x64": "USB Driver/x64/dpinstx64.exe",
         "old": "USBdriver/x86/dpinst.exe"}
WINDOWS_KEY = r"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows"
PORTS_KEY = r"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports"

ANY = object()  # a value that is not checked


def printer(model, port):
    return ("Vorn " + model, port, "Vorn " + model)


def driver(model):
    return ("Windows NT x86", "Vorn " + model, model + ".GPD")


def device(model, port):
    return "Vorn %s,winspool,%s" % (model, port)


# One row per scenario. Keys:
#   name, locale, script: what runs
#   skip: why the row cannot run on this machine (reported as SKIPPED)
#   ports_remove / ports_add: changes to Wine's port list before the run
#   drop_windows_key: remove the user's "Windows" key before the run
#   cwd: "medium" (the medium's root) or "elsewhere" (a folder without it)
#   files: model whose eight x86 files must be in the driver directory, or
#          None for none of them
#   drivers / printers: the Vorn drivers and printers the spooler must list
#   device: the Device value, None for absent, ANY for unchecked
#   ports_values: registry values of the Ports key that must hold these texts
#   ports_listed: how many port listings the debugger output must show
#   monitors: the debugger output must name the "Local Port" monitor
#   stubs: the USB installers that must have been started (others must not)
#   transcript: texts the uidriver transcript must contain
DEFAULT_ROW = dict(locale=ZH, skip=None, ports_remove=(), ports_add=(), drop_windows_key=False,
                   cwd="medium", files=None, drivers=(), printers=(), device=None,
                   ports_values={}, ports_listed=0, monitors=False, stubs=(), transcript=())

ROWS = [
    dict(name="baseline-bare-dialog", script="bare_dialog.txt", transcript_only=True),
    dict(name="install-q41", script="install_q41.txt", files="Q41",
         drivers=[driver("Q41")], printers=[printer("Q41", "LPT1:")], device=device("Q41", "LPT1:"),
         ports_values={"COM1:": "9600,n,8,1"}, ports_listed=1),
    dict(name="install-q47-serial-mark", script="install_q47_serial.txt", files="Q47",
         drivers=[driver("Q47")], printers=[printer("Q47", "COM2:")], device=device("Q47", "COM2:"),
         ports_values={"COM1:": "9600,M,7,2,x"}, ports_listed=1),
    dict(name="install-ql520", script="install_ql520.txt", files="QL520",
         drivers=[driver("QL520")], printers=[printer("QL520", "LPT1:")], device=device("QL520", "LPT1:"),
         ports_listed=1),
    dict(name="install-wow64-x64", script="install_q41.txt",
         skip="needs a 64-bit Wine prefix (IsWow64 true, x64 files, \"Windows x64\" driver); "
              "this machine runs only 32-bit Wine under qemu-i386"),
    dict(name="no-default-printer", script="no_default.txt", files="Q41",
         drivers=[driver("Q41")], printers=[printer("Q41", "LPT1:")], device=None),
    dict(name="reinstall-same-model", script="reinstall.txt", files="Q47",
         drivers=[driver("Q47")], printers=[printer("Q47", "LPT1:")], device=device("Q47", "LPT1:"),
         ports_listed=2, transcript=["second installation"]),
    dict(name="back-and-next", script="back_next.txt"),
    dict(name="page-exits", script="page_exits.txt"),
    dict(name="port-page-leave", script="port_leave.txt", ports_listed=5),
    dict(name="ports-default-create-configure", script="ports_default.txt", files="Q41",
         drivers=[driver("Q41")], printers=[printer("Q41", "LPT1:")], device=device("Q41", "LPT1:"),
         ports_values={"t9": ""}, ports_listed=3, monitors=True),
    dict(name="ports-lpt1-row0", script="ports_lpt1_first.txt",
         ports_remove=["COM1:", "COM2:", "COM3:", "COM4:", "FILE:"], files="Q41",
         drivers=[driver("Q41")], printers=[printer("Q41", "LPT1:")], device=device("Q41", "LPT1:"),
         ports_listed=1),
    dict(name="ports-only-file", script="ports_only_file.txt", ports_remove=["LPT1:", "COM1:"],
         ports_listed=1),
    dict(name="ports-com12", script="ports_com12.txt", ports_remove=["LPT1:", "COM1:"],
         ports_add=["AUX:", "COM12:"], files="Q41", drivers=[driver("Q41")],
         printers=[printer("Q41", "FILE:")], device=device("Q41", "FILE:"), ports_listed=1),
    dict(name="ports-none-preselected", script="ports_no_match.txt",
         ports_remove=["LPT1:", "COM1:", "FILE:"], files="Q41", drivers=[driver("Q41")],
         printers=[printer("Q41", "LPT2:")], device=device("Q41", "LPT2:"), ports_listed=1),
    dict(name="ports-300", script="ports_300.txt", ports_add=["A%03d:" % i for i in range(300)],
         files="Q41", drivers=[driver("Q41")], printers=[printer("Q41", "LPT1:")],
         device=device("Q41", "LPT1:"), ports_listed=1),
    # Wine difference: Wine's spooler registers a driver whose files are not in
    # the driver directory (Windows refuses), and then adds the printer too;
    # the program still names the failed copies.
    dict(name="missing-medium-files", script="missing_files.txt", cwd="elsewhere", files=None,
         drivers=ANY, printers=ANY, device=ANY, ports_listed=1, transcript=["A driver file could not be copied"]),
    # Windows always has this key; the base prefix gets it (see make_base),
    # and this row takes it away again.
    dict(name="missing-windows-key-en", script="missing_windows_key.txt", locale=EN,
         drop_windows_key=True, files="Q41", drivers=[driver("Q41")],
         printers=[printer("Q41", "LPT1:")], device=None, ports_listed=1,
         transcript=["The default printer could not be set"]),
    # Wine difference: Wine cannot be made to refuse RegSetValueExA on a key
    # that RegOpenKeyExA opened with KEY_SET_VALUE (a denying DACL makes the
    # open fail, which is the missing-key row). So the box is shown by a probe
    # that makes the installation's own call, under an English code page
    # where an 8-bit Chinese text would come out wrong.
    dict(name="registry-error-wide-box-en", script="registry_box.txt", locale=EN, transcript_only=True),
    dict(name="usb-installer-buttons", script="usb_buttons.txt", stubs=["x86", "old"]),
    dict(name="about-zh", script="about.txt"),
    dict(name="about-en", script="about_en.txt", locale=EN),
]


class Failures(list):
    def check(self, ok, message):
        if not ok:
            self.append(message)
        return ok


# --- running things ----------------------------------------------------------

def wine(args, env, cwd=None, timeout=TOOL_TIMEOUT, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL):
    return subprocess.run([WINE_RUN] + args, env=env, cwd=cwd, timeout=timeout,
                          stdout=stdout, stderr=stderr)


def end_wine(env):
    """Waits for the prefix's wineserver to end (it saves the registry then);
    kills it and its processes if they linger."""
    try:
        wine(["wineserver", "-w"], env, timeout=TOOL_TIMEOUT)
        return True
    except subprocess.TimeoutExpired:
        subprocess.run([WINE_RUN, "wineserver", "-k"], env=env, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return False


def start_xvfb():
    read_end, write_end = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.time() + 30
    while not number.endswith(b"\n") and time.time() < deadline:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        proc.kill()
        raise RuntimeError("Xvfb did not start")
    return proc, ":" + number.decode().strip()


def base_env(prefix, display, locale):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEARCH="win32", DISPLAY=display, LANG=locale, LC_ALL=locale,
               WINEDEBUG="+debugstr")
    env.pop("LANGUAGE", None)
    return env


# --- the prefix's registry files ----------------------------------------------

def reg_section_bounds(lines, key):
    header = "[" + key + "]"
    for i, line in enumerate(lines):
        if line.startswith(header + " ") or line == header:
            end = i + 1
            while end < len(lines) and lines[end].strip():
                end += 1
            return i, end
    return None


def reg_unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            if nxt == "x":
                m = re.match(r"[0-9a-fA-F]{1,4}", text[i + 2:])
                out.append(chr(int(m.group(0), 16)))
                i += 2 + len(m.group(0))
                continue
            out.append({"n": "\n", "r": "\r", "t": "\t", "0": "\0"}.get(nxt, nxt))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


VALUE_RE = re.compile(r'^"((?:[^"\\]|\\.)*)"=(?:str\(\d\):)?"((?:[^"\\]|\\.)*)"$')


def reg_values(path, key):
    """String values of one key of a Wine registry file, or None without the key."""
    with open(path, encoding="utf-8", errors="replace") as f:
        lines = f.read().split("\n")
    bounds = reg_section_bounds(lines, key)
    if bounds is None:
        return None
    values = {}
    for line in lines[bounds[0] + 1:bounds[1]]:
        m = VALUE_RE.match(line)
        if m:
            values[reg_unescape(m.group(1))] = reg_unescape(m.group(2))
    return values


def edit_reg(path, key, remove_values=(), add_values=(), drop_key=False):
    with open(path, encoding="utf-8", errors="surrogateescape") as f:
        lines = f.read().split("\n")
    bounds = reg_section_bounds(lines, key)
    if bounds is None:
        raise RuntimeError("no key %s in %s" % (key, path))
    start, end = bounds
    if drop_key:
        del lines[start:end + 1]
    else:
        body = [l for l in lines[start + 1:end]
                if not any(l.startswith('"%s"=' % name) for name in remove_values)]
        body += ['"%s"=""' % name for name in add_values]
        lines[start + 1:end] = body
    with open(path, "w", encoding="utf-8", errors="surrogateescape") as f:
        f.write("\n".join(lines))


def wine_order(names):
    # wineserver keeps a key's values sorted by name, case-insensitively, and
    # the local port monitor lists them in that order.
    return sorted(names, key=lambda n: n.upper())


# --- one scenario --------------------------------------------------------------

class Context:
    def __init__(self, args, work, base, bins, shots):
        self.args, self.work, self.base, self.bins, self.shots = args, work, base, bins, shots
        self.times = {}
        self.lock = threading.Lock()


def run_driver(ctx, row, env, script, cwd, shot_dir, transcript_path, errors_path):
    """Runs uidriver on one scenario file, answering its screenshot requests.
    Returns (exit status or None on timeout, transcript lines)."""
    lines = []
    with open(errors_path, "wb") as errors:
        proc = subprocess.Popen([WINE_RUN, "wine", ctx.bins["uidriver"], script], env=env, cwd=cwd,
                                stdout=subprocess.PIPE, stderr=errors, start_new_session=True)
        out = queue.Queue()

        def reader():
            for raw in proc.stdout:
                out.put(raw.decode("utf-8", "replace").rstrip("\r\n"))
            out.put(None)

        threading.Thread(target=reader, daemon=True).start()
        deadline = time.time() + SCENARIO_TIMEOUT
        finished = False
        while time.time() < deadline:
            try:
                line = out.get(timeout=1)
            except queue.Empty:
                continue
            if line is None:
                finished = True
                break
            lines.append(line)
            if line.startswith("SCREENSHOT "):
                name = line.split(" ", 1)[1]
                png = os.path.join(ctx.shots, "%s-%s.png" % (row["name"], name))
                subprocess.run(["import", "-display", env["DISPLAY"], "-window", "root", png],
                               timeout=60, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                open(os.path.join(shot_dir, name + ".done"), "w").close()
        if not finished:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            # The program may sit in a modal dialog; end every process of the prefix.
            subprocess.run([WINE_RUN, "wineserver", "-k"], env=env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            proc.wait(timeout=30)
            with open(transcript_path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\nharness: timed out after %d s\n" % SCENARIO_TIMEOUT)
            return None, lines
        proc.wait(timeout=30)
    with open(transcript_path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    return proc.returncode, lines


def spool_report(ctx, env, cwd):
    env = dict(env, WINEDEBUG="-all")
    result = wine(["wine", ctx.bins["spool_report"]], env, cwd=cwd)
    report = {"driver": [], "printer": [], "default": []}
    for line in result.stdout.decode("utf-8", "replace").splitlines():
        parts = line.strip().split("|")
        if parts[0] in report:
            report[parts[0]].append(tuple(parts[1:]))
    return report


def debug_lines(errors_path):
    with open(errors_path, encoding="utf-8", errors="replace") as f:
        return re.findall(r'OutputDebugStringA "(.*?)\\n"', f.read())


def check_row(row, fail, transcript, status, report, prefix, medium, ports, debug):
    name = row["name"]
    fail.check(status == 0, "%s: uidriver %s (see the transcript)" %
               (name, "timed out" if status is None else "ended with status %s" % status))
    for line in transcript:
        if line.startswith("FAIL:") or line.startswith("RESULT: STOPPED"):
            fail.append("%s: %s" % (name, line))
    text = "\n".join(transcript)
    for wanted in row["transcript"]:
        fail.check(wanted in text, "%s: the transcript lacks %r" % (name, wanted))
    if row.get("transcript_only"):
        return

    # Driver directory: the program copies the x86 files of the model there.
    directory = os.path.join(prefix, DRIVER_DIR)
    present = set(os.listdir(directory)) if os.path.isdir(directory) else set()
    if row["files"]:
        for f in DRIVER_FILES:
            f = f or row["files"] + ".GPD"
            path = os.path.join(directory, f)
            if fail.check(f in present, "%s: %s not in the driver directory" % (name, f)):
                with open(path, encoding="utf-8", errors="replace") as h:
                    content = h.read()
                fail.check("x86\\" + f in content, "%s: %s is not the medium's x86 file: %r" %
                           (name, f, content.strip()))
    else:
        copied = sorted(present & set(DRIVER_FILES[:1] + DRIVER_FILES[2:]))
        fail.check(not copied, "%s: driver files copied: %s" % (name, copied))

    # Spooler.
    drivers = sorted(d for d in report["driver"] if d[1].startswith("Vorn "))
    drivers = [(env, n, data.rsplit("\\", 1)[-1]) for env, n, data in drivers]
    if row["drivers"] is not ANY:
        fail.check(drivers == sorted(row["drivers"]), "%s: drivers expected %s got %s" %
                   (name, sorted(row["drivers"]), drivers))
    printers = sorted(p for p in report["printer"] if p[0].startswith("Vorn "))
    if row["printers"] is not ANY:
        fail.check(printers == sorted(row["printers"]), "%s: printers expected %s got %s" %
                   (name, sorted(row["printers"]), printers))

    # Registry: the program's own Device text ("winspool", where Wine's own
    # SetDefaultPrinter would write "wineps.drv").
    windows = reg_values(os.path.join(prefix, "user.reg"), WINDOWS_KEY) or {}
    if row["device"] is not ANY:
        got = windows.get("Device")
        fail.check(got == row["device"], "%s: Device expected %r got %r" % (name, row["device"], got))
    port_values = reg_values(os.path.join(prefix, "system.reg"), PORTS_KEY) or {}
    for value, text in row["ports_values"].items():
        fail.check(port_values.get(value) == text, "%s: Ports value %s expected %r got %r" %
                   (name, value, text, port_values.get(value)))

    # Debugger output: every listing writes each port name, in list order.
    if row["ports_listed"]:
        listing = [d for d in debug if d != "Local Port"]
        first = listing[:len(ports)]
        fail.check(first == ports, "%s: debugger output of the first listing expected %d names "
                   "%s... got %d %s..." % (name, len(ports), ports[:3], len(first), first[:3]))
        fail.check(len(listing) >= row["ports_listed"] * len(ports),
                   "%s: debugger output holds %d port names, expected at least %d listings of %d" %
                   (name, len(listing), row["ports_listed"], len(ports)))
    if row["monitors"]:
        fail.check("Local Port" in debug, "%s: the monitor \"Local Port\" is not in the debugger output"
                   % name)

    # Stub USB installers.
    for arch, path in STUBS.items():
        started = os.path.exists(os.path.join(medium, path + ".started"))
        fail.check(started == (arch in row["stubs"]), "%s: USB installer %s %s" %
                   (name, path, "was started" if started else "was not started"))


def run_row(ctx, row, display):
    name = row["name"]
    fail = Failures()
    slot = os.path.join(ctx.work, name)
    prefix, medium = os.path.join(slot, "prefix"), os.path.join(slot, "medium")
    shot_dir, elsewhere = os.path.join(slot, "shots"), os.path.join(slot, "elsewhere")
    for d in (slot, shot_dir, elsewhere):
        os.makedirs(d, exist_ok=True)
    subprocess.run(["cp", "-a", ctx.base, prefix], check=True)
    system_reg = os.path.join(prefix, "system.reg")
    if row["ports_remove"] or row["ports_add"]:
        edit_reg(system_reg, PORTS_KEY, row["ports_remove"], row["ports_add"])
    if row["drop_windows_key"]:
        edit_reg(os.path.join(prefix, "user.reg"), WINDOWS_KEY, drop_key=True)
    ports = wine_order(reg_values(system_reg, PORTS_KEY).keys())
    subprocess.run([os.path.join(SCRIPTS, "make-medium.sh"), medium, ctx.bins["Setup"],
                    ctx.bins["stub_installer"]], check=True, stdout=subprocess.DEVNULL)
    cwd = medium if row["cwd"] == "medium" else elsewhere
    env = base_env(prefix, display, row["locale"])
    env.update(SETUP_EXE=os.path.join(medium, "Setup.exe"), SETUP_MEDIUM=medium, SETUP_CWD=cwd,
               BARE_EXE=ctx.bins["bare_dialog"], PROBE_EXE=ctx.bins["registry_message_probe"],
               UIDRIVER_SHOT_DIR=shot_dir)
    transcript_path = os.path.join(ctx.logs, name + ".txt")
    errors_path = os.path.join(ctx.logs, name + ".stderr.txt")
    try:
        status, transcript = run_driver(ctx, row, env, os.path.join(SCENARIOS, row["script"]), cwd,
                                        shot_dir, transcript_path, errors_path)
        report = {"driver": [], "printer": [], "default": []}
        if status is not None and not row.get("transcript_only"):
            report = spool_report(ctx, env, cwd)
        fail.check(end_wine(env), "%s: Wine processes still running after %d s, killed" %
                   (name, TOOL_TIMEOUT))
        check_row(row, fail, transcript, status, report, prefix, medium, ports, debug_lines(errors_path))
        marks = {m.group(1): int(m.group(2)) for m in
                 (re.match(r"TIME (\S+) (\d+) ms", l) for l in transcript) if m}
        with ctx.lock:
            ctx.times[name] = marks
    except Exception as error:  # a broken harness step fails the row, not the run
        fail.append("%s: %s: %s" % (name, type(error).__name__, error))
        try:
            subprocess.run([WINE_RUN, "wineserver", "-k"], env=env, timeout=30,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except Exception:
            pass
    if not ctx.args.keep:
        shutil.rmtree(slot, ignore_errors=True)
    return fail


# --- the base prefix -------------------------------------------------------------

def make_base(ctx):
    subprocess.run([os.path.join(SCRIPTS, "wine-prefix.sh"), ctx.base], check=True, timeout=300)
    # Wine difference: a new Wine prefix lacks HKCU\...\Windows NT\CurrentVersion
    # \Windows, which every Windows has (it holds the default printer) and which
    # the program opens but never creates. wine-prefix.sh creates it; make sure.
    if reg_values(os.path.join(ctx.base, "user.reg"), WINDOWS_KEY) is None:
        raise RuntimeError("the base prefix has no user key %s" % WINDOWS_KEY)
    ports = wine_order(reg_values(os.path.join(ctx.base, "system.reg"), PORTS_KEY).keys())
    if ports != WINE_PORTS:
        raise RuntimeError("Wine's ports are %s, the scenarios expect %s" % (ports, WINE_PORTS))


def copy_programs(build, bin_dir):
    bins = {}
    for program in ("Setup", "uidriver", "spool_report", "stub_installer", "bare_dialog",
                    "registry_message_probe"):
        source = os.path.join(build, program + ".exe")
        if not os.path.exists(source):
            sys.exit("run_scenarios: %s is missing; build the Windows programs first" % source)
        bins[program] = os.path.join(bin_dir, program + ".exe")
        shutil.copy2(source, bins[program])
    return bins


def print_measurements(times):
    def median(values):
        values = sorted(values)
        return values[len(values) // 2] if values else None

    launch = median([m["first-page"] for n, m in times.items()
                     if "first-page" in m and n != "baseline-bare-dialog"])
    install = median([m["completed"] - m["install-pressed"] for m in times.values()
                      if "completed" in m and "install-pressed" in m])
    bare = times.get("baseline-bare-dialog", {}).get("first-page")
    print("\nMeasurements (medians over the scenarios, not checked):")
    print("  launch -> first dialog, Setup.exe:        %s ms" % launch)
    print("  launch -> first dialog, bare dialog:      %s ms" % bare)
    if launch and bare:
        print("  ratio Setup.exe / bare dialog:            %.2f" % (launch / bare))
    print("  Install pressed -> final message:         %s ms" % install)


def run_suite(args):
    build = os.path.abspath(args.build)
    shots = os.path.join(build, "e2e", "screenshots")
    logs = os.path.join(build, "e2e", "logs")
    for d in (shots, logs):
        shutil.rmtree(d, ignore_errors=True)
        os.makedirs(d)
    # /tmp is shared with the Wine chroot, the build folder may not be.
    work = tempfile.mkdtemp(prefix="vorn-e2e-", dir="/tmp")
    bins = copy_programs(build, os.path.join(work, ""))
    ctx = Context(args, work, os.path.join(work, "base"), bins, shots)
    ctx.logs = logs
    rows = [dict(DEFAULT_ROW, **r) for r in ROWS]
    if args.only:
        rows = [r for r in rows if r["name"] in args.only]
    began = time.time()
    xservers = []
    results = {}
    try:
        make_base(ctx)
        displays = queue.Queue()
        for _ in range(max(1, args.jobs)):
            proc, display = start_xvfb()
            xservers.append(proc)
            displays.put(display)

        def job(row):
            if row["skip"]:
                return row, "SKIPPED", [row["skip"]], 0.0
            display = displays.get()
            started = time.time()
            try:
                fail = run_row(ctx, row, display)
            finally:
                displays.put(display)
            return row, "FAILED" if fail else "PASSED", list(fail), time.time() - started

        with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
            for row, verdict, notes, seconds in pool.map(job, rows):
                results[row["name"]] = (verdict, notes, seconds)
                print("%-32s %-6s %-8s %5.1f s" % (row["name"], row["locale"][:5], verdict, seconds),
                      flush=True)
                if verdict != "PASSED":
                    for note in notes:
                        print("    " + note.replace("\n", "\n    "), flush=True)
    finally:
        for proc in xservers:
            proc.terminate()
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)

    print("\nScenario                         Locale Result   Time")
    for row in rows:
        verdict, notes, seconds = results.get(row["name"], ("FAILED", ["did not run"], 0.0))
        print("%-32s %-6s %-8s %5.1f s%s" % (row["name"], row["locale"][:5], verdict, seconds,
                                             ("  (" + notes[0] + ")") if verdict == "SKIPPED" else ""))
    print_measurements(ctx.times)
    print("Suite time: %.0f s; screenshots in %s, transcripts in %s" % (time.time() - began, shots, logs))
    counts = {v: sum(1 for r in results.values() if r[0] == v) for v in ("PASSED", "FAILED", "SKIPPED")}
    counts["FAILED"] += len(rows) - len(results)
    print("%d passed, %d failed, %d skipped" % (counts["PASSED"], counts["FAILED"], counts["SKIPPED"]))
    return 1 if counts["FAILED"] else 0


def run_walkthrough(args):
    build = os.path.abspath(args.build)
    prefix, shots = os.path.abspath(args.prefix), os.path.abspath(args.shots)
    os.makedirs(shots, exist_ok=True)
    subprocess.run([os.path.join(SCRIPTS, "wine-prefix.sh"), prefix], check=True, timeout=300)
    work = tempfile.mkdtemp(prefix="vorn-walkthrough-", dir="/tmp")
    bins = copy_programs(build, os.path.join(work, ""))
    medium, shot_dir = os.path.join(work, "medium"), os.path.join(work, "shots")
    os.makedirs(shot_dir)
    subprocess.run([os.path.join(SCRIPTS, "make-medium.sh"), medium, bins["Setup"],
                    bins["stub_installer"]], check=True, stdout=subprocess.DEVNULL)
    xvfb, display = start_xvfb()
    ctx = Context(args, work, prefix, bins, shots)
    ctx.logs = work
    try:
        env = base_env(prefix, display, ZH)
        env.update(SETUP_EXE=os.path.join(medium, "Setup.exe"), SETUP_MEDIUM=medium, SETUP_CWD=medium,
                   BARE_EXE=bins["bare_dialog"], UIDRIVER_SHOT_DIR=shot_dir)
        status, transcript = run_driver(ctx, {"name": "walkthrough"}, env,
                                        os.path.join(SCENARIOS, "walkthrough.txt"), medium, shot_dir,
                                        os.path.join(work, "transcript.txt"), os.path.join(work, "err.txt"))
        print("\n".join(transcript))
        report = wine(["wine", bins["spool_report"]], dict(env, WINEDEBUG="-all"), cwd=medium)
        end_wine(env)
    finally:
        xvfb.terminate()
        xvfb.wait(timeout=10)
    print("\nSpooler:")
    print(report.stdout.decode("utf-8", "replace").rstrip())
    windows = reg_values(os.path.join(prefix, "user.reg"), WINDOWS_KEY) or {}
    print("Device: %s" % windows.get("Device", "(not set)"))
    print("Screenshots in %s" % shots)
    shutil.rmtree(work, ignore_errors=True)
    return 0 if status == 0 else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "win32"),
                        help="folder of the built Windows programs")
    parser.add_argument("--jobs", type=int, default=2, help="scenarios run side by side")
    parser.add_argument("--only", nargs="*", help="run only these scenarios")
    parser.add_argument("--keep", action="store_true", help="keep the prefixes and media")
    parser.add_argument("--walkthrough", action="store_true", help="run walkthrough.txt once")
    parser.add_argument("--prefix", help="walkthrough: the persistent prefix")
    parser.add_argument("--shots", help="walkthrough: folder for the screenshots")
    args = parser.parse_args()
    if args.walkthrough:
        if not args.prefix or not args.shots:
            parser.error("--walkthrough needs --prefix and --shots")
        return run_walkthrough(args)
    return run_suite(args)


if __name__ == "__main__":
    sys.exit(main())
