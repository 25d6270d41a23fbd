#!/usr/bin/env bash
# Builds the release's setup and portable zip into build/dist/, named with the version from
# res/Version.h; the files they hold are listed in packaging/Files.nsh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh Velmora
. scripts/step.sh
build="$root/build/mingw-i686"
dist="$root/build/dist"
version=$(sed -n 's/^#define VELMORA_VERSION "\(.*\)"$/\1/p' res/Version.h)
[ -n "$version" ] || { echo "no VELMORA_VERSION in res/Version.h" >&2; exit 1; }
setup="$dist/Velmora-$version-setup.exe"
zip="$dist/Velmora-$version-portable.zip"
mkdir -p "$dist"

step "Building $(basename "$setup")" makensis -V2 -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DBUILD_DIR=$build" "-DOUT_FILE=$setup" packaging/Velmora.nsi

# The zip holds a folder Velmora with the same files.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/Velmora"
while read -r folder name; do
    cp "$build/$folder/$name" "$stage/Velmora/"
done < <(sed -n 's/^!insertmacro VelmoraFile //p' packaging/Files.nsh)
rm -f "$zip"
step "Building $(basename "$zip")" bash -c 'cd "$1" && zip -r -X "$2" Velmora' _ "$stage" "$zip"
echo "In $dist: $(cd "$dist" && ls -s --block-size=K "$(basename "$setup")" "$(basename "$zip")" | tr '\n' ' ')"
