; Setup of Velmora for one user: no administrator rights, German pages. Built by
; scripts/package.sh, which passes VERSION (from res/Version.h), ARCH (x64 or x86), FILES_DIR
; (the release's files, signed when it signs), OUT_FILE and, to sign the uninstaller and the
; setup, SIGN. An update keeps the folder, the settings and the autostart as they were; a
; first silent install (/S) starts with Windows unless /NOAUTOSTART is given. A silent
; uninstall keeps the settings.
Unicode true
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include WordFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; Where Windows notes that a user switched the autostart off in the Task Manager.
!define STARTUP_APPROVED_KEY "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run"
; The program's settings, one branch per executable name below it.
!define SETTINGS_KEY "Software\Orvik Velmora"
; Exit codes of a silent run that changed nothing: Velmora is running (setup or uninstaller),
; or a newer version is installed (setup).
!define EXIT_VELMORA_RUNNING 2
!define EXIT_NEWER_INSTALLED 3
!searchparse "${VERSION}" "" VERSION_MAJOR "." VERSION_MINOR "."

!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"' = 0
    !finalize '"${SIGN}" "%1"' = 0
!endif

Name "Velmora"
OutFile "${OUT_FILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Velmora"
; A folder chosen once is where the next setup installs again.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
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
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Velmora ${VERSION} (${ARCH}) – Installation"
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

; Takes away what a version of Velmora installed in the folder $0 (the files of the list, those
; of earlier versions too, and the uninstaller), then the folder if nothing else is left in it.
!macro VelmoraFile Folder Name
    Delete "$0\${Name}"
!macroend
!macro VelmoraRetiredFile Name
    Delete "$0\${Name}"
!macroend
!macro RemoveVelmoraFiles un
Function ${un}RemoveVelmoraFiles
    !include Files.nsh
    Delete "$0\Uninstall.exe"
    RMDir "$0"
FunctionEnd
!macroend
!insertmacro RemoveVelmoraFiles ""
!insertmacro RemoveVelmoraFiles "un."
!macroundef VelmoraFile
!macroundef VelmoraRetiredFile

!macro RemoveAutostart un
Function ${un}RemoveAutostart
    DeleteRegValue HKCU "${RUN_KEY}" "Velmora"
    DeleteRegValue HKCU "${STARTUP_APPROVED_KEY}" "Velmora"
FunctionEnd
!macroend
!insertmacro RemoveAutostart ""
!insertmacro RemoveAutostart "un."

Section "Velmora" SecProgram
    SectionIn RO
    ; Velmora may have been started while the pages were open.
    Call AskToCloseVelmora
    ; Never two installs: a setup for another folder first takes the earlier one's files away.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 != $INSTDIR
        Call RemoveVelmoraFiles
    ${EndIf}
    SetOutPath "$INSTDIR"
    !macro VelmoraFile Folder Name
        File "${FILES_DIR}/${Name}"
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
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "VersionMinor" ${VERSION_MINOR}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Orvik"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Mit Windows starten" SecAutostart
    WriteRegStr HKCU "${RUN_KEY}" "Velmora" '"$INSTDIR\Velmora.exe"'
SectionEnd

; The autostart follows the option on every install: left out, none from before stays.
Section "-AutostartLeftOut"
    ${IfNot} ${SectionIsSelected} ${SecAutostart}
        Call RemoveAutostart
    ${EndIf}
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Das Programm Velmora.exe, ein Eintrag im Startmenü und die Deinstallation."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecAutostart} "Velmora startet bei jeder Anmeldung an Windows."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
    ; Installs before this version have no VersionMajor: their DisplayVersion says which they are.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != ""
        ${VersionCompare} $0 "${VERSION}" $1
        ${If} $1 = 1
            MessageBox MB_OK|MB_ICONSTOP \
                "Velmora $0 ist bereits installiert, eine neuere Version als diese (${VERSION}). Die Installation wird abgebrochen. Um Velmora ${VERSION} zu installieren, deinstallieren Sie bitte zuerst Velmora $0." \
                /SD IDOK
            SetErrorLevel ${EXIT_NEWER_INSTALLED}
            Quit
        ${EndIf}
        ; An update keeps the user's choice: an install that did not start with Windows still does not.
        ReadRegStr $1 HKCU "${RUN_KEY}" "Velmora"
        ${If} $1 == ""
            !insertmacro UnselectSection ${SecAutostart}
        ${EndIf}
    ${EndIf}
    Call AskToCloseVelmora
    ; For administrators who deploy Velmora: a silent install without the autostart.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NOAUTOSTART" $1
    ${IfNot} ${Errors}
        !insertmacro UnselectSection ${SecAutostart}
    ${EndIf}
FunctionEnd

Function un.onInit
    Call un.AskToCloseVelmora
FunctionEnd

Section "un.Velmora" UnSecProgram
    SectionIn RO
    ; Velmora may have been started while the pages were open.
    Call un.AskToCloseVelmora
    StrCpy $0 $INSTDIR
    Call un.RemoveVelmoraFiles
    ; The entries belong to the install in the folder the Apps entry names: an uninstaller
    ; left elsewhere takes away its own files only.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        Delete "$SMPROGRAMS\Velmora.lnk"
        Call un.RemoveAutostart
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd

Section /o "un.Einstellungen entfernen" UnSecSettings
    DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "Entfernt Velmora.exe, den Eintrag im Startmenü und den Autostart."
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} "Entfernt auch die Einstellungen (HKEY_CURRENT_USER\${SETTINGS_KEY}). Ohne Haken bleiben sie für eine spätere Installation erhalten."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
