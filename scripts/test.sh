#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine in a fresh prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh

. scripts/wine-env.sh
wine_env_fresh velmora-test-prefix
ctest --test-dir build/mingw-i686 --output-on-failure --timeout 300
