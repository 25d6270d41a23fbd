#!/usr/bin/env bash
# Installs the Debian packages the build, the demo, the installer and the tests need; a no-op
# when they are present. One line per step; apt's own output only when a step fails.
# Reads $VELMORA_TARGET: only a 32-bit build (i686) asks for Wine's 32-bit loader.
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"

# fonts-wine is only a recommendation of Wine's libraries: without it captions and dialogs
# are drawn in substitute fonts. nsis and zip build the setup and the portable archive, git
# dates them, osslsigncode signs them; the install test makes its certificate with openssl,
# unpacks the zip and asks file which processor its programs are for. cppcheck and shellcheck
# are the static checks, which compile the 32-bit program too.
packages=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix googletest
          wine wine64 fonts-wine xvfb xauth imagemagick cppcheck shellcheck nsis zip git
          osslsigncode openssl unzip file)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

# A 32-bit ELF program that only exits: whether this kernel runs 32-bit programs at all.
kernel_runs_32bit() {
    local probe status=0
    probe=$(mktemp)
    printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\010\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010\140\0\0\0\140\0\0\0\5\0\0\0\0\020\0\0\273\0\0\0\0\270\1\0\0\0\315\200' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    return "$status"
}
if [ "${VELMORA_TARGET:-}" = i686 ]; then
    if kernel_runs_32bit; then
        packages+=(wine32:i386)
    else
        echo "This kernel runs no 32-bit program: the i686 build compiles here, but its tests cannot run." >&2
    fi
fi

# Two builds side by side (the install test's two clones) take turns: the second one finds
# the packages there. The lock is this project's; apt's own is waited for below.
exec 9>"${TMPDIR:-/tmp}/velmora-install-deps.lock"
flock 9

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if [[ " ${missing[*]} " == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    step "Adding the i386 architecture" "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

# A mirror in the middle of a sync serves a list of the wrong size for a while: try again
# after a pause, then go on with the lists that did arrive. Only a failed install fails.
update_log=$(mktemp)
trap 'rm -f "$update_log"' EXIT
echo "Updating the package lists"
for attempt in 1 2 3; do
    if "${sudo_cmd[@]}" apt-get update </dev/null >"$update_log" 2>&1; then
        break
    fi
    [ "$attempt" -lt 3 ] && sleep $((attempt * 10))
done
unfetched=$(sed -n 's/^[EW]: Failed to fetch \([^ ]*\).*/\1/p' "$update_log" | paste -sd ' ')
[ -n "$unfetched" ] && echo "Going on without the package lists that could not be fetched: $unfetched"

echo "Installing ${missing[*]}"
if ! "${sudo_cmd[@]}" apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 \
        "${missing[@]}" </dev/null >"$update_log" 2>&1; then
    cat "$update_log" >&2
    echo "failed: installing ${missing[*]}${unfetched:+ (these package lists could not be fetched: $unfetched)}" >&2
    exit 1
fi
