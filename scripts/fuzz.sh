#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under ASan and UBSan into
# build-fuzz/ and runs one of them.
#
#   scripts/fuzz.sh                 # builds, lists the targets
#   scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options...]
#
# A target runs for SECONDS (default 600) on one core over its corpus in
# build-fuzz/corpus/TARGET, seeded from fuzz/corpus/TARGET; findings are
# written to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --fuzz
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAMIKAZE_FUZZ=ON -DTAMIKAZE_BUILD_GUI=OFF -DTAMIKAZE_BUILD_TESTS=OFF \
    -DTAMIKAZE_BUILD_BENCH=OFF
fi
cmake --build build-fuzz --parallel "$(nproc)"
if [ $# -eq 0 ]; then
  echo "Targets:"
  find build-fuzz -maxdepth 1 -type f -executable -name 'fuzz_*' -printf '  %f\n' | sort
  exit 0
fi
target=$1
seconds=${2:-600}
shift $(($# < 2 ? $# : 2))
corpus=build-fuzz/corpus/$target
mkdir -p "$corpus" build-fuzz/findings
seeds=()
[ -d "fuzz/corpus/$target" ] && seeds=("fuzz/corpus/$target")
exec "build-fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix=build-fuzz/findings/"$target"- "$@" "$corpus" "${seeds[@]}"
