#!/usr/bin/env bash
# Usage: package.sh [OUT_DIR]
# Builds the release's setup and portable zip into OUT_DIR (build/dist/ by default), for 64-bit
# Windows (x64) unless VELMORA_TARGET=i686 asks for a 32-bit (x86) build, named with the
# version from res/Version.h, or $VELMORA_VERSION where a test needs another one; the files
# they hold are listed in packaging/Files.nsh. Two runs of one commit give the same bytes, in
# any folder: SHA256SUMS, written before anything is signed, lists the unsigned packages and
# programs. With VELMORA_SIGN_PFX (a PKCS#12 file) and VELMORA_SIGN_PASSWORD set, the program,
# the uninstaller and the setup are then signed, time-stamped when VELMORA_SIGN_TIMESTAMP_URL
# is set too.
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
dist=$(realpath -m "${1:-$velmora_root/build/dist}")
if [ -n "${VELMORA_SIGN_PFX:-}" ] || [ -n "${VELMORA_SIGN_PASSWORD:-}" ]; then
    if [ -z "${VELMORA_SIGN_PFX:-}" ] || [ -z "${VELMORA_SIGN_PASSWORD:-}" ]; then
        echo "VELMORA_SIGN_PFX and VELMORA_SIGN_PASSWORD are needed together" >&2
        exit 1
    fi
    VELMORA_SIGN_PFX=$(realpath "$VELMORA_SIGN_PFX")  # makensis runs the signing elsewhere
fi
cd "$velmora_root"
velmora_target
./scripts/build.sh Velmora
arch=$(velmora_arch)
stub=()  # NSIS's own default is a 32-bit setup
[ "$arch" = x64 ] && stub=("-XTarget amd64-unicode")
version=${VELMORA_VERSION:-$(scripts/version.sh)}
setup="$dist/Velmora-$version-$arch-setup.exe"
zip="$dist/Velmora-$version-$arch-portable.zip"
mkdir -p "$dist"

# Every time the packages store is the commit's. A source archive has no .git, but git archive
# gives its files the commit's time.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    if [ -e .git ]; then
        SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    else
        SOURCE_DATE_EPOCH=$(stat -c %Y res/Version.h)
    fi
fi
export SOURCE_DATE_EPOCH  # makensis dates the setup's header with it
export TZ=UTC             # zip stores local times

# The packages are made from copies, so the build tree never holds a signed file.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage="$work/Velmora"
mkdir "$stage"
names=()
while read -r folder name; do
    cp "$VELMORA_BUILD/$folder/$name" "$stage/"
    names+=("$name")
done < <(velmora_release_files)

zip_copies() (  # a folder Velmora, its files in the list's order, without owners or extra times
    cd "$work" && zip -X -D "$zip" "${names[@]/#/Velmora/}"
)
pack() {  # pack [MAKENSIS_OPTION...]: the setup and the zip from the copies
    chmod 644 "$stage"/*
    touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
    step "Building $(basename "$setup")" makensis -V2 -INPUTCHARSET UTF8 \
        "${stub[@]}" "-DARCH=$arch" "-DVERSION=$version" "-DFILES_DIR=$stage" "-DOUT_FILE=$setup" "$@" \
        packaging/Velmora.nsi
    rm -f "$zip"
    step "Building $(basename "$zip")" zip_copies
}

pack
( cd "$dist" && sha256sum "$(basename "$setup")" "$(basename "$zip")" &&
  cd "$stage" && sha256sum "${names[@]}" ) >"$dist/SHA256SUMS"

if [ -n "${VELMORA_SIGN_PFX:-}" ]; then
    # The password reaches osslsigncode in a file only this user can read, never on a command line.
    export VELMORA_SIGN_PASSFILE="$work/password"
    (umask 077 && printf '%s' "$VELMORA_SIGN_PASSWORD" >"$VELMORA_SIGN_PASSFILE")
    unset VELMORA_SIGN_PASSWORD
    for name in "${names[@]}"; do
        step "Signing $name" scripts/sign.sh "$stage/$name"
    done
    pack "-DSIGN=$velmora_root/scripts/sign.sh"
    echo "Signed with $VELMORA_SIGN_PFX${VELMORA_SIGN_TIMESTAMP_URL:+, time-stamped by $VELMORA_SIGN_TIMESTAMP_URL}"
else
    echo "Unsigned: VELMORA_SIGN_PFX and VELMORA_SIGN_PASSWORD are not set"
fi
echo "In $dist: $(cd "$dist" && du -k --apparent-size "$(basename "$setup")" "$(basename "$zip")" |
    sed 's/^\([0-9]*\)\t\(.*\)/\2 (\1 KB)/' | paste -sd ' ')"
