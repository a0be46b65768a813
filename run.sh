#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No desktop session: run on a virtual screen of the program's size.
  DIPO_NEED_XVFB=1 "$top/scripts/setup.sh" "$top/build" -DBUILD_TESTING=OFF
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$top/build/dipo"
fi
"$top/scripts/setup.sh" "$top/build" -DBUILD_TESTING=OFF
exec "$top/build/dipo"
