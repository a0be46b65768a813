# SPDX-License-Identifier: GPL-3.0-or-later
"""A throwaway desktop for Dipo and a screen reader: Xvfb, openbox, a private D-Bus session
with its AT-SPI bus, the program on xcb with accessibility on, and Orca with speech off
writing what it would say to its debug log. Everything runs in a temporary folder and is
ended, with all its children, when the stack is closed."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TOOLS = {
    "Xvfb": "xvfb",
    "openbox": "openbox",
    "dbus-daemon": "dbus",
    "orca": "orca",
    "xdotool": "xdotool",
    "xprop": "x11-utils",
}
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Missing(Exception):
    pass


def check_tools():
    missing = [f"{tool} (Debian package {package})" for tool, package in TOOLS.items()
               if shutil.which(tool) is None]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(f"{BUS_LAUNCHER} (Debian package at-spi2-core)")
    try:
        import gi  # noqa: F401
        import importlib.util
        if importlib.util.find_spec("pyatspi") is None:
            missing.append("pyatspi (Debian package python3-pyatspi)")
    except ImportError:
        missing.append("gi (Debian package python3-gi)")
    if missing:
        raise Missing("missing: " + ", ".join(missing) + "; run scripts/setup.sh")


ORCA_SETTINGS = """{
    "general": {"enableSpeech": false, "enableBraille": false, "enableSound": false,
                "enableTutorialMessages": false, "enableMnemonicSpeaking": false,
                "speakProgressBarUpdates": false, "presentToolTips": false,
                "debugMode": true},
    "keybindings": {}, "profiles": {"default": {"profile": ["Default", "default"]}},
    "pronunciations": {}
}
"""


class Stack:
    def __init__(self, program, args=(), size="1366x768"):
        check_tools()
        self.folder = tempfile.mkdtemp(prefix="dipo-orca-")
        self.processes = []
        self.program = program
        self.args = list(args)
        self.size = size
        self.env = dict(os.environ)
        for name in ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                     "XDG_RUNTIME_DIR"):
            path = os.path.join(self.folder, name.lower())
            os.makedirs(path, mode=0o700)
            self.env[name] = path
        for name in ("WAYLAND_DISPLAY", "SESSION_MANAGER", "AT_SPI_BUS_ADDRESS"):
            self.env.pop(name, None)
        self.env["NO_AT_BRIDGE"] = "0"
        self.env["GTK_MODULES"] = ""
        self.orca_log = os.path.join(self.folder, "orca.log")

    def _start(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, stdin=subprocess.DEVNULL,
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start(self):
        # The X server picks a free display and tells which.
        read, write = os.pipe()
        self._start(["Xvfb", "-displayfd", str(write), "-screen", "0", self.size + "x24",
                     "-nolisten", "tcp", "-noreset"], pass_fds=(write,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        bus = self._start(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                           "--nopidfile"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=True)
        address = bus.stdout.readline().strip()
        if not address:
            raise RuntimeError("dbus-daemon did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        self._start([BUS_LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        self._start(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._wait_for_window_manager()
        self._wait_for_a11y_bus()

    def start_program(self, extra_env=None):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", LANG="id_ID.UTF-8", **(extra_env or {}))
        self.app = subprocess.Popen([self.program] + self.args, env=env,
                                    stdin=subprocess.DEVNULL, start_new_session=True,
                                    stdout=open(os.path.join(self.folder, "dipo.out"), "w"),
                                    stderr=subprocess.STDOUT)
        self.processes.append(self.app)

    def stop_program(self):
        """Ends the program, so that the next start_program() begins afresh."""
        if self.app.poll() is None:
            os.killpg(self.app.pid, signal.SIGTERM)
            try:
                self.app.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.app.pid, signal.SIGKILL)
                self.app.wait(5)

    def _wait_for_window_manager(self):
        """Openbox manages the screen once it says it keeps _NET_ACTIVE_WINDOW; a window
        shown before that would never be activated."""
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            result = subprocess.run(["xdotool", "getactivewindow"], env=self.env,
                                    capture_output=True, text=True, timeout=30)
            if "not to support" not in result.stderr:
                return
            time.sleep(0.1)
        raise RuntimeError("openbox did not take the screen (no _NET_ACTIVE_WINDOW)")

    def _wait_for_a11y_bus(self):
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            result = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, timeout=5)
            if result.returncode == 0:
                return
            time.sleep(0.2)
        raise RuntimeError("the AT-SPI bus did not start")

    def start_orca(self):
        prefs = os.path.join(self.folder, "orca-prefs")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "user-settings.conf"), "w") as settings:
            settings.write(ORCA_SETTINGS)
        launcher = os.path.join(os.path.dirname(os.path.abspath(__file__)), "orca_launcher.py")
        self.orca = self._start([sys.executable, launcher, shutil.which("orca"),
                                 "--user-prefs", prefs, "--disable", "speech",
                                 "--debug-file", self.orca_log],
                                stdout=open(os.path.join(self.folder, "orca.out"), "w"),
                                stderr=subprocess.STDOUT)

    def wait_orca_ready(self, timeout):
        """Orca listens once it has registered its listeners and says it starts the
        registry, the loop that takes the events."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if any("ORCA: Starting registry" in line for line in self.orca_lines()):
                return True
            if self.orca.poll() is not None:
                return False
            time.sleep(0.2)
        return False

    def orca_lines(self):
        try:
            with open(self.orca_log, encoding="utf-8", errors="replace") as log:
                return log.read().splitlines()
        except FileNotFoundError:
            return []

    def key(self, *keys, type_text=None):
        if type_text is not None:
            subprocess.run(["xdotool", "type", "--delay", "60", type_text], env=self.env,
                           timeout=30, check=True)
        if keys:
            subprocess.run(["xdotool", "key", "--delay", "80"] + list(keys), env=self.env,
                           timeout=30, check=True)

    def active_x_window(self):
        """The window manager's active window (_NET_ACTIVE_WINDOW) when the X input focus
        is on it too, as (id, process id, width, height); None while they differ."""
        def ask(*argv):
            result = subprocess.run(["xdotool"] + list(argv), env=self.env,
                                    capture_output=True, text=True, timeout=30)
            return result.stdout.strip() if result.returncode == 0 else ""

        active = ask("getactivewindow")
        if not active or active != ask("getwindowfocus"):
            return None
        pid = ask("getwindowpid", active)
        shape = dict(line.split("=", 1) for line in ask("getwindowgeometry", "--shell",
                                                         active).splitlines() if "=" in line)
        try:
            return (int(active), int(pid or 0), int(shape["WIDTH"]), int(shape["HEIGHT"]))
        except (KeyError, ValueError):
            return None

    def xprop(self, *argv):
        result = subprocess.run(["xprop"] + list(argv), env=self.env, capture_output=True,
                                text=True, timeout=30)
        return result.stdout if result.returncode == 0 else ""

    def stacking(self):
        """The client windows bottom to top, as the window manager stacks them
        (_NET_CLIENT_LIST_STACKING)."""
        found = self.xprop("-root", "_NET_CLIENT_LIST_STACKING").partition("#")[2]
        return [int(w.strip(), 16) for w in found.split(",") if w.strip()]

    def transient_for(self, window):
        """The window this one is transient for (WM_TRANSIENT_FOR), or None."""
        found = self.xprop("-id", str(window), "WM_TRANSIENT_FOR").partition("#")[2].strip()
        return int(found, 16) if found else None

    def window_title(self, window):
        found = self.xprop("-id", str(window), "_NET_WM_NAME").partition("=")[2].strip()
        return found[1:-1] if found.startswith('"') else found

    def screenshot(self, path):
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.env, timeout=30)

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 5
        for process in self.processes:
            try:
                process.wait(max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait(5)
        if os.environ.get("DIPO_KEEP_ORCA_FOLDER") != "1":
            shutil.rmtree(self.folder, ignore_errors=True)
        else:
            print("kept", self.folder, file=sys.stderr)
