#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine in a fresh prefix and prints their table.
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
./scripts/build.sh
. scripts/wine-env.sh
wine_env_fresh velmora-bench-prefix
echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores, $(uname -sm), $(wine --version)"
# Wine's background processes keep whatever output they inherit open; the table goes through a file.
out=$(mktemp)
wine "$VELMORA_BUILD/tools/velmora-refresh-bench.exe" </dev/null >"$out" 2>&1 || { cat "$out"; exit 1; }
cat "$out"
rm -f "$out"
