; The Windows installer of Brelosta, built by makensis from the cross build
; (scripts/build-windows.sh, target "installer"):
;   makensis -DVERSION=3.9.3 -DSOURCE_DIR=... -DBUILD_DIR=... -DDATA_FILES=... -DOUTFILE=... brelosta.nsi
; DATA_FILES is an include written by CMake that installs and removes the
; shipped catalogues and samples one by one.
; Installs the window, the command line, the user guide, the catalogues and
; the samples into Program Files, a Start-menu shortcut and an uninstaller,
; and gives the installing user a working folder, Documents\Brelosta, with
; copies of the catalogues and samples that the shortcut starts in, so that
; datum.txt can be edited there. "/S" installs silently.

; A 64-bit installer for the 64-bit program.
Target amd64-unicode
!ifndef VERSION | SOURCE_DIR | BUILD_DIR | DATA_FILES | OUTFILE
  !error "makensis -DVERSION=... -DSOURCE_DIR=... -DBUILD_DIR=... -DDATA_FILES=... -DOUTFILE=... brelosta.nsi"
!endif
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${DATA_FILES}"

!define PRODUCT "Brelosta"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brelosta"
!define UNINSTALLER "desinstalar.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${SOURCE_DIR}\packaging\icons\brelosta.ico"
!define MUI_UNICON "${SOURCE_DIR}\packaging\icons\brelosta.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\brelosta.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "Equipo de desarrollo de ${PRODUCT}"

Function .onInit
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Brelosta"
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}\src\win32\brelosta.exe"
  File "${BUILD_DIR}\src\cli\brelosta-cli.exe"
  File "${SOURCE_DIR}\docs\ayuda.html"
  !insertmacro InstallDataFiles
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The installing user's working folder: copies of the catalogues and
  ; samples, never over files the user already has there.
  SetShellVarContext current
  SetOutPath "$DOCUMENTS\${PRODUCT}"
  SetOverwrite off
  !insertmacro InstallDataFiles
  SetOverwrite on

  ; The shortcut starts the program in the working folder (the output path
  ; of the moment becomes its working folder).
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\brelosta.exe" "" "$INSTDIR\brelosta.exe" 0
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Ayuda de ${PRODUCT}.lnk" "$INSTDIR\ayuda.html"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Desinstalar ${PRODUCT}.lnk" "$INSTDIR\${UNINSTALLER}"
  WriteRegStr HKCU "Software\${PRODUCT}" "StartMenuFolder" "$SMPROGRAMS\${PRODUCT}"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brelosta.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's working folder stays: it holds the user's own files.
Section "Uninstall"
  Delete "$INSTDIR\brelosta.exe"
  Delete "$INSTDIR\brelosta-cli.exe"
  Delete "$INSTDIR\ayuda.html"
  !insertmacro UninstallDataFiles
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  SetShellVarContext current
  ReadRegStr $0 HKCU "Software\${PRODUCT}" "StartMenuFolder"
  StrCmp $0 "" +5
  Delete "$0\${PRODUCT}.lnk"
  Delete "$0\Ayuda de ${PRODUCT}.lnk"
  Delete "$0\Desinstalar ${PRODUCT}.lnk"
  RMDir "$0"
  DeleteRegKey HKCU "Software\${PRODUCT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
