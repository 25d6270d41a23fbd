#!/usr/bin/env bash
# Checks the release as a Windows user and an administrator get it: the program's resources
# (German, version, manifest); the packages signed with a throwaway certificate; two clones of
# the commit at different paths building the same unsigned bytes; then in a fresh Wine prefix
# of its own the silent setup, the installed program, the refusal to install or uninstall over
# a running Velmora, a second install to another folder without the autostart, a third one
# into the remembered folder, the refusal of an older setup, and the silent uninstall, which
# removes everything but the settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh velmora-driver >/dev/null
# After the build, which installs Wine: the choice looks for Wine's 32-bit loader.
. scripts/target.sh
velmora_target  # exported: the packages below are built for the processor the machine runs
build=$velmora_build
version=$(scripts/version.sh)
setup="$root/build/dist/Velmora-$version-setup.exe"
zip="$root/build/dist/Velmora-$version-portable.zip"
folders=() names=()  # the release's files: their folders in the build tree and their names
while read -r folder name; do
    folders+=("$folder")
    names+=("$name")
done < <(sed -n 's/^!insertmacro VelmoraFile //p' packaging/Files.nsh)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() {  # check COMMAND...: counts and names a failure, and goes on with the other checks
    "$@" || { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
}
not() { ! "$@"; }
# Polls a condition with a deadline: the uninstaller, for one, works on after its start returned.
within() {  # within SECONDS COMMAND...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

# --- signed with a throwaway certificate, trusted here as the root ---
printf '%s' "throwaway-$RANDOM" >"$work/password"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Velmora Test" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/test.pfx" \
    -passout "file:$work/password"
VELMORA_SIGN_PFX="$work/test.pfx" VELMORA_SIGN_PASSWORD=$(cat "$work/password") \
    ./scripts/package.sh >/dev/null
signed() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >/dev/null 2>&1; }
# What was packed, as the zip holds it: the install is compared with it below.
unzip -q "$zip" -d "$work/packed"
check signed "$setup"
for i in "${!names[@]}"; do
    packed="$work/packed/Velmora/${names[i]}" built="$build/${folders[i]}/${names[i]}"
    check signed "$packed"
    # Signing leaves the build tree alone, and taking the signature off gives its bytes back.
    check not signed "$built"
    osslsigncode remove-signature -in "$packed" -out "$work/unsigned" >/dev/null 2>&1
    check cmp -s "$work/unsigned" "$built"
    rm -f "$work/unsigned"
done

# --- two clones of the commit at different paths: the same unsigned packages ---
same_packages_from_two_clones() {
    local one="$work/one/velmora" two="$work/two/elsewhere/Velmora" first status=0
    git clone -q "$root" "$one" && git clone -q "$root" "$two" || return 1
    (cd "$one" && ./scripts/package.sh) >"$work/one.log" 2>&1 &
    first=$!
    (cd "$two" && ./scripts/package.sh) >"$work/two.log" 2>&1 || status=1
    wait "$first" || status=1
    [ "$status" -eq 0 ] || { cat "$work/one.log" "$work/two.log" >&2; return 1; }
    diff "$one/build/dist/SHA256SUMS" "$two/build/dist/SHA256SUMS" >&2
}
check same_packages_from_two_clones

# --- an older setup, the same program with a lower version number ---
VELMORA_VERSION=0.1.0 ./scripts/package.sh "$work/older" >/dev/null
older="$work/older/Velmora-0.1.0-setup.exe"

# --- the resources, read back from the built program ---
exe="$build/app/Velmora.exe"
rc=$("$velmora_cpu-w64-mingw32-windres" -i "$exe" -O rc)
IFS=. read -r major minor patch <<<"$version"
all_german() {  # windres names a resource's language where it changes: once, before the first
    [ "$(grep -v '^\s*$' <<<"$rc" | sed '/^\/\*/,/\*\//d' | head -1)" = "LANGUAGE 7, 1" ] &&
        [ "$(grep '^LANGUAGE' <<<"$rc" | sort -u)" = "LANGUAGE 7, 1" ]
}
check all_german
check grep -q "^ FILEVERSION $major, $minor, $patch, 0$" <<<"$rc"
check grep -q "^ PRODUCTVERSION $major, $minor, $patch, 0$" <<<"$rc"
check grep -q "VALUE \"ProductVersion\", \"$version\"" <<<"$rc"
# The about text is joined from literals by the resource compiler: it must carry the version too.
check grep -qF "\"Velmora, Version $version \\n" <<<"$rc"
check grep -q 'VALUE "ProductName", "Velmora"' <<<"$rc"
check grep -q 'VALUE "CompanyName", "Orvik"' <<<"$rc"
check grep -q 'VALUE "Translation", 0x407, 1252' <<<"$rc"
manifest=$(sed -n '/RT_MANIFEST/,/^END/p' <<<"$rc")
check grep -q 'level=""asInvoker""' <<<"$manifest"
check grep -q 'supportedOS' <<<"$manifest"
no_look_changes() { ! grep -qiE 'Common-Controls|dpiAware' <<<"$manifest"; }
check no_look_changes
headers=$(TZ=UTC "$velmora_cpu-w64-mingw32-objdump" -p -h "$exe")
check grep -qP "^MajorImageVersion\t$major$" <<<"$headers"
check grep -qP "^MinorImageVersion\t$minor$" <<<"$headers"
check grep -qP '^\t+TERMINAL_SERVICE_AWARE$' <<<"$headers"
check grep -qP '^Time/Date\t+Thu Jan  1 00:00:00 1970$' <<<"$headers"  # no link time
no_debug_sections() { ! grep -q '\.debug' <<<"$headers"; }
check no_debug_sections
# Velmora.exe is the release's only program: the zip holds nothing else that runs.
check test "$(zip -sf "$zip" | sed -n 's/^  //p' | grep -v '/$')" = "Velmora/Velmora.exe"

# --- install, run, install elsewhere and again, refuse the older setup, uninstall ---
. scripts/wine-env.sh
wine_env_fresh velmora-install-prefix "$work"
# Shortcuts stay in the prefix: no menu entries for the desktop of whoever runs the tests.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
driver() { wine "$build/tools/velmora-driver.exe" "$@" </dev/null >/dev/null 2>&1; }
quiet() { "$@" </dev/null >/dev/null 2>&1; }
exits_with() {  # exits_with CODE COMMAND...
    local code=$1 status=0
    shift
    quiet "$@" || status=$?
    [ "$status" -eq "$code" ]
}
windows_var() { wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'; }
reg_value() {  # reg_value KEY NAME: the value's data, or failure
    wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $2    REG_[A-Z_]*    //p" | grep .
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
approved_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
config='HKCU\Software\Orvik Velmora\Velmora\Config'
install_dir_win="$(windows_var LOCALAPPDATA)\\Programs\\Velmora"
install_dir=$(winepath -u "$install_dir_win" 2>/dev/null)
other_dir_win='C:\Werkzeuge\Velmora'
other_dir="$WINEPREFIX/drive_c/Werkzeuge/Velmora"
shortcut=$(winepath -u "$(windows_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk" 2>/dev/null)

installed_in() {  # installed_in DIR DIR_WIN: the files as packed, the Apps entry and the shortcut
    local name
    for name in "${names[@]}"; do cmp -s "$work/packed/Velmora/$name" "$1/$name" || return 1; done
    [ -f "$1/Uninstall.exe" ] &&
        [ "$(reg_value "$uninstall_key" InstallLocation)" = "$2" ] &&
        [ "$(reg_value "$uninstall_key" UninstallString)" = "\"$2\\Uninstall.exe\"" ] &&
        [ "$(reg_value "$uninstall_key" DisplayIcon)" = "$2\\Velmora.exe,0" ] &&
        strings -a "$shortcut" | grep -qxF "$2\\Velmora.exe"
}
autostart_of() { [ "$(reg_value "$run_key" Velmora)" = "\"$1\\Velmora.exe\"" ]; }  # autostart_of DIR_WIN
no_run_value() { ! reg_value "$run_key" Velmora >/dev/null; }

# Settings as a user leaves them; ending the program then asks nothing and stops nothing.
quiet wine reg add "$config" /v InfoText /d "Bleibt erhalten" /f
quiet wine reg add "$config" /v ParamAsk /t REG_DWORD /d 0 /f
quiet wine reg add "$config" /v ParamEnde /t REG_DWORD /d 0 /f

# An earlier version left its elevated helper in the folder: the setup takes it away.
mkdir -p "$install_dir"
cp "$exe" "$install_dir/VelmoraDienste.exe"
check quiet wine "$setup" /S
check test ! -e "$install_dir/VelmoraDienste.exe"
only_our_programs() {  # the setup installs no program but Velmora.exe and its uninstaller
    [ "$(cd "$install_dir" && find . -type f -iregex '.*\.\(exe\|dll\|com\|scr\)' | sort | tr '\n' ' ')" = \
      "./Uninstall.exe ./Velmora.exe " ]
}
check only_our_programs
check installed_in "$install_dir" "$install_dir_win"
check signed "$install_dir/Velmora.exe"
check signed "$install_dir/Uninstall.exe"
check test "$(reg_value "$uninstall_key" DisplayName)" = Velmora
check test "$(reg_value "$uninstall_key" DisplayVersion)" = "$version"
check test "$(reg_value "$uninstall_key" VersionMajor)" = "$(printf '0x%x' "$major")"
check test "$(reg_value "$uninstall_key" VersionMinor)" = "$(printf '0x%x' "$minor")"
at_least_the_program() { [ $(($(reg_value "$uninstall_key" EstimatedSize))) -ge $(($(stat -c %s "$exe") / 1024)) ]; }
check at_least_the_program
check test "$(reg_value "$uninstall_key" Publisher)" = Orvik
check test "$(reg_value "$uninstall_key" NoModify)" = 0x1
check test "$(reg_value "$uninstall_key" NoRepair)" = 0x1
# A silent setup selects every option, the autostart included.
check autostart_of "$install_dir_win"

# The installed program starts; while it runs, neither a silent setup nor a silent uninstall
# goes ahead (exit code 2). Run in place (_?=), the uninstaller's exit code is its own.
wine "$install_dir/Velmora.exe" </dev/null >/dev/null 2>&1 &
app=$!
check within 60 driver wait-text Velmora IDC_ORACLE_STATE "" 0
check exits_with 2 wine "$setup" /S
check exits_with 2 wine "$install_dir/Uninstall.exe" /S "_?=$install_dir_win"
check test -f "$install_dir/Velmora.exe"
check driver command Velmora ID_TRAY_CLOSE   # the tray menu's "Schließen"
program_ended() { ! kill -0 "$app" 2>/dev/null; }
check within 30 program_ended

# Installed again to another folder (/D= last and unquoted, as NSIS wants it) without the
# autostart: the first install goes, and with it the Run value it had written.
check quiet wine "$setup" /S /NOAUTOSTART "/D=$other_dir_win"
check test ! -e "$install_dir"
check installed_in "$other_dir" "$other_dir_win"
check no_run_value
# Without /D= the setup installs into the folder chosen before, the autostart back on.
check quiet wine "$setup" /S
check test ! -e "$install_dir"
check installed_in "$other_dir" "$other_dir_win"
check autostart_of "$other_dir_win"

# An older setup refuses (exit code 3) and changes nothing.
state() { wine reg query "$uninstall_key" /s; wine reg query "$run_key"; ls -l --time-style=full-iso "$other_dir"; }
before=$(state 2>&1)
check exits_with 3 wine "$older" /S
check test "$(state 2>&1)" = "$before"

# The uninstaller copies itself to a temporary folder and returns at once: wait for its work.
# It also takes away the note Windows keeps when the autostart is switched off in the Task Manager.
quiet wine reg add "$approved_key" /v Velmora /t REG_BINARY /d 030000000000000000000000 /f
check quiet wine "$other_dir_win\\Uninstall.exe" /S
gone() { [ ! -e "$other_dir" ] && [ ! -e "$shortcut" ] && ! reg_value "$uninstall_key" DisplayName >/dev/null &&
         no_run_value; }
check within 60 gone
check test ! -e "$other_dir"
check test ! -e "$install_dir"
check test ! -e "$shortcut"
no_uninstall_entry() { ! quiet wine reg query "$uninstall_key"; }
check no_uninstall_entry
check no_run_value
no_approved_value() { ! reg_value "$approved_key" Velmora >/dev/null; }
check no_approved_value
check test "$(reg_value "$config" InfoText)" = "Bleibt erhalten"

if [ "$failures" -ne 0 ]; then
    echo "install test: $failures checks failed" >&2
    exit 1
fi
echo "install test: resources, signatures, identical builds, silent setups (another folder, the" \
     "remembered one, without autostart, an older version refused) and silent uninstall passed"
