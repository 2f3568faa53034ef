#!/usr/bin/env bash
# The bash completion of TamikazeNetData offers its options (all that its
# --help lists) and the files it opens.
#   check_desktop_completion.sh COMPLETION_SCRIPT PROGRAM
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
source "$(dirname "$0")/cli_options.sh"
source "$(dirname "$0")/completion_support.sh"
program=$(realpath "$2")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir pages && touch a.lzh B.LZH race.html c.htm notes.txt photo.png

failed=0
check() {
  local got
  got=$(complete_line "$1")
  [ "$got" = "$2" ] || { echo "FAIL: '$1': got '$got', expected '$2'"; failed=1; }
}
check "TamikazeNetData " "B.LZH a.lzh c.htm notes.txt pages race.html "
check "TamikazeNetData -" "--help --version -h -v "
for option in $(cli_options env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program"); do
  [[ " $(complete_line "TamikazeNetData -") " == *" $option "* ]] ||
    { echo "FAIL: TamikazeNetData offers no $option"; failed=1; }
done
exit $failed
