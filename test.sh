#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless; then builds
# and runs it a second time under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
export QT_QPA_PLATFORM=offscreen

"$top/scripts/setup.sh" --tests "$top/build" -DBUILD_TESTING=ON
(cd "$top/build" && ctest --output-on-failure -j"$(nproc)")

if [ "${DIPO_SKIP_SANITIZERS:-0}" != 1 ]; then
  "$top/scripts/setup.sh" --tests "$top/build-sanitize" -DBUILD_TESTING=ON -DDIPO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
  export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  (cd "$top/build-sanitize" && ctest --output-on-failure -j"$(nproc)")
fi
