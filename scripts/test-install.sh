#!/usr/bin/env bash
# Checks the release as a Windows user gets it: the program's resources (German, version,
# manifest), then in a fresh Wine prefix of its own the silent setup, the installed program,
# the refusal to install or uninstall over a running Velmora, and the silent uninstall, which
# removes everything but the settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
./scripts/build.sh velmora-driver >/dev/null
./scripts/package.sh >/dev/null
build="$root/build/mingw-i686"
version=$(sed -n 's/^#define VELMORA_VERSION "\(.*\)"$/\1/p' res/Version.h)
setup="$root/build/dist/Velmora-$version-setup.exe"

failures=0
check() {  # check COMMAND...: counts and names a failure, and goes on with the other checks
    "$@" || { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
}
# Polls a condition with a deadline: the uninstaller, for one, works on after its start returned.
within() {  # within SECONDS COMMAND...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

# --- the resources, read back from the built program ---
exe="$build/app/Velmora.exe"
rc=$(i686-w64-mingw32-windres -i "$exe" -O rc)
IFS=. read -r major minor patch <<<"$version"
all_german() {  # windres names a resource's language where it changes: once, before the first
    [ "$(grep -v '^\s*$' <<<"$rc" | sed '/^\/\*/,/\*\//d' | head -1)" = "LANGUAGE 7, 1" ] &&
        [ "$(grep '^LANGUAGE' <<<"$rc" | sort -u)" = "LANGUAGE 7, 1" ]
}
check all_german
check grep -q "^ FILEVERSION $major, $minor, $patch, 0$" <<<"$rc"
check grep -q "^ PRODUCTVERSION $major, $minor, $patch, 0$" <<<"$rc"
check grep -q "VALUE \"ProductVersion\", \"$version\"" <<<"$rc"
check grep -q 'VALUE "ProductName", "Velmora"' <<<"$rc"
check grep -q 'VALUE "CompanyName", "Orvik"' <<<"$rc"
check grep -q 'VALUE "Translation", 0x407, 1252' <<<"$rc"
manifest=$(sed -n '/RT_MANIFEST/,/^END/p' <<<"$rc")
check grep -q 'level=""asInvoker""' <<<"$manifest"
check grep -q 'supportedOS' <<<"$manifest"
no_look_changes() { ! grep -qiE 'Common-Controls|dpiAware' <<<"$manifest"; }
check no_look_changes
headers=$(i686-w64-mingw32-objdump -p -h "$exe")
check grep -qP "^MajorImageVersion\t$major$" <<<"$headers"
check grep -qP "^MinorImageVersion\t$minor$" <<<"$headers"
no_debug_sections() { ! grep -q '\.debug' <<<"$headers"; }
check no_debug_sections
# Velmora.exe is the release's only program: the zip holds nothing else that runs.
zip="$root/build/dist/Velmora-$version-portable.zip"
check test "$(zip -sf "$zip" | sed -n 's/^  //p' | grep -v '/$')" = "Velmora/Velmora.exe"

# --- install, run, uninstall ---
. scripts/wine-env.sh
wine_env_fresh velmora-install-prefix
# Shortcuts stay in the prefix: no menu entries for the desktop of whoever runs the tests.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
driver() { wine "$build/tools/velmora-driver.exe" "$@" </dev/null >/dev/null 2>&1; }
quiet() { "$@" </dev/null >/dev/null 2>&1; }
windows_var() { wine cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r'; }
reg_value() {  # reg_value KEY NAME: the value's data, or failure
    wine reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $2    REG_[A-Z_]*    //p" | grep .
}

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
config='HKCU\Software\Orvik Velmora\Velmora\Config'
install_dir_win="$(windows_var LOCALAPPDATA)\\Programs\\Velmora"
install_dir=$(winepath -u "$install_dir_win" 2>/dev/null)
shortcut=$(winepath -u "$(windows_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Velmora.lnk" 2>/dev/null)

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
while read -r folder name; do  # every file of the release, as built
    check cmp -s "$build/$folder/$name" "$install_dir/$name"
done < <(sed -n 's/^!insertmacro VelmoraFile //p' packaging/Files.nsh)
check test -f "$install_dir/Uninstall.exe"
check test -s "$shortcut"
shortcut_target() { strings -a "$shortcut" | grep -qxF "$install_dir_win\\Velmora.exe"; }
check shortcut_target
check test "$(reg_value "$uninstall_key" DisplayName)" = Velmora
check test "$(reg_value "$uninstall_key" DisplayVersion)" = "$version"
check test "$(reg_value "$uninstall_key" Publisher)" = Orvik
check test "$(reg_value "$uninstall_key" UninstallString)" = "\"$install_dir_win\\Uninstall.exe\""
check test "$(reg_value "$uninstall_key" DisplayIcon)" = "$install_dir_win\\Velmora.exe,0"
check test "$(reg_value "$uninstall_key" NoModify)" = 0x1
check test "$(reg_value "$uninstall_key" NoRepair)" = 0x1
# A silent setup selects every option, the autostart included.
check test "$(reg_value "$run_key" Velmora)" = "\"$install_dir_win\\Velmora.exe\""

# The installed program starts; while it runs, neither a silent setup nor a silent uninstall
# goes ahead (exit code 2). Run in place (_?=), the uninstaller's exit code is its own.
wine "$install_dir/Velmora.exe" </dev/null >/dev/null 2>&1 &
app=$!
check within 60 driver text Velmora 1009
refused() { local status=0; quiet "$@" || status=$?; [ "$status" -eq 2 ]; }
check refused wine "$setup" /S
check refused wine "$install_dir/Uninstall.exe" /S "_?=$install_dir_win"
check test -f "$install_dir/Velmora.exe"
check driver command Velmora 32773   # the tray menu's "Schließen"
program_ended() { ! kill -0 "$app" 2>/dev/null; }
check within 30 program_ended

# The uninstaller copies itself to a temporary folder and returns at once: wait for its work.
check quiet wine "$install_dir/Uninstall.exe" /S
gone() { [ ! -e "$install_dir" ] && [ ! -e "$shortcut" ] && ! reg_value "$uninstall_key" DisplayName >/dev/null &&
         ! reg_value "$run_key" Velmora >/dev/null; }
check within 60 gone
check test ! -e "$install_dir"
check test ! -e "$shortcut"
no_uninstall_entry() { ! quiet wine reg query "$uninstall_key"; }
check no_uninstall_entry
no_run_value() { ! reg_value "$run_key" Velmora >/dev/null; }
check no_run_value
check test "$(reg_value "$config" InfoText)" = "Bleibt erhalten"

if [ "$failures" -ne 0 ]; then
    echo "install test: $failures checks failed" >&2
    exit 1
fi
echo "install test: resources, silent setup, installed program and silent uninstall passed"
