# shellcheck shell=bash
# Sourced by every script: the helpers they share. Sourcing it defines them and decides nothing;
# the processor is chosen once, by the script the user started (velmora_target).
velmora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The company key of the program's settings; each executable name has its branch below it.
# shellcheck disable=SC2034 # read by the scripts that source this file
VELMORA_COMPANY_KEY='HKCU\Software\Orvik Velmora'
# shellcheck disable=SC2034
VELMORA_CONFIG_KEY="$VELMORA_COMPANY_KEY\\Velmora\\Config"

# Called by the scripts a user starts, before anything is built or run: the processor to build
# for and run under Wine, exported for every script they start. Releases are 64-bit (x86_64);
# VELMORA_TARGET=i686 builds the 32-bit program, whose tests run only where Wine's 32-bit
# loader does. $VELMORA_BUILD is this checkout's build folder for it.
velmora_target() {
    export VELMORA_TARGET=${VELMORA_TARGET:-x86_64}
    case $VELMORA_TARGET in
        x86_64 | i686) ;;
        *) echo "VELMORA_TARGET is x86_64 or i686, not $VELMORA_TARGET" >&2; exit 1 ;;
    esac
    export VELMORA_BUILD="$velmora_root/build/mingw-$VELMORA_TARGET"
    if [ "$VELMORA_TARGET" = x86_64 ]; then
        # Debian's wine and wine-stable pick the 32-bit loader whenever it is installed.
        local shim="$VELMORA_BUILD/wine64-only" name
        mkdir -p "$shim"
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shim/$name"
            chmod +x "$shim/$name"
        done
        case ":$PATH:" in *":$shim:"*) ;; *) export PATH="$shim:$PATH" ;; esac
    fi
}

# How the release names the processor it is built for, and how `file` names its programs.
velmora_arch() { if [ "$VELMORA_TARGET" = x86_64 ]; then echo x64; else echo x86; fi; }
velmora_file_type() {
    if [ "$VELMORA_TARGET" = x86_64 ]; then echo 'PE32+ executable (GUI) x86-64'; else echo 'PE32 executable (GUI) Intel 80386'; fi
}

# Builds the given targets, or everything, for 32-bit Windows into build/mingw-i686: compiled
# only, so nothing is installed for it and no 32-bit Wine is needed.
velmora_compile_i686() {
    (cd "$velmora_root" && cmake --preset mingw-i686 && cmake --build build/mingw-i686 ${1:+--target "$@"})
}

# step TITLE COMMAND...: prints the title as one line and runs the command with its output in a
# log, shown only when the command fails (then the script ends).
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

quiet() { "$@" </dev/null >/dev/null 2>&1; }

# within SECONDS COMMAND...: polls a condition until it holds, for at most SECONDS.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

# The test driver of this build, run under Wine in the caller's prefix.
driver() { wine "$VELMORA_BUILD/tools/velmora-driver.exe" "$@" </dev/null 2>/dev/null; }

# The release's files, one line each: the folder in the build tree and the name.
velmora_release_files() { sed -n 's/^!insertmacro VelmoraFile //p' "$velmora_root/packaging/Files.nsh"; }
