; Scrivex's installer: for the current user only, without administrator rights. It puts the
; program under %LOCALAPPDATA%\Programs\Scrivex, adds a Start-menu shortcut, lists Scrivex in
; "Open with" for .txt, .log and .ini without taking over the default program of any type,
; and adds an entry to the installed programs. Installing over an installed copy upgrades it
; in place; the uninstaller removes every file and key the installer made, and nothing of the
; user's (files the user put into the program's folder stay, and so does the folder then).
; /S installs and uninstalls silently.
;
; Built by `make dist`: makensis -DVERSION=x.y.z -DSTAGE=<folder with the files>
;   -DICON=<scrivex.ico> -DOUTFILE=<setup.exe> scrivex.nsi

!ifndef VERSION | STAGE | ICON | OUTFILE
  !error "makensis -DVERSION=.. -DSTAGE=.. -DICON=.. -DOUTFILE=.. scrivex.nsi"
!endif

Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh

!define PUBLISHER "The Scrivex authors"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Scrivex"
!define APP_KEY "Software\Classes\Applications\scrivex.exe"
; The program type listed under each file type's OpenWithProgids.
!define PROGID "Scrivex.Text"
; The program's own settings (HKCU): the uninstaller removes them with the program.
!define SETTINGS_KEY "Software\Scrivex"

Name "Scrivex ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Scrivex"
; An installed copy is upgraded where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Scrivex ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Scrivex"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Scrivex ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\scrivex.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The files the installer puts into the program's folder, besides the uninstaller.
!macro ProgramFiles Do
  !insertmacro ${Do} "scrivex.exe"
  !insertmacro ${Do} "About.exe"
  !insertmacro ${Do} "LICENSE.txt"
  !insertmacro ${Do} "README.txt"
!macroend
!macro InstallFile Name
  File "${STAGE}/${Name}"
!macroend
!macro RemoveFile Name
  Delete "$INSTDIR\${Name}"
!macroend

; The file types that list Scrivex in "Open with".
!macro FileTypes Do
  !insertmacro ${Do} ".txt"
  !insertmacro ${Do} ".log"
  !insertmacro ${Do} ".ini"
!macroend
!macro AddOpenWith Type
  WriteRegStr HKCU "Software\Classes\${Type}\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKCU "${APP_KEY}\SupportedTypes" "${Type}" ""
!macroend
!macro RemoveOpenWith Type
  DeleteRegValue HKCU "Software\Classes\${Type}\OpenWithProgids" "${PROGID}"
  ; The type's keys go only when nothing else (of the user's or another program's) is in them.
  DeleteRegKey /ifempty HKCU "Software\Classes\${Type}\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "Software\Classes\${Type}"
!macroend

!define SHCNE_ASSOCCHANGED 0x08000000

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Scrivex"
  SetOutPath "$INSTDIR"
  !insertmacro ProgramFiles InstallFile
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Scrivex.lnk" "$INSTDIR\scrivex.exe" "" "$INSTDIR\scrivex.exe" 0 \
    SW_SHOWNORMAL "" "Multiple-document plain-text editor"

  ; "Open with": the program and a program type that each file type lists; the default
  ; program of a type (the type key's own value) is never touched.
  WriteRegStr HKCU "${APP_KEY}" "FriendlyAppName" "Scrivex"
  WriteRegStr HKCU "${APP_KEY}\DefaultIcon" "" "$INSTDIR\scrivex.exe,0"
  WriteRegStr HKCU "${APP_KEY}\shell\open\command" "" '"$INSTDIR\scrivex.exe" "%1"'
  WriteRegStr HKCU "Software\Classes\${PROGID}" "" "Text Document (Scrivex)"
  WriteRegStr HKCU "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\scrivex.exe,0"
  WriteRegStr HKCU "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\scrivex.exe" "%1"'
  !insertmacro FileTypes AddOpenWith

  ; The entry in the installed programs.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Scrivex"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\scrivex.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  !insertmacro ProgramFiles RemoveFile
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: files the user put there stay, and the folder with them.
  RMDir "$INSTDIR"
  RMDir "$LOCALAPPDATA\Programs"
  Delete "$SMPROGRAMS\Scrivex.lnk"

  !insertmacro FileTypes RemoveOpenWith
  DeleteRegKey HKCU "${APP_KEY}"
  DeleteRegKey HKCU "Software\Classes\${PROGID}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ; The lists the installer may have been the first to make, when nothing else is in them.
  DeleteRegKey /ifempty HKCU "Software\Classes\Applications"
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"

  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd
