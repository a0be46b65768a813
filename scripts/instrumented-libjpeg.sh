#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the system's libjpeg-turbo from Debian's source package, instrumented for the
# fuzzer (coverage, ASan, UBSan), so that fuzz_jpeg sees inside the decoder too:
#
#   scripts/instrumented-libjpeg.sh FOLDER
#
# The source is the installed library's version, fetched with apt-get source where a
# deb-src entry is configured, else from Debian's archive by that version; dpkg-source
# checks it against its .dsc. The static library lands in FOLDER/lib, its headers in
# FOLDER/include.
set -euo pipefail
out="$(mkdir -p "$1" && cd "$1" && pwd)"
[ -f "$out/lib/libjpeg.a" ] && exit 0
version="$(dpkg-query -W -f='${source:Version}' libjpeg62-turbo)"
upstream="${version#*:}"
upstream="${upstream%-*}"
work="$out/source"
rm -rf "$work" && mkdir -p "$work"
cd "$work"
if ! apt-get source --download-only "libjpeg-turbo=${version#*:}" >/dev/null 2>&1; then
  pool="${DEBIAN_MIRROR:-http://deb.debian.org/debian}/pool/main/libj/libjpeg-turbo"
  dsc="libjpeg-turbo_${version#*:}.dsc"
  curl -sSfO "$pool/$dsc"
  for file in $(sed -n '/^Files:/,/^$/p' "$dsc" | awk 'NF == 3 { print $3 }'); do
    curl -sSfO "$pool/$file"
  done
fi
dpkg-source --no-check -x ./*.dsc tree >/dev/null
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1"
CC=clang cmake -S tree -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DENABLE_SHARED=OFF \
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_ARITH_DEC=ON -DWITH_ARITH_ENC=ON \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_INSTALL_PREFIX="$out" -DCMAKE_INSTALL_LIBDIR=lib >/dev/null
cmake --build build -j"$(nproc)" --target jpeg-static >/dev/null
mkdir -p "$out/lib" "$out/include"
cp build/libjpeg.a "$out/lib/"
cp tree/jpeglib.h tree/jmorecfg.h tree/jerror.h build/jconfig.h "$out/include/"
echo "instrumented libjpeg-turbo $upstream in $out"
