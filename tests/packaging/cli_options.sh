# Sourced by the checks of the man pages and the completions: what a command
# line's own --help lists.

# The subcommands of the command line $1.
cli_subcommands() {
  "$1" --help 2>/dev/null |
    awk '/^[^ ]/ { listing = ($0 ~ /ubcommand|サブコマンド/) } listing && /^  [a-z]/ { print $1 }'
}

# The options that "$1 [SUBCOMMAND] --help" lists: words starting with - or
# -- at the start of a line or after a space or comma.
cli_options() {
  "$@" --help 2>/dev/null | grep -oE '(^|[ ,])--?[A-Za-z][A-Za-z0-9-]*' | tr -d ' ,' | sort -u
}
