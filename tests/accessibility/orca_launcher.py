# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts Orca from its own launcher script, with two changes for a throwaway desktop.

Orca's launcher looks for other Orcas of the same user on the whole machine and refuses
to start (or, with --replace, kills them); this one runs beside any other. And Orca
writes its debug log through an ordinary buffered file, so what it said shows in the file
only kilobytes later; here the log is line-buffered, so it can be read as Orca speaks.

Usage: orca_launcher.py /usr/bin/orca ORCA-OPTIONS... --debug-file FILE"""

import builtins
import runpy
import sys

orca_script = sys.argv[1]
sys.argv = sys.argv[1:]
log = sys.argv[sys.argv.index("--debug-file") + 1]
plain_open = builtins.open


def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        return plain_open(file, mode, buffering=1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)


builtins.open = open_line_buffered
orca = runpy.run_path(orca_script, run_name="orca_launcher")
orca["otherOrcas"] = lambda: []
orca["setProcessName"] = lambda name: None
sys.exit(orca["main"]())
