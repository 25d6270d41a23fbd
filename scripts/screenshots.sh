#!/usr/bin/env bash
# Renews the README's screenshots: the main window, the tray menu and the settings dialog,
# taken under Xvfb in a Wine virtual desktop of a fresh prefix with the two stand-in services.
# Each waits for the state it shows: the texts through the driver, then a screen that has
# stopped changing (and, for the menu, one that differs from the screen before the click).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh Velmora velmora-driver velmora-standin-service
build="$root/build/mingw-i686"
out="$root/docs"
mkdir -p "$out"

. scripts/wine-env.sh
wine_env_fresh velmora-screens
"$root/scripts/make-prefix.sh" "$WINEPREFIX" "$build" >/dev/null
shots=$(mktemp -d)
trap 'wine_env_stop; rm -rf "$shots" "$WINEPREFIX"' EXIT

quiet() { "$@" </dev/null >/dev/null 2>&1; }
driver() { wine "$build/tools/velmora-driver.exe" "$@" </dev/null >/dev/null 2>&1; }
config='HKCU\Software\Orvik Velmora\Velmora\Config'
quiet wine reg add "$config" /v OracleSrv /d OracleServiceVELMORA /f
quiet wine reg add "$config" /v OracleTns /d OracleVelmoraTNSListener /f
# Start both at launch and never minimise: the window stays to be photographed.
quiet wine reg add "$config" /v ParamStart /t REG_DWORD /d 1 /f
quiet wine reg add "$config" /v ParamMin /t REG_DWORD /d 2 /f
quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f
quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d 640x400 /f

capture() { import -display "$DISPLAY" -window root -crop 640x400+0+0 +repage "$1"; }
identical() { compare -metric AE "$1" "$2" null: 2>/dev/null; }
# shoot NAME [SCREEN_BEFORE]: saves the screen once two captures in a row are the same (and
# differ from SCREEN_BEFORE, if given); fails after 20 seconds.
shoot() {
    local deadline=$((SECONDS + 20)) last="$shots/last.png" next="$shots/next.png"
    capture "$last"
    while [ $SECONDS -lt $deadline ]; do
        capture "$next"
        if identical "$next" "$last" && { [ $# -lt 2 ] || ! identical "$next" "$2"; }; then
            mv "$next" "$out/$1"
            return 0
        fi
        mv "$next" "$last"
    done
    echo "the screen for $1 did not come to rest" >&2
    return 1
}

wine "$build/app/Velmora.exe" </dev/null >/dev/null 2>&1 &
driver wait-text Velmora 1009 "Oracle ist gestartet." 60000
driver wait-text Velmora 1011 "TNS-Listener ist gestartet." 60000
shoot main-window.png

capture "$shots/before-menu.png"
driver tray Velmora 517   # right button up over the icon
shoot tray-menu.png "$shots/before-menu.png"
driver close-menu Velmora

driver command Velmora 32776   # the tray menu's "Info über Velmora ..."
driver wait-text "Info über Velmora" 1012 OracleServiceVELMORA 20000
driver wait-text "Info über Velmora" 1004 OracleVelmoraTNSListener 20000
shoot settings-dialog.png
echo "Screenshots renewed in $out"
