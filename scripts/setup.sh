#!/usr/bin/env bash
# Set up and run: installs the dependencies, builds, and converts the sample
# archive into race files under out/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
# A fresh output folder per run: the import never writes into an existing
# race folder.
out="out/run-$(date +%Y%m%d-%H%M%S)"
mkdir -p "$out"
build/tamikaze-netdata import -o "$out" examples/sample.lzh
echo
echo "Race files written to: $(cd "$out" && pwd)/sampleS"
ls "$out/sampleS"
