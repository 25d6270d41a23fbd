#!/usr/bin/env bash
# Renews the README's screenshots: the main window, the tray menu and the settings dialog,
# taken under Xvfb in a Wine virtual desktop of a fresh prefix with the two stand-in services.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh
build="$root/build/mingw-i686"
out="$root/docs"
mkdir -p "$out"

. scripts/wine-env.sh
wine_env_fresh velmora-screens
"$root/scripts/make-prefix.sh" "$WINEPREFIX" "$build"

quiet() { "$@" </dev/null >/dev/null 2>&1; }
driver() { wine "$build/tools/velmora-driver.exe" "$@" </dev/null 2>/dev/null; }
config='HKCU\Software\Orvik Velmora\Velmora\Config'
quiet wine reg add "$config" /v OracleSrv /d OracleServiceVELMORA /f
quiet wine reg add "$config" /v OracleTns /d OracleVelmoraTNSListener /f
# Start both at launch and never minimise: the window stays to be photographed.
quiet wine reg add "$config" /v ParamStart /t REG_DWORD /d 1 /f
quiet wine reg add "$config" /v ParamMin /t REG_DWORD /d 2 /f
quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f
quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d 640x400 /f

wine "$build/app/Velmora.exe" </dev/null >/dev/null 2>&1 &
driver wait-text Velmora 1011 "TNS-Listener ist gestartet." 30000 >/dev/null
shoot() { import -display "$DISPLAY" -window root -crop 640x400+0+0 +repage "$out/$1"; }
shoot main-window.png

driver tray Velmora 517 >/dev/null   # right button up over the icon
sleep 1
shoot tray-menu.png
driver close-menu Velmora >/dev/null
driver command Velmora 32776 >/dev/null
sleep 2
shoot settings-dialog.png
echo "Screenshots renewed in $out"
