#!/usr/bin/env bash
# Prints the release's version, MAJOR.MINOR.PATCH, from the three numbers in res/Version.h; CMake
# (app/CMakeLists.txt) reads the same lines.
set -euo pipefail
header="$(dirname "$0")/../res/Version.h"
numbers=()
for part in MAJOR MINOR PATCH; do
    number=$(sed -n "s/^#define VELMORA_VERSION_$part \([0-9][0-9]*\)$/\1/p" "$header")
    [ -n "$number" ] || { echo "no VELMORA_VERSION_$part in $header" >&2; exit 1; }
    numbers+=("$number")
done
(IFS=. && echo "${numbers[*]}")
