#!/usr/bin/env bash
# Installs the Debian packages the build, the demo, the installer and the tests need; a no-op
# when they are present. One line per step; apt's own output only when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# fonts-wine is only a recommendation of Wine's libraries: without it captions and dialogs
# are drawn in substitute fonts. nsis and zip build the setup and the portable archive, git
# dates them, osslsigncode signs them; the install test makes its certificate with openssl and
# unpacks the zip. cppcheck and shellcheck are the static checks.
packages=(cmake ninja-build g++-mingw-w64-i686 googletest wine wine32:i386 wine64 fonts-wine xvfb xauth
          imagemagick cppcheck shellcheck nsis zip git osslsigncode openssl unzip)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
# shellcheck source=scripts/step.sh
. scripts/step.sh
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        step "Adding the i386 architecture" "${sudo_cmd[@]}" dpkg --add-architecture i386
    fi
    export DEBIAN_FRONTEND=noninteractive
    if [ -z "${lists_updated:-}" ]; then
        step "Updating the package lists" "${sudo_cmd[@]}" apt-get update
        lists_updated=1
    fi
    step "Installing ${missing[*]}" "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

install_missing "${packages[@]}"
# shellcheck source=scripts/target.sh
. scripts/target.sh
velmora_target
if [ "$velmora_cpu" = x86_64 ]; then
    install_missing g++-mingw-w64-x86-64-posix
fi
