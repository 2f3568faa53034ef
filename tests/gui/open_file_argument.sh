#!/usr/bin/env bash
# TamikazeNetData ARCHIVE, as the menu entry runs it for a file opened from a
# file manager: the window opens and imports the archive without a dialog.
#   open_file_argument.sh PROGRAM ARCHIVE
set -uo pipefail
program=$1
work=$(mktemp -d)
cp "$2" "$work/sample.lzh"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; wait; rm -rf "$work"' EXIT
mkdir -p "$work/config/TamikazeNetData" "$work/tamikaze" "$work/races"
touch "$work/tamikaze/Tamikaze.exe"
printf '0\r\n0\r\n%s\r\n%s\r\n%s\r\n' "$work/tamikaze" "$work/races" "$work" \
  >"$work/config/TamikazeNetData/Tamnet.ini"

cd "$work"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
  QT_QPA_PLATFORM=offscreen "$program" sample.lzh &
pid=$!
for _ in $(seq 300); do
  if [ "$(find races/sampleS -name '*.uma' 2>/dev/null | wc -l)" -eq 11 ]; then exit 0; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "FAIL: no race folder with eleven race files in $work/races"
exit 1
