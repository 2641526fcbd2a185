; The setup of Kelvaro for Windows, Kelvaro-Setup-<version>.exe: installs the
; programs with Qt, the time zones, the fonts and the samples into Program
; Files, makes the program folder C:\Astro\Kelvaro, puts "Kelvaro" into the
; Start menu (started in the program folder, where it saves its results)
; and registers an uninstaller. The program makes C:\Astro\transdat (with
; the samples) on its first start; the uninstaller leaves C:\Astro, it holds
; the user's files.
;
;   makensis -DVERSION=5.5 -DSTAGE=<installed files> -DUNINSTALL_LIST=<list.nsh> -DOUTFILE=<setup.exe> kelvaro.nsi
;
; /S installs without asking (into /D=<folder> where given).
Unicode true
; A 64-bit setup, like the program (and Wine without its 32-bit part runs it).
Target amd64-unicode
!include "MUI2.nsh"
!include "LogicLib.nsh"

; Where Kelvaro runs and saves its results (ui/platform/program_folders.h).
!define PROGRAM_FOLDER "C:\Astro\Kelvaro"

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
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunInProgramFolder
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

; "Kelvaro ausführen" on the last page: as the Start-menu entry starts it.
Function RunInProgramFolder
  SetOutPath "${PROGRAM_FOLDER}"
  Exec '"$INSTDIR\kelvaro.exe"'
FunctionEnd

; Results an earlier version saved into the install folder (the Start-menu
; entry started it there) move to the program folder; where a file of that
; name is there already, both stay where they are. Nothing is deleted.
!macro MoveResults PATTERN
  FindFirst $0 $1 "$INSTDIR\${PATTERN}"
  ${DoWhile} $1 != ""
    ${If} $1 != "LICENSE.txt"
    ${AndIfNot} ${FileExists} "${PROGRAM_FOLDER}\$1"
      Rename "$INSTDIR\$1" "${PROGRAM_FOLDER}\$1"
    ${EndIf}
    FindNext $0 $1
  ${Loop}
  FindClose $0
!macroend

Section "Kelvaro"
  CreateDirectory "${PROGRAM_FOLDER}"
  !insertmacro MoveResults "*.txt"
  !insertmacro MoveResults "*.pdf"
  !insertmacro MoveResults "*.png"
  !insertmacro MoveResults "*.svg"
  !insertmacro MoveResults "*.ics"
  !insertmacro MoveResults "*.aaf"
  !insertmacro MoveResults "*.csv"

  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetShellVarContext all
  ; A shortcut starts its program in the output folder it was made in.
  SetOutPath "${PROGRAM_FOLDER}"
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
