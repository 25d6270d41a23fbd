# Sourced by the scripts: a private Wine prefix with its own persistent wineserver and X display.
# Usage: wine_env_start PREFIX_DIR ; wine_env_stop
wine_env_start() {
    export WINEPREFIX="$1"
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
        export DISPLAY=":$(tr -dc 0-9 <"$numberfile")"
        rm -f "$numberfile"
    fi
    rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
    # A persistent server keeps services alive and makes every later wine start cheap.
    wineserver -p
    wine wineboot -i >/dev/null 2>&1
    # The first boot of a new prefix can leave two service managers answering at random;
    # one clean restart leaves exactly one.
    wineserver -k
    wineserver -p
    wine wineboot >/dev/null 2>&1
    # Without a window manager, Wine waits two seconds for every managed window that goes away;
    # unmanaged windows go at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# A fresh prefix of its own under /tmp (named after $1), on its own Xvfb display; the server,
# the display and the prefix go when the calling script ends.
wine_env_fresh() {
    local prefix
    prefix=$(mktemp -d "/tmp/$1.XXXXXX")
    # shellcheck disable=SC2064 # the prefix is fixed now, the trap runs later
    trap "wine_env_stop; rm -rf '$prefix'" EXIT
    VELMORA_FORCE_XVFB=1 wine_env_start "$prefix"
}

wine_env_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${VELMORA_XVFB_PID:-}" ] && kill "$VELMORA_XVFB_PID" 2>/dev/null
    return 0
}
