# shellcheck shell=bash
# Sourced by the scripts: step TITLE COMMAND... prints the title as one line and runs the
# command with its output in a log, shown only when the command fails (then the script ends).
step() {
    local title=$1 log status=0
    shift
    echo "$title"
    log=$(mktemp)
    "$@" </dev/null >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        cat "$log" >&2
        rm -f "$log"
        echo "failed ($status): $title" >&2
        exit 1
    fi
    rm -f "$log"
}
