# shellcheck shell=bash
# Output helpers shared by the project's scripts. Set LOG_TAG (the script's
# name) before sourcing; every line the scripts print starts with it.

say() { printf '%s: %s\n' "$LOG_TAG" "$*"; }

# Prints the error and a hint on how to fix it, then exits.
#   die "what failed" ["how to fix it"]
die() {
    printf '%s: error: %s\n' "$LOG_TAG" "$1" >&2
    [[ $# -lt 2 ]] || printf '%s: fix: %s\n' "$LOG_TAG" "$2" >&2
    exit 1
}

# Runs a command with its output appended to LOG; on failure shows the end of
# the log and dies with the given message and hint.
#   run_logged LOG "what failed" "how to fix it" command [args...]
run_logged() {
    local log=$1 what=$2 fix=$3
    shift 3
    if ! "$@" >>"$log" 2>&1; then
        tail -n 30 "$log" | sed "s/^/$LOG_TAG: | /" >&2
        die "$what (full log: $log)" "$fix"
    fi
}
