#!/usr/bin/env bash
# Installs what is missing, builds, registers two stand-in services in a fresh Wine prefix
# and runs Velmora.exe on your X display, or under Xvfb on a headless machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh
build="$root/build/mingw-i686"

headless=0
[ -z "${DISPLAY:-}" ] && headless=1
. scripts/wine-env.sh
prefix="${VELMORA_PREFIX:-$HOME/.velmora-demo-prefix}"
screenshot="$root/build/velmora-screen.png"
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wine_env_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM
wine_env_start "$prefix"
"$root/scripts/make-prefix.sh" "$prefix" "$build"

# Point the program at the two services, as its settings dialog would.
config='HKCU\Software\Orvik Velmora\Velmora\Config'
wine reg add "$config" /v OracleSrv /d OracleServiceVELMORA /f </dev/null >/dev/null 2>&1
wine reg add "$config" /v OracleTns /d OracleVelmoraTNSListener /f </dev/null >/dev/null 2>&1

# A Wine virtual desktop draws a taskbar with a notification area, where the program lives;
# every Wine process of this prefix, the status watcher included, shares that desktop.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d 800x500 /f </dev/null >/dev/null 2>&1

wine "$build/app/Velmora.exe" &
app_pid=$!
if [ "$headless" = 0 ]; then
    echo "Velmora runs on $DISPLAY. Close it (or press Ctrl+C here) to end."
    wait "$app_pid"
    exit 0
fi

echo "No X display: Velmora runs under Xvfb on $DISPLAY."
echo "Its four status lines follow here; a screenshot is renewed in $screenshot. Ctrl+C ends it."
wine "$build/tools/velmora-driver.exe" watch-status Velmora | iconv -f CP1252 -t UTF-8 &
while kill -0 "$app_pid" 2>/dev/null; do
    import -display "$DISPLAY" -window root "$screenshot" 2>/dev/null || true
    sleep 2
done
