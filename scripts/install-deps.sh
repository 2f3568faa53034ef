#!/usr/bin/env bash
# Installs every build, test and run dependency from Debian's packages.
# Idempotent: packages already present are left alone. With --fuzz, also
# clang and its libFuzzer runtime (scripts/fuzz.sh).
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libarchive-dev libarchive-tools liblhasa-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  jlha-utils lhasa
  fonts-ipafont-gothic
  locales
  librsvg2-bin desktop-file-utils appstream
  man-db groff-base bash-completion
  dpkg-dev file lintian
)
if [ "${1:-}" = "--fuzz" ]; then PACKAGES+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
