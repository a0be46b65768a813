#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a temporary folder, checks what it holds, unpacks it there
# and runs the unpacked program. The package is never installed.
#   check_package.sh <cpack> <build folder> <version> <expected files> <driver module>
set -euo pipefail
cpack=$1 build=$2 version=$3 expected=$4 driver=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) \
  || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb="$work/out/dipo_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb; made: $(ls "$work/out")"

# Every expected file is in the package (paths may hold blanks: all after the time column).
dpkg-deb -c "$deb" | sed -E 's/^(\S+\s+){5}//' >"$work/contents"
missing=0
while IFS= read -r path; do
  [ -n "$path" ] || continue
  grep -Fxq -- "./usr/$path" "$work/contents" || { echo "missing: /usr/$path" >&2; missing=1; }
done <"$expected"
[ "$missing" = 0 ] || fail "files missing from the package"

# The dependencies are the libraries' packages found by dpkg-shlibdeps.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libjpeg62-turbo libc6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section: $(dpkg-deb -f "$deb" Section)"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
[ "$(dpkg-deb -f "$deb" Suggests)" = graphviz ] || fail "suggests: $(dpkg-deb -f "$deb" Suggests)"

# Debian's own checks, pedantic: no error and no warning (the informational tags are shown).
if command -v lintian >/dev/null; then
  lintian --pedantic --info --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
  cat "$work/lintian.log"
  ! grep -E '^[EW]: ' "$work/lintian.log" || fail "lintian reports errors or warnings"
else
  echo "lintian is not installed: skipped"
fi

# The binaries carry the hardening of dpkg-buildflags: read-only relocations bound at
# start-up, the stack protector and fortified calls (dipo uses some), no .comment.
for program in dipo dipo-kb; do
  dpkg-deb --fsys-tarfile "$deb" | tar -xOf - "./usr/bin/$program" >"$work/$program"
  # Whole outputs into files: grep -q would end a pipe early, which pipefail counts.
  readelf -d -l -S -W "$work/$program" >"$work/$program.elf"
  grep -q 'BIND_NOW' "$work/$program.elf" || fail "$program: not linked with -z now"
  grep -q 'GNU_RELRO' "$work/$program.elf" || fail "$program: no RELRO"
  ! grep -q '\.comment' "$work/$program.elf" || fail "$program: has a .comment section"
done
readelf --dyn-syms -W "$work/dipo" >"$work/dipo.symbols"
grep -q '__stack_chk_fail' "$work/dipo.symbols" || fail "dipo: no stack protector"
grep -q '_chk@' "$work/dipo.symbols" || fail "dipo: no fortified calls"

dpkg-deb -x "$deb" "$work/root"
# The desktop entry, the AppStream file and the icons fit together where they are installed.
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$work/root" >"$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log" >&2; fail "appstreamcli validate-tree"; }
fi
dipo="$work/root/usr/bin/dipo"
run() { env -u DIPO_PICTURE_DIR -u DIPO_KB_DIR -u QT_QPA_PLATFORM "$@"; }

out=$(run -u DISPLAY -u WAYLAND_DISPLAY "$dipo" --version) || fail "--version failed"
[ "$out" = "dipo $version" ] || fail "--version printed: $out"

# The unpacked program finds its pictures in the unpacked tree: PROSES shows one.
status=0
run LD_PRELOAD="$driver" timeout 120 "$dipo" -platform offscreen >"$work/run.log" 2>&1 || status=$?
grep -q "maintenance check: PROSES showed the picture" "$work/run.log" && [ "$status" = 0 ] \
  || { cat "$work/run.log" >&2; fail "the unpacked program did not show the picture (exit $status)"; }

# And from there only: without the unpacked pictures the same steps end in an error report,
# so no other folder of this machine supplied them.
mv "$work/root/usr/share/dipo/karya_hasil" "$work/pictures-moved"
status=0
run LD_PRELOAD="$driver" timeout 120 "$dipo" -platform offscreen >"$work/run.log" 2>&1 || status=$?
grep -q "maintenance check: error report: Cannot open file " "$work/run.log" && [ "$status" = 1 ] \
  || { cat "$work/run.log" >&2; fail "without its pictures the program reported no error"; }
echo "package $(basename "$deb"): $(wc -l <"$work/contents") entries, pictures found in the unpacked tree"
