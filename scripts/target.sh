# shellcheck shell=bash
# Sourced by the scripts: which Windows processor they build for and run under Wine.
# Velmora is a 32-bit program, and it is built and tested as one wherever Wine's 32-bit loader
# starts. Some virtual machines run a kernel without 32-bit support, which refuses that loader
# with "Exec format error": there the same sources are built for 64-bit Windows and the tests
# run them under wine64. Releases are 32-bit wherever they are built (package.sh).
# Usage: velmora_target; then $velmora_cpu is $VELMORA_TARGET if set, else i686 or x86_64 as
# the machine runs them, $velmora_build the build folder, and `wine` the loader for it.
velmora_target() {
    if [ -n "${VELMORA_TARGET:-}" ]; then
        velmora_cpu=$VELMORA_TARGET
    elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
        velmora_cpu=i686
    else
        velmora_cpu=x86_64
    fi
    export VELMORA_TARGET=$velmora_cpu  # the scripts this one starts build and run the same
    velmora_build="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/mingw-$velmora_cpu"
    if [ "$velmora_cpu" = x86_64 ]; then
        # Debian's wine and wine-stable pick the 32-bit loader whenever it is installed.
        local shim="$velmora_build/wine64-only" name
        mkdir -p "$shim"
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shim/$name"
            chmod +x "$shim/$name"
        done
        case ":$PATH:" in *":$shim:"*) ;; *) export PATH="$shim:$PATH" ;; esac
    fi
}
