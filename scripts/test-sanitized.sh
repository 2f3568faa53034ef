#!/usr/bin/env bash
# The whole test suite again, everything built under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ (CI runs it after the
# normal suite). Unoptimised, with line tables only for the reports: the
# optimiser would double the build's time, and the sanitizers find the same
# faults without it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build-sanitize/CMakeCache.txt ]; then
  cmake -S . -B build-sanitize "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" -DTAMIKAZE_SANITIZE=ON -DTAMIKAZE_BUILD_BENCH=OFF
fi
cmake --build build-sanitize --parallel "$(nproc)"
cd build-sanitize
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
