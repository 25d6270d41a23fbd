#!/usr/bin/env bash
# Usage: build.sh [TARGET...]
# Installs what is missing and builds the given targets, or without any everything: the
# program, the tools and the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
. scripts/step.sh
step "Configuring the build" cmake --preset mingw-i686
step "Building ${*:-the program, the tools and the tests}" cmake --build build/mingw-i686 ${1:+--target "$@"}
