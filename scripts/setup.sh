#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build needs on Debian 12 when it is missing, then configures and
# builds into the given build folder (default: build). With --tests first, it also
# installs what the tests need (the servers, clients and validators they run).
#
#   scripts/setup.sh [--tests] [BUILD_FOLDER [CMAKE_OPTION ...]]
#   scripts/setup.sh [--tests] --list-packages   # only print the Debian packages it wants
set -euo pipefail
for_tests=0
list_only=0
while [ $# -gt 0 ]; do
  case "$1" in
    --tests) for_tests=1 ;;
    --list-packages) list_only=1 ;;
    *) break ;;
  esac
  shift
done

# What building and running need.
packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libjpeg-dev fonts-dejavu-core)
# The workshop log: Qt SQL's SQLite and PostgreSQL drivers.
packages+=(libqt6sql6-sqlite libqt6sql6-psql)
# Qt Charts: the calculators draw their curves with it; Qt Charts' CMake package needs
# Qt OpenGL's, which qt6-charts-dev does not pull in.
packages+=(qt6-charts-dev libqt6opengl6-dev)
# libpq's and SQLite's headers: the log reads a server's address by libpq's own rules
# (PQconninfoParse) and asks libpq why a connection failed; SQLite takes the log search's
# case folding as a function of Dipo's.
packages+=(libpq-dev libsqlite3-dev)
# lrelease from Qt's Linguist tools compiles the Indonesian translation of Qt's own texts.
packages+=(qt6-l10n-tools)
if [ "${DIPO_NEED_XVFB:-0}" = 1 ]; then
  packages+=(xvfb xauth)
fi
if [ "$for_tests" = 1 ]; then
  # dot, which draws dipo-kb dot's graphs; the tests check that it accepts them.
  packages+=(graphviz)
  # The package and its checks: cpack's dependency scan, and the validators the tests run.
  packages+=(dpkg-dev desktop-file-utils appstream man-db)
  # lintian: Debian's checks of the built package, run by the package test.
  packages+=(lintian)
  # pdftotext and pdfinfo: the tests read the diagnosis report's PDF.
  packages+=(poppler-utils)
  # The locales the number tests run under, generated below: Indonesian, US English.
  packages+=(locales)
  # A PostgreSQL 15 server that the tests start as a throwaway instance for the log.
  packages+=(postgresql)
  # clang's libFuzzer and sanitizer runtimes, for the fuzz targets that .ci/run builds and runs.
  packages+=(clang libclang-rt-14-dev)
  # The screen reader test: Orca over AT-SPI on a throwaway X server with a window manager,
  # a private D-Bus session, pyatspi to read the tree, xdotool to press the keys and click,
  # and xprop (x11-utils) to read the window manager's stacking order.
  packages+=(orca at-spi2-core python3-pyatspi dbus-daemon dbus-bin xvfb xauth openbox xdotool
    x11-utils)
  # LibreOffice Calc without its GUI: the test opens the log's spreadsheet CSV in it under
  # id_ID.UTF-8 and checks the cells.
  packages+=(libreoffice-calc-nogui)
  # The layer check in the tests is a Python script.
  packages+=(python3)
fi

if [ "$list_only" = 1 ]; then
  printf '%s\n' "${packages[@]}" | sort -u
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "$for_tests" = 1 ]; then
  # The tests read and write numbers under the locales of the people who use the program; a
  # locale that is not generated would quietly fall back to "C" and hide what they see.
  wanted_locales=(id_ID.UTF-8 en_US.UTF-8)
  for l in "${wanted_locales[@]}"; do
    short="$(echo "${l%%.*}.utf8")"
    if ! locale -a 2>/dev/null | grep -qx "$short"; then
      echo "Generating the locale $l"
      if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
      "${sudo_cmd[@]}" sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
      grep -qx "$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
      "${sudo_cmd[@]}" locale-gen >/dev/null
    fi
  done
fi

top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
shift || true
cmake -S "$top" -B "$build" "$@"
cmake --build "$build" -j"$(nproc)"
