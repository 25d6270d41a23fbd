# shellcheck shell=bash
# Sourced by the scripts: a private Wine prefix with its own persistent wineserver and X display.
# Usage: wine_env_start PREFIX_DIR ; wine_env_stop (or wine_env_fresh NAME [FOLDER])
# A prefix these scripts made carries this file; only such a prefix is ever deleted.
VELMORA_PREFIX_MARK=.made-by-velmora-scripts

wine_env_start() {
    # Checked before WINEPREFIX is set, so that a refusal stops no server of someone else's prefix.
    if [ -n "$(ls -A "$1" 2>/dev/null)" ] && [ ! -f "$1/$VELMORA_PREFIX_MARK" ]; then
        echo "$1 exists and was not made by these scripts, which start their prefix afresh and" \
             "would delete what is in it. Name a folder that does not exist yet." >&2
        return 1
    fi
    export WINEPREFIX="$1"
    VELMORA_STARTED_PREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml='
    if [ -z "${DISPLAY:-}" ] || [ "${VELMORA_FORCE_XVFB:-0}" = 1 ]; then
        # Xvfb picks a free display itself, so prefixes started side by side never share one.
        local numberfile
        numberfile=$(mktemp)
        Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
        VELMORA_XVFB_PID=$!
        local deadline=$((SECONDS + 20))
        until [ -s "$numberfile" ] || [ $SECONDS -ge $deadline ]; do sleep 0.1; done
        DISPLAY=":$(tr -dc 0-9 <"$numberfile")"
        export DISPLAY
        rm -f "$numberfile"
    fi
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
    touch "$WINEPREFIX/$VELMORA_PREFIX_MARK"
    # A persistent server keeps services alive and makes every later wine start cheap.
    wineserver -p
    wine wineboot -i >/dev/null 2>&1
    wine_env_fonts
    # The first boot of a new prefix can leave two service managers answering at random;
    # one clean restart leaves exactly one.
    wineserver -k
    wineserver -p
    wine wineboot >/dev/null 2>&1
    # Without a window manager, Wine waits two seconds for every managed window that goes away;
    # unmanaged windows go at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# Wine's own fonts (Marlett for the caption buttons, MS Sans Serif and Tahoma for the dialogs)
# from Debian's fonts-wine: this Wine finds them only in the prefix's Fonts folder.
wine_env_fonts() {
    cp -L /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

# A fresh prefix of its own under /tmp (named after $1), on its own Xvfb display; the server,
# the display and the prefix, and the caller's folder $2 if given, go when the calling script ends.
wine_env_fresh() {
    local prefix
    prefix=$(mktemp -d "/tmp/$1.XXXXXX")
    # shellcheck disable=SC2064 # the folders are fixed now, the trap runs later
    trap "wine_env_stop; rm -rf '$prefix' ${2:+'$2'}" EXIT
    VELMORA_FORCE_XVFB=1 wine_env_start "$prefix"
}

# Ends every process of the prefix started here, and only those: a WINEPREFIX the caller
# brought along is not ours to stop.
wine_env_stop() {
    if [ -n "${VELMORA_STARTED_PREFIX:-}" ]; then
        WINEPREFIX=$VELMORA_STARTED_PREFIX wineserver -k 2>/dev/null || true
        WINEPREFIX=$VELMORA_STARTED_PREFIX wineserver -w 2>/dev/null || true
    fi
    # Ctrl+C reaches the display server too, so it may have gone already.
    if [ -n "${VELMORA_XVFB_PID:-}" ]; then
        kill "$VELMORA_XVFB_PID" 2>/dev/null || true
    fi
}
