#!/usr/bin/env bash
# Usage: sign.sh FILE
# Signs the Windows program FILE in place with the PKCS#12 certificate $VELMORA_SIGN_PFX, whose
# password scripts/package.sh has put into the file $VELMORA_SIGN_PASSFILE, and time-stamps the
# signature when VELMORA_SIGN_TIMESTAMP_URL is set. The setup's script calls it for the setup
# and the uninstaller. Only options osslsigncode 2.5 (Debian 12) already knows are used.
set -euo pipefail
timestamp=()
[ -n "${VELMORA_SIGN_TIMESTAMP_URL:-}" ] && timestamp=(-ts "$VELMORA_SIGN_TIMESTAMP_URL")
# osslsigncode cannot write over its input: it signs into a new file that replaces FILE.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
osslsigncode sign -pkcs12 "$VELMORA_SIGN_PFX" -readpass "$VELMORA_SIGN_PASSFILE" -n Velmora \
    "${timestamp[@]}" -in "$1" -out "$work/signed" >/dev/null
mv -f "$work/signed" "$1"
