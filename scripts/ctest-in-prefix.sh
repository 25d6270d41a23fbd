#!/usr/bin/env bash
# Runs ctest with the given arguments in a fresh Wine prefix of its own, named after $1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
name=$1
shift
. scripts/wine-env.sh
wine_env_fresh "$name"
ctest --test-dir "$velmora_build" --output-on-failure --timeout 300 "$@"
