#!/usr/bin/env bash
# Usage: make-prefix.sh PREFIX_DIR BUILD_DIR
# Prepares a Wine prefix with the two stand-in Oracle services the monitor watches.
# A prefix that is already booted (as scripts/wine-env.sh leaves it) is kept, so a
# running persistent wineserver is not pulled from under its callers.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 PREFIX_DIR BUILD_DIR" >&2
    exit 1
fi
prefix=$(mkdir -p "$1" && cd "$1" && pwd)
driver="$(cd "$2" && pwd)/tools/velmora-driver.exe"
[ -f "$driver" ] || { echo "$driver not found; build first" >&2; exit 1; }

export WINEPREFIX="$prefix"
export WINEDLLOVERRIDES='mscoree,mshtml='
export WINEDEBUG=-all

# Services live only as long as the prefix's wineserver does.
wineserver -p
if [ ! -f "$prefix/system.reg" ]; then
    wine wineboot -i >/dev/null 2>&1
fi

wine "$driver" create-service OracleServiceVELMORA OracleServiceVELMORA \
    --start-delay=3000 --stop-delay=2000
wine "$driver" create-service OracleVelmoraTNSListener OracleVelmoraTNSListener \
    --start-delay=1500 --stop-delay=1000
echo "Prefix $prefix has OracleServiceVELMORA and OracleVelmoraTNSListener; stop it with: WINEPREFIX=$prefix wineserver -k"
