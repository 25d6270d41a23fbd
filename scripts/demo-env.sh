# shellcheck shell=bash
# Sourced by run.sh and screenshots.sh, once wine-env.sh has started their prefix: the two
# stand-in Oracle services registered in it and the program pointed at them, a Wine virtual
# desktop to run in, the driver that operates the program and a capture of that desktop.
# Usage: demo_env_prepare WIDTHxHEIGHT ; demo_env_started ; demo_env_capture FILE
# Uses common.sh's helpers and the build in $VELMORA_BUILD.

# The program is pointed at the services as its settings dialog would, and starts the database
# at launch, so that there is something to watch. Every wine process of the prefix shares the
# desktop, where the program's tray icon has a notification area to live in.
demo_env_prepare() {
    demo_env_desktop=$1
    step "Registering the stand-in service OracleServiceVELMORA" \
        driver create-service OracleServiceVELMORA OracleServiceVELMORA --start-delay=3000 --stop-delay=2000
    step "Registering the stand-in service OracleVelmoraTNSListener" \
        driver create-service OracleVelmoraTNSListener OracleVelmoraTNSListener --start-delay=1500 --stop-delay=1000
    quiet wine reg add "$VELMORA_CONFIG_KEY" /v OracleSrv /d OracleServiceVELMORA /f
    quiet wine reg add "$VELMORA_CONFIG_KEY" /v OracleTns /d OracleVelmoraTNSListener /f
    quiet wine reg add "$VELMORA_CONFIG_KEY" /v ParamStart /t REG_DWORD /d 1 /f
    quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Velmora /f
    quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Velmora /d "$demo_env_desktop" /f
}

# Waits until the main window shows both services started, for at most a minute each.
demo_env_started() {
    quiet driver wait-text Velmora IDC_ORACLE_STATE "Oracle ist gestartet." 60000 &&
        quiet driver wait-text Velmora IDC_TNS_STATE "TNS-Listener ist gestartet." 60000
}

demo_env_capture() {
    import -display "$DISPLAY" -window root -crop "$demo_env_desktop+0+0" +repage "$1"
}
