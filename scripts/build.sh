#!/usr/bin/env bash
# Installs what is missing and builds the program, the tools and the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset mingw-i686 >/dev/null
cmake --build build/mingw-i686
