; The setup of Kelvaro for Windows, Kelvaro-Setup-<version>.exe: installs the
; programs with Qt, the time zones and the samples into Program Files, puts
; "Kelvaro" into the Start menu and registers an uninstaller. The program
; makes C:\Astro\Kelvaro and C:\astro\transdat (with the samples) on its first
; start; the uninstaller leaves both, they hold the user's files.
;
;   makensis -DVERSION=5.5 -DSTAGE=<installed files> -DUNINSTALL_LIST=<list.nsh> -DOUTFILE=<setup.exe> kelvaro.nsi
;
; /S installs without asking (into /D=<folder> where given).
Unicode true
; A 64-bit setup, like the program (and Wine without its 32-bit part runs it).
Target amd64-unicode
!include "MUI2.nsh"

Name "Kelvaro ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kelvaro"
InstallDirRegKey HKLM "Software\Kelvaro" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Kelvaro ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvaro"
!define MUI_ICON "${STAGE}/kelvaro.ico"
!define MUI_UNICON "${STAGE}/kelvaro.ico"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\kelvaro.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "Kelvaro"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Kelvaro-Setup"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "AGPL-3.0-or-later"

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Kelvaro"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Kelvaro.lnk" "$INSTDIR\kelvaro.exe" "" "$INSTDIR\kelvaro.ico" 0

  WriteRegStr HKLM "Software\Kelvaro" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kelvaro"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kelvaro.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Kelvaro"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Everything the setup installed, and nothing of C:\Astro.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Kelvaro.lnk"
  ; Only what the setup put there, in case the folder was shared.
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Kelvaro"
SectionEnd
