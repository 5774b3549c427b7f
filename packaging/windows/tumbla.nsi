; The Windows installer: Tumbla.exe and its help page for the current user alone, with no
; administrator rights, in %LOCALAPPDATA%\Programs\Tumbla, a Start-menu shortcut and an
; uninstaller listed in Apps & features. The uninstaller removes only what it installed: the
; player's settings, scores and history beside the game stay, and so does their folder.
;   makensis -DVERSION=1.01 -DVERSION4=1.1.0.0 -DEXE=... -DHELP=... -DICON=... -DOUTFILE=... tumbla.nsi
; A 64-bit installer for a 64-bit game: it runs wherever the game does, Wine without its
; 32-bit half included.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tumbla"

Name "Tumbla"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tumbla"
Icon "${ICON}"
UninstallIcon "${ICON}"

VIProductVersion "${VERSION4}"
VIAddVersionKey "ProductName" "Tumbla"
VIAddVersionKey "CompanyName" "Tumbla developers"
VIAddVersionKey "FileDescription" "Tumbla setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Tumbla developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "/oname=Tumbla.exe" "${EXE}"
  File "/oname=Tumbla.htm" "${HELP}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tumbla.lnk" "$INSTDIR\Tumbla.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tumbla"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tumbla.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tumbla developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$INSTDIR\Tumbla.exe"
  Delete "$INSTDIR\Tumbla.htm"
  Delete "$INSTDIR\Uninstall.exe"
  Delete "$SMPROGRAMS\Tumbla.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only when empty: the player's files keep the folder.
  RMDir "$INSTDIR"
SectionEnd
