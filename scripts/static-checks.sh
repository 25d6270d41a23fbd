#!/usr/bin/env bash
# cppcheck over the program, its tools and the benchmark, shellcheck over every script, and the
# whole build for 32-bit Windows as well, so that the code stays right for both pointer sizes;
# every finding or warning fails, and each kept exception says why
# (scripts/cppcheck-suppressions.txt, or inline where it stands).
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
step "Compiling everything for 32-bit Windows" velmora_compile_i686
includes=()
for dir in framework service app ui/main ui/tray ui/info tools/driver tests/soak bench res; do includes+=(-I "$dir"); done
cppcheck --std=c++17 --language=c++ --enable=warning,performance,portability --inline-suppr --error-exitcode=1 \
    --quiet -D_WIN32 -DWIN32 -DVELMORA_SOAK_LEAK=0 --suppressions-list=scripts/cppcheck-suppressions.txt \
    "${includes[@]}" framework service app ui tools bench tests/soak/SoakProgram.cpp
# From the top folder, where the scripts' own "." lines find their helpers (.shellcheckrc).
shellcheck scripts/*.sh .ci/run
echo "static checks: no findings"
