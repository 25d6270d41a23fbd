#!/usr/bin/env bash
# Usage: build.sh [TARGET...]
# Installs what is missing and builds the given targets, or without any everything: the
# program, the tools and the tests, for $VELMORA_TARGET (x86_64 unless i686 is asked for).
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
./scripts/install-deps.sh
step "Configuring the build for $VELMORA_TARGET" cmake --preset "mingw-$VELMORA_TARGET"
step "Building ${*:-the program, the tools and the tests}" cmake --build "$VELMORA_BUILD" ${1:+--target "$@"}
