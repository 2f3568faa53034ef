#!/usr/bin/env bash
# The bash completion of tamikaze-netdata offers the subcommands, each one's
# options (all that the command line's --help lists), folders after -o and
# archives where archives go.
#   check_completion.sh COMPLETION_SCRIPT CLI
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
source "$(dirname "$0")/cli_options.sh"
source "$(dirname "$0")/completion_support.sh"
cli=$(realpath "$2")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir races && touch a.lzh B.LZH notes.txt

failed=0
while IFS='|' read -r line expected; do
  got=$(complete_line "$line")
  if [ "$got" != "$expected" ]; then
    echo "FAIL: '$line': got '$got', expected '$expected'"
    failed=1
  fi
done <<'CASES'
tamikaze-netdata |import page 
tamikaze-netdata --|--help --version 
tamikaze-netdata import -|--help --quiet --replace --second -h -o -q 
tamikaze-netdata import -o |races 
tamikaze-netdata import -o races |B.LZH a.lzh races 
tamikaze-netdata import --second |B.LZH a.lzh races 
tamikaze-netdata import a.lzh n|
tamikaze-netdata page -|--help --quiet -h -o -q 
tamikaze-netdata page |notes.txt races 
CASES

for sub in "" $(cli_subcommands "$cli"); do
  offered=" $(complete_line "tamikaze-netdata ${sub:+$sub }-")"
  for option in $(cli_options "$cli" $sub); do
    if [[ $offered != *" $option "* ]]; then
      echo "FAIL: ${sub:-tamikaze-netdata} offers no $option"
      failed=1
    fi
  done
  [ -z "$sub" ] || [[ " $(complete_line "tamikaze-netdata ") " == *" $sub "* ]] ||
    { echo "FAIL: no subcommand $sub offered"; failed=1; }
done
exit $failed
