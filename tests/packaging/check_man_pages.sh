#!/usr/bin/env bash
# The man pages render without a warning from groff or man, and name every
# option that the command line's --help names for each of its subcommands.
#   check_man_pages.sh CLI PAGE.1...   (the command line's page first)
set -uo pipefail
cli=$1
shift
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

for page in "$@"; do
  for width in 80 60; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=$width man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page at $width columns: $warnings"
  done
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
  for heading in 名前 書式 説明 オプション 終了ステータス ファイル 例; do
    grep -q "^$heading" <<<"$text" || fail "$page has no section $heading"
  done
done

source "$(dirname "$0")/cli_options.sh"
cli_page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$1" 2>/dev/null)
subcommands=$(cli_subcommands "$cli")
[ -n "$subcommands" ] || fail "no subcommand found in $cli --help"
for sub in "" $subcommands; do
  for option in $(cli_options "$cli" $sub); do
    grep -qe "$option\b" <<<"$cli_page" || fail "$1 does not name $option ${sub:+of $sub}"
  done
  [ -z "$sub" ] || grep -qw "$sub" <<<"$cli_page" || fail "$1 does not name the subcommand $sub"
done
exit $failed
