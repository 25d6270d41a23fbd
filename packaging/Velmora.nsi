; Setup of Velmora for one user: no administrator rights, German pages. Built by
; scripts/package.sh, which passes VERSION (from res/Version.h), BUILD_DIR and OUT_FILE.
; Silent (/S) it installs with every option on, "Mit Windows starten" included; a silent
; uninstall keeps the settings.
Unicode true
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The program's settings, one branch per executable name below it.
!define SETTINGS_KEY "Software\Orvik Velmora"
; A silent setup or uninstaller that finds Velmora running ends with this code.
!define EXIT_VELMORA_RUNNING 2

Name "Velmora"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Velmora"
SetCompressor /SOLID lzma
BrandingText "Velmora ${VERSION}"
VIProductVersion "${VERSION}.0"

!define MUI_ICON "../res/app.ico"
!define MUI_UNICON "../res/app.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Velmora.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Velmora jetzt starten"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Velmora"
VIAddVersionKey /LANG=${LANG_GERMAN} "CompanyName" "Orvik"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Velmora ${VERSION} – Installation"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "© 2026 Orvik"

; Velmora's exit path may stop the database, so neither the setup nor the uninstaller ends it:
; they ask the user to close it, and a silent run gives up with an exit code instead of waiting.
!macro AskToCloseVelmora un
Function ${un}AskToCloseVelmora
    retry:
    FindWindow $0 "#32770" "Velmora"
    IntCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Velmora läuft noch. Bitte schließen Sie Velmora (Symbol im Infobereich, »Schließen«) und klicken Sie dann auf »Wiederholen«." \
        /SD IDCANCEL IDRETRY retry
    SetErrorLevel ${EXIT_VELMORA_RUNNING}
    Quit
    closed:
FunctionEnd
!macroend
!insertmacro AskToCloseVelmora ""
!insertmacro AskToCloseVelmora "un."

Function .onInit
    Call AskToCloseVelmora
FunctionEnd

Function un.onInit
    Call un.AskToCloseVelmora
FunctionEnd

Section "Velmora" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    !macro VelmoraFile Folder Name
        File "${BUILD_DIR}/${Folder}/${Name}"
    !macroend
    !macro VelmoraRetiredFile Name
        Delete "$INSTDIR\${Name}"
    !macroend
    !include Files.nsh
    !macroundef VelmoraFile
    !macroundef VelmoraRetiredFile
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Velmora.lnk" "$INSTDIR\Velmora.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Orvik"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Mit Windows starten" SecAutostart
    WriteRegStr HKCU "${RUN_KEY}" "Velmora" '"$INSTDIR\Velmora.exe"'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Das Programm Velmora.exe, ein Eintrag im Startmenü und die Deinstallation."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "Velmora startet bei jeder Anmeldung an Windows."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "un.Velmora" UnSecProgram
    SectionIn RO
    !macro VelmoraFile Folder Name
        Delete "$INSTDIR\${Name}"
    !macroend
    !macro VelmoraRetiredFile Name
        Delete "$INSTDIR\${Name}"
    !macroend
    !include Files.nsh
    !macroundef VelmoraFile
    !macroundef VelmoraRetiredFile
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Velmora.lnk"
    DeleteRegValue HKCU "${RUN_KEY}" "Velmora"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Einstellungen entfernen" UnSecSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "Entfernt Velmora.exe, den Eintrag im Startmenü und den Autostart."
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "Entfernt auch die Einstellungen (HKEY_CURRENT_USER\${SETTINGS_KEY}). Ohne Haken bleiben sie für eine spätere Installation erhalten."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
