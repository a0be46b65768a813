#!/usr/bin/env bash
# Installs what the build needs on Debian 12 when it is missing, then configures and
# builds into the given build folder (default: build).
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev libjpeg-dev fonts-dejavu-core)
# dot, which draws dipo-kb dot's graphs; the tests check that it accepts them.
packages+=(graphviz)
# The package and its checks: cpack's dependency scan, and the validators the tests run.
packages+=(dpkg-dev desktop-file-utils appstream man-db)
# lintian: Debian's checks of the built package, run by the package test.
packages+=(lintian)
# pdftotext and pdfinfo: the tests read the diagnosis report's PDF.
packages+=(poppler-utils)
# clang's libFuzzer and sanitizer runtimes, for the fuzz targets that .ci/run builds and runs.
packages+=(clang libclang-rt-14-dev)
if [ "${DIPO_NEED_XVFB:-0}" = 1 ]; then
  packages+=(xvfb xauth)
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

top="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$top/build}"
shift || true
cmake -S "$top" -B "$build" "$@"
cmake --build "$build" -j"$(nproc)"
