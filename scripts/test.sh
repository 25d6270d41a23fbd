#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine in a fresh prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh

. scripts/wine-env.sh
prefix=$(mktemp -d /tmp/velmora-test-prefix.XXXXXX)
trap 'wine_env_stop; rm -rf "$prefix"' EXIT
VELMORA_FORCE_XVFB=1 wine_env_start "$prefix"
ctest --test-dir build/mingw-i686 --output-on-failure --timeout 300
