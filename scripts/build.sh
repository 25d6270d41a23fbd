#!/usr/bin/env bash
# Usage: build.sh [TARGET...]
# Installs what is missing and builds the given targets, or without any everything: the
# program, the tools and the tests, for the processor scripts/target.sh chooses.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
. scripts/step.sh
. scripts/target.sh
velmora_target
step "Configuring the build for $velmora_cpu" cmake --preset "mingw-$velmora_cpu"
step "Building ${*:-the program, the tools and the tests}" cmake --build "$velmora_build" ${1:+--target "$@"}
