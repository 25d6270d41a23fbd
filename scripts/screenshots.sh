#!/usr/bin/env bash
# Renews the README's screenshots: the main window, the tray menu and the settings dialog,
# taken under Xvfb in a Wine virtual desktop of a fresh prefix with the two stand-in services.
# Each waits for the state it shows: the texts through the driver, then a screen that has
# stopped changing (and, for the menu, one that differs from the screen before the click).
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
./scripts/build.sh Velmora velmora-driver velmora-standin-service
out="$velmora_root/docs"
mkdir -p "$out"

. scripts/wine-env.sh
wine_env_fresh velmora-screens
. scripts/demo-env.sh
demo_env_prepare 640x400
# Never minimised: the window stays to be photographed.
quiet wine reg add "$VELMORA_CONFIG_KEY" /v ParamMin /t REG_DWORD /d 2 /f
shots=$(mktemp -d)
trap 'wine_env_stop; rm -rf "$shots" "$WINEPREFIX"' EXIT

identical() { compare -metric AE "$1" "$2" null: 2>/dev/null; }
# shoot NAME [SCREEN_BEFORE]: saves the screen once two captures in a row are the same (and
# differ from SCREEN_BEFORE, if given); fails after 20 seconds.
shoot() {
    local deadline=$((SECONDS + 20)) last="$shots/last.png" next="$shots/next.png"
    demo_env_capture "$last"
    while [ $SECONDS -lt $deadline ]; do
        demo_env_capture "$next"
        if identical "$next" "$last" && { [ $# -lt 2 ] || ! identical "$next" "$2"; }; then
            mv "$next" "$out/$1"
            return 0
        fi
        mv "$next" "$last"
    done
    echo "the screen for $1 did not come to rest" >&2
    return 1
}

wine "$VELMORA_BUILD/app/Velmora.exe" </dev/null >/dev/null 2>&1 &
demo_env_started
shoot main-window.png

demo_env_capture "$shots/before-menu.png"
quiet driver tray Velmora 517   # right button up over the icon
shoot tray-menu.png "$shots/before-menu.png"
quiet driver close-menu Velmora

quiet driver command Velmora ID_TRAY_INFO
quiet driver wait-text "Info über Velmora" IDC_SERVICE_SRV OracleServiceVELMORA 20000
quiet driver wait-text "Info über Velmora" IDC_SERVICE_TNS OracleVelmoraTNSListener 20000
shoot settings-dialog.png
echo "Screenshots renewed in $out"
