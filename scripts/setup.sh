#!/usr/bin/env bash
# Set up and run: installs the dependencies, builds, and converts the sample
# archive into race files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
build/tamikaze-netdata --help
