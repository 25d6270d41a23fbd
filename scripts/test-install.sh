#!/usr/bin/env bash
# Checks the release as a Windows user and an administrator get it, the packages exactly as
# package.sh makes them by default: the program's resources (German, version, manifest) and
# processor; the packages signed with a throwaway certificate; two clones of the commit at
# different paths building the same unsigned bytes; then in a fresh Wine prefix of its own an
# update over a 32-bit Velmora 1.5.5, the installed program with the settings 1.5.5 left, the
# refusal to install or uninstall over a running Velmora, a second install to another folder
# without the autostart, a third one into the remembered folder, the refusal of an older setup,
# and the silent uninstall, which removes everything but the settings.
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$velmora_root"
velmora_target
./scripts/build.sh velmora-driver >/dev/null
build=$VELMORA_BUILD
version=$(scripts/version.sh)
setup="$velmora_root/build/dist/Velmora-$version-$(velmora_arch)-setup.exe"
zip="$velmora_root/build/dist/Velmora-$version-$(velmora_arch)-portable.zip"
folders=() names=()  # the release's files: their folders in the build tree and their names
while read -r folder name; do
    folders+=("$folder")
    names+=("$name")
done < <(velmora_release_files)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() {  # check COMMAND...: counts and names a failure, and goes on with the other checks
    "$@" || { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
}
not() { ! "$@"; }

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
    git clone -q "$velmora_root" "$one" && git clone -q "$velmora_root" "$two" || return 1
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
older="$work/older/Velmora-0.1.0-$(velmora_arch)-setup.exe"

# --- the resources, read back from the built program ---
exe="$build/app/Velmora.exe"
rc=$("$VELMORA_TARGET-w64-mingw32-windres" -i "$exe" -O rc)
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
no_look_changes() { ! grep -qi 'Common-Controls' <<<"$manifest"; }
check no_look_changes
check grep -q 'PerMonitorV2, System' <<<"$manifest"  # sharp at every display scale
headers=$(TZ=UTC "$VELMORA_TARGET-w64-mingw32-objdump" -p -h "$exe")
# The processor asked for, and no MinGW runtime DLL beside the system's.
check grep -q "^$(velmora_file_type)" <(file -b "$exe")
no_runtime_dlls() { ! grep -qiE 'DLL Name: (lib|mingw)' <<<"$headers"; }
check no_runtime_dlls
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

# --- Velmora 1.5.5 as its setup left it: the 32-bit program in the default folder, its Apps
# entry, its autostart, and the settings a user gave it, written as a 32-bit program writes
# them. The program stands in built from these sources for 32-bit Windows; only its place and
# its processor matter here. An earlier version had also left an elevated helper there. ---
step "Building the 32-bit program that stands in for Velmora 1.5.5" velmora_compile_i686 Velmora
mkdir -p "$install_dir"
cp "$velmora_root/build/mingw-i686/app/Velmora.exe" "$install_dir/Velmora.exe"
cp "$exe" "$install_dir/VelmoraDienste.exe"
for value in "DisplayName Velmora" "DisplayVersion 1.5.5" "Publisher Orvik" \
             "DisplayIcon $install_dir_win\Velmora.exe,0" "InstallLocation $install_dir_win" \
             "UninstallString \"$install_dir_win\Uninstall.exe\"" \
             "QuietUninstallString \"$install_dir_win\Uninstall.exe\" /S"; do
    quiet wine reg add "$uninstall_key" /v "${value%% *}" /d "${value#* }" /f
done
for value in "VersionMajor 1" "VersionMinor 5" "NoModify 1" "NoRepair 1" "EstimatedSize 300"; do
    quiet wine reg add "$uninstall_key" /v "${value% *}" /t REG_DWORD /d "${value#* }" /f
done
quiet wine reg add "$run_key" /v Velmora /d "\"$install_dir_win\Velmora.exe\"" /f
# Ending the program then asks nothing and stops nothing; the database service named does not exist.
quiet wine reg add "$VELMORA_CONFIG_KEY" /v OracleSrv /d OracleServiceXE /f /reg:32
quiet wine reg add "$VELMORA_CONFIG_KEY" /v InfoText /d "Bleibt erhalten" /f /reg:32
quiet wine reg add "$VELMORA_CONFIG_KEY" /v ParamAsk /t REG_DWORD /d 0 /f /reg:32
quiet wine reg add "$VELMORA_CONFIG_KEY" /v ParamEnde /t REG_DWORD /d 0 /f /reg:32
settings() { wine reg query "$VELMORA_COMPANY_KEY" /s </dev/null 2>&1; }
settings_before=$(settings)
check grep -q "^PE32 executable (GUI) Intel 80386" <(file -b "$install_dir/Velmora.exe")

check quiet wine "$setup" /S
check test ! -e "$install_dir/VelmoraDienste.exe"
# One program, of the release's processor, where 1.5.5 was; one Apps entry; the settings as they were.
check grep -q "^$(velmora_file_type)" <(file -b "$install_dir/Velmora.exe")
one_apps_entry() {
    [ "$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s </dev/null 2>/dev/null |
         grep -c 'DisplayName    REG_SZ    Velmora')" -eq 1 ]
}
check one_apps_entry
check test "$(settings)" = "$settings_before"
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
# The autostart 1.5.5 had goes on, now to the new program.
check autostart_of "$install_dir_win"

# The installed program starts and watches the service 1.5.5 was set to; while it runs, neither
# a silent setup nor a silent uninstall goes ahead (exit code 2). Run in place (_?=), the
# uninstaller's exit code is its own.
wine "$install_dir/Velmora.exe" </dev/null >/dev/null 2>&1 &
app=$!
check within 60 quiet driver wait-text Velmora IDC_ORACLE_NAME "(OracleServiceXE)" 0
check exits_with 2 wine "$setup" /S
check exits_with 2 wine "$install_dir/Uninstall.exe" /S "_?=$install_dir_win"
check test -f "$install_dir/Velmora.exe"
check quiet driver command Velmora ID_TRAY_CLOSE   # the tray menu's "Schließen"
program_ended() { ! kill -0 "$app" 2>/dev/null; }
check within 30 program_ended

# Installed again to another folder (/D= last and unquoted, as NSIS wants it) without the
# autostart: the first install goes, and with it the Run value it had written.
check quiet wine "$setup" /S /NOAUTOSTART "/D=$other_dir_win"
check test ! -e "$install_dir"
check installed_in "$other_dir" "$other_dir_win"
check no_run_value
# Without /D= the setup installs into the folder chosen before, and an update keeps the
# autostart off, as it was.
check quiet wine "$setup" /S
check test ! -e "$install_dir"
check installed_in "$other_dir" "$other_dir_win"
check no_run_value

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
check test "$(reg_value "$VELMORA_CONFIG_KEY" InfoText)" = "Bleibt erhalten"

if [ "$failures" -ne 0 ]; then
    echo "install test: $failures checks failed" >&2
    exit 1
fi
echo "install test: resources, processor, signatures, identical builds, silent setups (an update" \
     "over 32-bit 1.5.5, another folder, the remembered one, without autostart, an older version" \
     "refused) and silent uninstall passed"
