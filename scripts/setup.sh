#!/usr/bin/env bash
# Set up and run: installs the dependencies, builds, and converts the sample
# archives into race files under out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
# A fresh output folder per run: the import never writes into an existing
# race folder.
out="out/run-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$out"
build/tamikaze-netdata import -o "$out" examples/sample.lzh examples/jra-old-sample.lzh \
  examples/TT091205.lzh examples/TT100411.lzh examples/kd2-sample.lzh examples/kol-sample.lzh
build/tamikaze-netdata page -o "$out" examples/pages/*
for folder in sampleS jra-old-sampleS TT091205S TT100411S kd2-sampleS kol-sampleS; do
  echo
  echo "Race files written to: $(cd "$out" && pwd)/$folder"
  ls "$out/$folder"
done
echo
echo "Race files of the sample pages: $(cd "$out" && pwd)"
ls "$out"/*.uma
