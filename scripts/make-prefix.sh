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
# shellcheck source=scripts/wine-env.sh
. "$(dirname "$0")/wine-env.sh"
[ -f "$driver" ] || { echo "$driver not found; build first" >&2; exit 1; }

export WINEPREFIX="$prefix"
export WINEDLLOVERRIDES='mscoree,mshtml='
export WINEDEBUG=-all

# Wine's background processes (services.exe, winedevice.exe) inherit the stdio of
# whichever wine process starts them and hold it open for the life of the server;
# a caller reading our output through a pipe would never see it end. So no wine
# process gets our stdout or stderr, only files.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run_quietly() {
    if ! "$@" </dev/null >"$log" 2>&1; then
        cat "$log" >&2
        exit 1
    fi
}

# Booting under an already persistent server leaves two services.exe behind, each
# with its own service database, and clients reach them in turn; so the boot runs
# under a transient server that is let to end first.
if [ ! -f "$prefix/system.reg" ]; then
    run_quietly wine wineboot -i
    run_quietly wineserver -w
    wine_env_fonts
fi
# Services live only as long as the prefix's wineserver does. A server that already
# runs for this prefix keeps running, which is just as good.
wineserver -p </dev/null >/dev/null 2>&1 || true

run_quietly wine "$driver" create-service OracleServiceVELMORA OracleServiceVELMORA \
    --start-delay=3000 --stop-delay=2000
run_quietly wine "$driver" create-service OracleVelmoraTNSListener OracleVelmoraTNSListener \
    --start-delay=1500 --stop-delay=1000
echo "Prefix $prefix has OracleServiceVELMORA and OracleVelmoraTNSListener; stop it with: WINEPREFIX=$prefix wineserver -k"
