#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang's libFuzzer under ASan and UBSan, then runs each
# for a while from its seed corpus; any finding (crash, sanitizer report, leak, an
# input slower than the timeout, or a bound the target checks) fails the script.
#
#   scripts/fuzz.sh [seconds per target, default 20] [target ...]
#   DIPO_FUZZ_LIBJPEG=instrumented scripts/fuzz.sh 600 jpeg   # inside libjpeg-turbo too
#
# New inputs go to build-fuzz/corpus/<target>; findings to build-fuzz/findings/.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(number jpeg kb kbcheck folder maintenance tuneup address logcsv)
build="$top/build-fuzz"
jpeg_options=()
# DIPO_FUZZ_LIBJPEG=instrumented: link an instrumented libjpeg-turbo built from Debian's
# source package (scripts/instrumented-libjpeg.sh), in a build folder of its own.
if [ "${DIPO_FUZZ_LIBJPEG:-system}" = instrumented ]; then
  build="$top/build-fuzz-libjpeg"
  "$top/scripts/instrumented-libjpeg.sh" "$build/libjpeg"
  jpeg_options=(-DDIPO_FUZZ_JPEG_LIBRARY="$build/libjpeg/lib/libjpeg.a")
  # The decoder instrumented and without its SIMD code is about 20 times slower: the
  # target's bound on a picture's CPU time (1 s with the system's library) grows with it.
  export DIPO_FUZZ_MAX_MS="${DIPO_FUZZ_MAX_MS:-20000}"
fi

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DDIPO_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "${jpeg_options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p "$build/findings"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target for ${seconds} s"
  # The first folder receives new inputs; the seeds in the repository stay as they are.
  # The knowledge-base targets have none there: the build copies diagnosis/kb into their
  # first folder.
  seeds=()
  [ ! -d "$top/fuzz/corpus/$target" ] || seeds=("$top/fuzz/corpus/$target")
  log="$build/findings/$target.log"
  options=()
  case "$target" in
    jpeg) options=(-dict="$top/fuzz/jpeg.dict") ;;
    kb | kbcheck | folder | maintenance | tuneup) options=(-dict="$top/fuzz/json.dict") ;;
  esac
  # Room for the shapes that break things: chains of tens of thousands of rows and
  # texts of megabytes, up to the loaders' 4 MB cap; pictures up to the decoder's.
  case "$target" in
    kb | kbcheck | folder | jpeg) options+=(-max_len=4194304) ;;
    *) options+=(-max_len=65536) ;;
  esac
  # The number target runs under a locale with a decimal comma, which must be installed.
  env=()
  if [ "$target" = number ]; then
    locale -a | grep -qx id_ID.utf8 || { echo "fuzz_number: the locale id_ID.UTF-8 is not installed (scripts/setup.sh)" >&2; exit 1; }
    env=(LC_ALL=id_ID.UTF-8)
  fi
  status=0
  env "${env[@]}" "$build/fuzz/fuzz_$target" "$corpus" "${seeds[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "${options[@]}" >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+.*(DONE|INITED)|stat::number_of_executed_units|stat::peak_rss_mb' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "fuzz_$target: finding (exit $status), see $build/findings/" >&2
    exit 1
  fi
done
