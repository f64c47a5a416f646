#!/usr/bin/env python3
"""End-to-end cases: the real x86-64 launcher under Wine, one case a row.

    launcher_e2e.py --list
    launcher_e2e.py --root DIR --setup | --cleanup
    launcher_e2e.py --root DIR --case NAME --builds BUILD_DIR --standin EXE

Every case runs the launcher once in a folder of its own and checks the exit
status, the packages, what the stand-in interpreter received, the debugger
output where asked, and that nothing else was left behind.
"""

import argparse
import dataclasses
import os
import pathlib
import re
import shutil
import sys

import pe_image
import winelab

DEFAULT_RUNTIME = winelab.RUNTIME_FOLDER


@dataclasses.dataclass
class Case:
    name: str
    # The registered open command, {dir} standing for the runtime folder;
    # None: not registered, and the runtime is the current folder.
    open_command: str = winelab.QUOTED_OPEN_COMMAND
    runtime: str = DEFAULT_RUNTIME
    title_folder: bool = True
    interpreter: bool = True
    old_packages: dict = dataclasses.field(default_factory=dict)  # name -> bytes there before
    read_only: tuple = ()  # packages whose old file is read-only
    locked_title_folder: bool = False  # title folder not writable, and root's override dropped
    args: tuple = ()
    build: str = "win64"
    # Texts expected on the debugger output, in order; None: not looked at.
    trace: list = None


CASES = [
    Case("registered_quoted_path_with_blank"),
    Case("registered_unquoted_path", open_command="{dir}tarvex.exe %1", runtime="C:\\Vorn\\"),
    Case("registered_path_then_open_switch", open_command='"{dir}tarvex.exe" /open "%1"',
         runtime="C:\\Vorn Rt\\"),
    Case("registered_non_ascii_folder", runtime="C:\\Program Files\\Ex\u00e9cutable V\u00f6rn\\"),
    Case("not_registered_uses_current_folder", open_command=None),
    Case("old_packages_replaced_exactly",
         old_packages={"S1": bytes(range(256)) * 40, "S2": b"old"}),
    Case("read_only_package_kept", old_packages={"S1": b"read-only old S1"}, read_only=("S1",)),
    Case("title_folder_missing", title_folder=False),
    Case("title_folder_not_writable", old_packages={"S1": b"old S1"}, locked_title_folder=True,
         build="win64-trace", trace=[
             "Package not written: the new file could not be written; the existing file is kept:",
             DEFAULT_RUNTIME + "Partition\\Ulk\\Vek2demo\\S1.PKG",
             "Package not written: the new file could not be written; the existing file is kept:",
             DEFAULT_RUNTIME + "Partition\\Ulk\\Vek2demo\\S2.PKG"]),
    Case("no_interpreter_traced", interpreter=False, build="win64-trace",
         trace=["The specified file was not found. "]),
    Case("no_interpreter_silent_by_default", interpreter=False, trace=[]),
    Case("command_line_ignored", args=("--help", "/open", "a b", "%1", "-DLAUNCHER_TRACE")),
]

DEBUG_STRING = re.compile(rb'^[0-9a-f]+:warn:debugstr:OutputDebugStringA "(.*)"$', re.M)
WINE_ESCAPE = re.compile(rb'\\(x[0-9a-fA-F]{2}|.)')
WINE_ESCAPED = {b"n": b"\n", b"r": b"\r", b"t": b"\t"}


def debug_strings(stderr):
    """The texts handed to OutputDebugStringA, as Wine escaped them undone."""
    def unescape(match):
        code = match.group(1)
        if code.startswith(b"x") and len(code) == 3:
            return bytes([int(code[1:], 16)])
        return WINE_ESCAPED.get(code, code)
    return [WINE_ESCAPE.sub(unescape, text).decode("cp1252") for text in DEBUG_STRING.findall(stderr)]


def check(condition, what):
    if not condition:
        raise AssertionError(what)


def expected_package(case, name, carried):
    """The bytes a package should hold after the run, or None for no file."""
    if not case.title_folder:
        return None
    if name in case.read_only or case.locked_title_folder:
        return case.old_packages.get(name)
    return carried[name]


