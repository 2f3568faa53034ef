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
out_abs="$(cd "$out" && pwd)"
echo
echo "Sample archives (archive, data type, races, race files, race folder):"
build/tamikaze-netdata import -o "$out" examples/sample.lzh examples/jra-old-sample.lzh \
  examples/TT091205.lzh examples/TT100411.lzh examples/kd2-sample.lzh examples/kol-sample.lzh
echo
echo "Sample pages (page, layout, runners, race file):"
build/tamikaze-netdata page -o "$out" examples/pages/*
count=$(find "$out" -name '*.uma' | wc -l)
echo
echo "Sample race files: $count written under $out_abs"
