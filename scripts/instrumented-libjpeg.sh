#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the system's libjpeg-turbo from Debian's source package, instrumented for the
# fuzzer (coverage, ASan, UBSan), so that fuzz_jpeg sees inside the decoder too:
#
#   scripts/instrumented-libjpeg.sh FOLDER
#
# The source is the installed library's version, fetched with apt-get source through the
# machine's own apt configuration: where no deb-src entry is configured, one is derived
# from the configured binary sources (the same archives and suites) into a private apt
# state in FOLDER, the system's configuration left as it is. apt checks the source
# package's signature and dpkg-source its files. The static library lands in
# FOLDER/lib, its headers in FOLDER/include.
set -euo pipefail
out="$(mkdir -p "$1" && cd "$1" && pwd)"
[ -f "$out/lib/libjpeg.a" ] && exit 0
version="$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo)"
upstream="${version#*:}"
upstream="${upstream%-*}"
work="$out/source"
rm -rf "$work" && mkdir -p "$work"
cd "$work"
if ! apt-get source --download-only "libjpeg-turbo=$version" >/dev/null 2>&1; then
  # A deb-src twin of every configured deb entry, one-line and deb822 forms alike.
  state="$out/apt"
  mkdir -p "$state/lists/partial" "$state/cache/archives/partial" "$state/sources.list.d"
  : >"$state/sources.list"
  for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list" >>"$state/sources.list"
  done
  for list in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list" ] && sed 's/^Types:.*$/Types: deb-src/' "$list" >"$state/sources.list.d/$(basename "$list")"
  done
  apt_private=(-o Dir::Etc::SourceList="$state/sources.list"
    -o Dir::Etc::SourceParts="$state/sources.list.d" -o Dir::State::Lists="$state/lists"
    -o Dir::Cache="$state/cache")
  apt-get "${apt_private[@]}" update >/dev/null
  apt-get "${apt_private[@]}" source --download-only "libjpeg-turbo=$version" >/dev/null
fi
dpkg-source -x ./*.dsc tree >/dev/null
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1"
CC=clang cmake -S tree -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENABLE_SHARED=OFF \
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_ARITH_DEC=ON -DWITH_ARITH_ENC=ON \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_INSTALL_PREFIX="$out" -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
cmake --build build -j"$(nproc)" --target jpeg-static >/dev/null
mkdir -p "$out/lib" "$out/include"
cp build/libjpeg.a "$out/lib/"
cp tree/jpeglib.h tree/jmorecfg.h tree/jerror.h build/jconfig.h "$out/include/"
echo "instrumented libjpeg-turbo $upstream in $out"