def run_case(case, root, builds, standin):
    prefix = winelab.Prefix(root)
    base = prefix.root / "cases" / case.name
    shutil.rmtree(base, ignore_errors=True)
    cwd = base / "player's folder"
    cwd.mkdir(parents=True)
    launcher = pathlib.Path(builds).resolve() / case.build / "launcher.exe"
    carried = pe_image.carried_packages(launcher)
    check(sorted(carried) == list(winelab.PACKAGES), "launcher carries S1 and S2: %s" % sorted(carried))

    if case.open_command is None:
        runtime = cwd
        prefix.remove_association()
    else:
        runtime = prefix.unix_path(case.runtime)
        shutil.rmtree(runtime, ignore_errors=True)
        prefix.set_open_command(case.open_command.format(dir=case.runtime))
    winelab.make_runtime(runtime, standin, case.title_folder, case.interpreter)
    title = runtime.joinpath(*winelab.TITLE_FOLDER)
    for name, data in case.old_packages.items():
        (title / (name + ".PKG")).write_bytes(data)
    for name in case.read_only:
        os.chmod(title / (name + ".PKG"), 0o444)
    if case.locked_title_folder:
        os.chmod(title, 0o555)

    try:
        status, _, stderr = prefix.run([launcher, *case.args], cwd=cwd, unprivileged=case.locked_title_folder,
                                       debug="-all,+debugstr" if case.trace is not None else None)
    finally:
        if case.locked_title_folder:
            os.chmod(title, 0o755)
    check(status == 1, "exit status 1, got %d" % status)

    # The packages: the carried bytes, or the old read-only file as it was.
    expected_files = set()
    if case.interpreter:
        expected_files |= {"tarvex.exe", winelab.RECORD}
    if case.title_folder:
        expected_files |= {"Partition", "Partition/Ulk", "Partition/Ulk/Vek2demo"}
        for name in winelab.PACKAGES:
            path = title / (name + ".PKG")
            want = expected_package(case, name, carried)
            got = path.read_bytes() if path.exists() else None
            check(got == want, "%s holds %r..., want %r..." % (path, got and got[:20], want and want[:20]))
            if want is not None:
                expected_files.add("Partition/Ulk/Vek2demo/%s.PKG" % name)

    if case.interpreter:
        record = winelab.wait_for_record(runtime)
        check(record is not None, "the interpreter was started and wrote its record")
        check(record["parameter"] == winelab.START_PARAMETER,
              "parameter byte for byte, got %r" % record["parameter"])
        check(record["command_line"].endswith(" " + winelab.START_PARAMETER),
              "no quoting added around the parameter: %r" % record["command_line"])
        check(record["current_directory"].lower() == prefix.windows_path(cwd).lower(),
              "working directory is the launcher's: %r" % record["current_directory"])
        for name in winelab.PACKAGES:
            key = name + ".PKG"
            want = expected_package(case, name, carried)
            want = "missing" if want is None else winelab.package_summary(want)
            check(record[key] == want, "%s complete when started: %s, want %s" % (key, record[key], want))

    if case.trace is not None:
        traced = debug_strings(stderr)
        check(traced == case.trace, "debugger output %r, want %r" % (traced, case.trace))

    check(set(winelab.files_below(runtime)) == expected_files,
          "runtime folder holds only %s: %s" % (sorted(expected_files), winelab.files_below(runtime)))
    if runtime != cwd:
        check(winelab.files_below(cwd) == [], "nothing left in the current folder: %s" % winelab.files_below(cwd))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--root")
    parser.add_argument("--setup", action="store_true")
    parser.add_argument("--cleanup", action="store_true")
    parser.add_argument("--case")
    parser.add_argument("--builds", help="folder holding the win64 and win64-trace builds")
    parser.add_argument("--standin")
    options = parser.parse_args()

    if options.list:
        print(";".join(case.name for case in CASES), end="")
        return 0
    if options.setup:
        shutil.rmtree(options.root, ignore_errors=True)
        winelab.Prefix(options.root).create()
        return 0
    if options.cleanup:
        winelab.Prefix(options.root).close()
        return 0
    case = next(c for c in CASES if c.name == options.case)
    try:
        run_case(case, options.root, options.builds, options.standin)
    except AssertionError as failure:
        print("FAILED %s: %s" % (case.name, failure))
        return 1
    print("passed %s" % case.name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
