#!/usr/bin/env bash
# cppcheck over the program, its tools and the benchmark, and shellcheck over every script; every
# finding fails, and each kept exception says why (scripts/cppcheck-suppressions.txt, or inline
# where it stands).
set -euo pipefail
cd "$(dirname "$0")/.."
includes=()
for dir in framework service app ui/main ui/tray ui/info tools/driver tests/soak bench res; do includes+=(-I "$dir"); done
cppcheck --std=c++17 --language=c++ --enable=warning,performance,portability --inline-suppr --error-exitcode=1 \
    --quiet -D_WIN32 -DWIN32 -DVELMORA_SOAK_LEAK=0 --suppressions-list=scripts/cppcheck-suppressions.txt \
    "${includes[@]}" framework service app ui tools bench tests/soak/SoakProgram.cpp
# From the top folder, where the scripts' own "." lines find their helpers (.shellcheckrc).
shellcheck scripts/*.sh .ci/run
echo "static checks: no findings"
