#!/usr/bin/env bash
# Usage: ctest-in-prefix.sh NAME [CTEST_ARGUMENTS...]
# Runs ctest over the build of $VELMORA_TARGET in a fresh Wine prefix of its own, named after NAME.
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
name=$1
shift
. scripts/wine-env.sh
wine_env_fresh "$name"
ctest --test-dir "$VELMORA_BUILD" --output-on-failure --timeout 300 "$@"
