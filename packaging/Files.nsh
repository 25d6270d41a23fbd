; The files of a release, each as its folder in the build tree and its name. The setup installs
; them, the uninstaller removes them and scripts/package.sh puts them in the portable zip: a
; new program file is one more line here.
!insertmacro VelmoraFile app Velmora.exe
; Files an earlier version installed and this one no longer has: the setup and the uninstaller
; delete them, so that none is left behind in the installation folder.
!insertmacro VelmoraRetiredFile VelmoraDienste.exe
