#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine. The soak tests run beside
# the others, each in a prefix of its own: they wait on the service manager almost all of the
# time, so they cost little CPU, and pinned to one core their wake-ups come quicker.
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
./scripts/build.sh
./scripts/static-checks.sh

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
last_core=$(($(nproc) - 1))
taskset -c "$last_core" ./scripts/ctest-in-prefix.sh velmora-soak-prefix -V -L soak -R Flat \
    >"$logs/soak" 2>&1 &
# shellcheck disable=SC2034 # soak and leaks are read as ${!run} below
soak=$!
taskset -c 0 ./scripts/ctest-in-prefix.sh velmora-leak-prefix -V -L soak -R Lost \
    >"$logs/leaks" 2>&1 &
# shellcheck disable=SC2034
leaks=$!

status=0
./scripts/ctest-in-prefix.sh velmora-test-prefix -LE soak || status=1
./scripts/test-install.sh || status=1
for run in soak leaks; do
    echo "=== $run: the figures ==="
    if wait "${!run}"; then
        grep -E '^[0-9]+: ([0-9]+ refreshes|  )|tests passed' "$logs/$run"
    else
        cat "$logs/$run"
        status=1
    fi
done
exit "$status"
