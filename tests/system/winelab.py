"""Runs the launcher under Wine against the stand-in runtime.

Shared by the demo and the end-to-end tests: a throwaway Wine prefix, the
runtime's registry association, a runtime folder with the stand-in
interpreter, one launcher run, and the stand-in's record of what it got.
Everything Wine starts writes to files, never to our pipes: wineserver and
the programs it starts outlive the call and would hold a pipe open.
"""

import os
import pathlib
import shutil
import subprocess
import time
import urllib.parse
import zlib


OPEN_COMMAND_KEY = r"HKCR\vorn_file\shell\open\command"
# Where the runtime is installed unless a case says otherwise, and the open
# command it registers; {dir} stands for its folder.
RUNTIME_FOLDER = r"C:\Program Files\Vorn Runtime" + "\\"
QUOTED_OPEN_COMMAND = '"{dir}tarvex.exe" "%1"'
TITLE_FOLDER = ("Partition", "Ulk", "Vek2demo")
PACKAGES = ("S1", "S2")
RECORD = "tarvex-record.txt"
START_PARAMETER = ("$ULK/VEK2DEMO/DEMO.vorn$%5fload+%22ulk%2fvek2demo%2fs1%2epkg%22"
                   "%0d%0ago%0d%0amain%0d%0a")


def package_summary(data):
    """Size and CRC-32, as the stand-in records them."""
    return "%d %08x" % (len(data), zlib.crc32(data))


class Prefix:
    """A Wine prefix of its own below |root|, with a wineserver kept alive."""

    def __init__(self, root):
        self.root = pathlib.Path(root).resolve()
        self.path = self.root / "prefix"
        self.logs = self.root / "logs"
        self.env = dict(os.environ, WINEPREFIX=str(self.path), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")
        self.env.pop("DISPLAY", None)
        self._runs = 0

    def create(self):
        self.logs.mkdir(parents=True, exist_ok=True)
        # Keeps the server up between runs, and lets it go a minute after the last.
        self._quiet(["wineserver", "-p60"])
        if not (self.path / "system.reg").exists():
            self._quiet(["wineboot", "-i"], timeout=300)
        self._quiet(["wineserver", "-w"], timeout=300)
        self._quiet(["wineserver", "-p60"])

    def close(self):
        self._quiet(["wineserver", "-k"])

    def unix_path(self, windows_path):
        """The Unix path of a folder on the prefix's C: drive."""
        assert windows_path[:3].upper() == "C:\\"
        return self.path.joinpath("drive_c", *[p for p in windows_path[3:].split("\\") if p])

    def install_runtime(self, standin):
        """The runtime in RUNTIME_FOLDER, registered with the quoted command;
        returns its Unix path."""
        runtime = make_runtime(self.unix_path(RUNTIME_FOLDER), standin)
        self.set_open_command(QUOTED_OPEN_COMMAND.format(dir=RUNTIME_FOLDER))
        return runtime

    @staticmethod
    def windows_path(unix_path):
        """How Wine's Z: drive names a Unix path."""
        return "Z:" + str(unix_path).replace("/", "\\")

    def set_open_command(self, value):
        rc, _, _ = self.run(["reg", "add", OPEN_COMMAND_KEY, "/ve", "/d", value, "/f"])
        if rc != 0:
            raise RuntimeError("could not register the open command")

    def remove_association(self):
        self.run(["reg", "delete", r"HKCR\vorn_file", "/f"])

    def run(self, args, cwd=None, debug=None, unprivileged=False, timeout=120):
        """Runs `wine ARGS...`; returns (status, stdout, stderr) as bytes.

        |unprivileged| drops root's power to ignore file permissions, for
        Wine and for a wineserver of its own (the server opens the files).
        """
        self._runs += 1
        out = self.logs / ("run%d.out" % self._runs)
        err = self.logs / ("run%d.err" % self._runs)
        env = dict(self.env)
        if debug:
            env["WINEDEBUG"] = debug
        command = ["wine"] + [str(a) for a in args]
        if unprivileged:
            command = ["setpriv", "--bounding-set=-dac_override,-dac_read_search"] + command
            self._quiet(["wineserver", "-k"])
        with open(out, "wb") as o, open(err, "wb") as e:
            rc = subprocess.run(command, cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=o, stderr=e,
                                timeout=timeout).returncode
        if unprivileged:
            # Let what it started finish, then bring back a normal server.
            self._quiet(["wineserver", "-w"])
            self._quiet(["wineserver", "-p60"])
        return rc, out.read_bytes(), err.read_bytes()

    def _quiet(self, args, timeout=60):
        with open(self.logs / "wine-setup.log", "ab") as log:
            subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                           timeout=timeout, check=False)


def make_runtime(folder, standin, title_folder=True, interpreter=True):
    """A runtime folder: the stand-in as tarvex.exe and an empty title folder."""
    folder = pathlib.Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    if interpreter:
        shutil.copyfile(standin, folder / "tarvex.exe")
    if title_folder:
        folder.joinpath(*TITLE_FOLDER).mkdir(parents=True, exist_ok=True)
    return folder


def wait_for_record(folder, seconds=30.0):
    """The stand-in's record in |folder| as {key: text}, or None if none came."""
    path = pathlib.Path(folder) / RECORD
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if path.exists():
            record = {}
            for line in path.read_bytes().decode("cp1252").split("\n"):
                key, sep, value = line.partition("=")
                if sep:
                    record[key] = value
            return record
        time.sleep(0.05)
    return None


def files_below(folder):
    """Every file and folder below |folder|, as relative POSIX paths."""
    folder = pathlib.Path(folder)
    return sorted(p.relative_to(folder).as_posix() for p in folder.rglob("*"))


def decode_parameter_lines(parameter):
    """The start parameter's script name and its percent-encoded lines."""
    _, script, encoded = parameter.split("$", 2)
    return script, urllib.parse.unquote_plus(encoded, encoding="cp1252").split("\r\n")[:-1]
