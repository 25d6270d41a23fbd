#!/usr/bin/env bash
# Installs what is missing, builds the program, the driver and the stand-in service, registers
# two stand-in services in a fresh Wine prefix and runs Velmora.exe, which starts the database
# at launch: on your X display, or under Xvfb on a headless machine, where the window's status
# lines are printed as they change and a screenshot is renewed. Ctrl+C ends it all.
set -euo pipefail
# A shell started in the background by a script ignores SIGINT for good, and then no Ctrl+C or
# kill -INT could end the demo; so it runs itself again with the signal's default restored.
if [ -z "${VELMORA_RUN_SIGINT:-}" ]; then
    VELMORA_RUN_SIGINT=default exec env --default-signal=INT "$0" "$@"
fi
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
./scripts/build.sh Velmora velmora-driver velmora-standin-service

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
. scripts/wine-env.sh
prefix="${VELMORA_PREFIX:-$HOME/.velmora-demo-prefix}"
screenshot="$velmora_root/build/velmora-screen.png"

# Ctrl+C ends the program and every process of this prefix, nothing else, whenever it comes.
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    # The status printer and the screenshot loop first, so that none of them starts Wine again.
    local job
    for job in $(jobs -p); do kill "$job" 2>/dev/null || true; done
    wine_env_stop
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "Preparing a fresh Wine prefix in $prefix"
wine_env_start "$prefix"
. scripts/demo-env.sh
demo_env_prepare 800x500

wine "$VELMORA_BUILD/app/Velmora.exe" </dev/null >/dev/null 2>&1 &
app=$!
if [ "$headless" = 0 ]; then
    echo "Velmora runs on $DISPLAY. Close it (or press Ctrl+C here) to end."
    wait "$app" || true
    exit 0
fi

echo "No X display: Velmora runs under Xvfb on $DISPLAY, its screen is renewed in $screenshot."
echo "Its four status lines follow as they change. Ctrl+C ends it."
# The program's texts are Windows-1252; each line is converted on its own as it comes (iconv alone
# would wait for the end of its input).
driver watch-status Velmora | while IFS= read -r line; do
    line=${line%$'\r'}
    [ -n "$line" ] || continue   # the window's lines before its first refresh
    printf '%s  %s\n' "$(date +%T)" "$(printf '%s' "$line" | iconv -f CP1252 -t UTF-8)"
done &

# Half a second after the start has come to rest the program hides into the tray. A user
# double-clicks the icon to see the window again; so does the demo before each screenshot.
demo_env_started || true
while kill -0 "$app" 2>/dev/null; do
    driver tray Velmora 515 >/dev/null || true   # the left button's double-click over the icon
    demo_env_capture "$screenshot" 2>/dev/null || true
    sleep 2
done
