#!/usr/bin/env bash
# Renews the README's screenshots: the main window, the tray menu and the settings dialog,
# taken under Xvfb in a Wine virtual desktop of a fresh prefix with the two stand-in services,
# once at 100 % display scale and once at 150 % (files ending in -150), each set in a prefix of
# its own. Each waits for the state it shows: the texts through the driver, then a screen that
# has stopped changing (and, for the menu, one that differs from the screen before the click).
# Usage: screenshots.sh [100|150]; both sets without an argument.
set -euo pipefail
if [ $# -eq 0 ]; then
    "$0" 100 && exec "$0" 150
fi
scale=$1
case $scale in
    100) dpi=96 desktop=640x400 suffix= ;;
    150) dpi=144 desktop=960x600 suffix=-150 ;;
    *) echo "usage: $0 [100|150]" >&2; exit 1 ;;
esac
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
demo_env_prepare "$desktop"
# Never minimised: the window stays to be photographed.
quiet wine reg add "$VELMORA_CONFIG_KEY" /v ParamMin /t REG_DWORD /d 2 /f
# The display scale every program started from now on reads.
quiet wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
quiet wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f
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
shoot "main-window$suffix.png"

demo_env_capture "$shots/before-menu.png"
quiet driver tray Velmora 517   # right button up over the icon
shoot "tray-menu$suffix.png" "$shots/before-menu.png"
quiet driver close-menu Velmora

quiet driver command Velmora ID_TRAY_INFO
quiet driver wait-text "Info über Velmora" IDC_SERVICE_SRV OracleServiceVELMORA 20000
quiet driver wait-text "Info über Velmora" IDC_SERVICE_TNS OracleVelmoraTNSListener 20000
shoot "settings-dialog$suffix.png"
echo "Screenshots at $scale % renewed in $out"
