; The Windows setup program: per machine, Italian, one for every Windows. A
; 32-bit program itself, it installs the 64-bit Valutrino on x64 Windows and
; the 32-bit one elsewhere (32-bit Windows, and Windows on ARM, which runs it).
; `./dev installer` and `./dev release` build it:
;   makensis -DVERSION=1.00 -DVERSION_QUAD=1.0.0.0 -DEXE64=path/to/64-bit/Valutrino.exe
;            -DEXE32=path/to/32-bit/Valutrino.exe -DICON=path/to/euro-coin.ico
;            -DOUTFILE=path/to/setup.exe -DFINISH=path/to/tools/finish_program.sh
;            installer/valutrino.nsi

!ifndef VERSION | VERSION_QUAD | EXE64 | EXE32 | ICON | OUTFILE | FINISH
  !error "Pass VERSION, VERSION_QUAD, EXE64, EXE32, ICON, OUTFILE and FINISH: see the top of this file"
!endif

!define PUBLISHER "Valutrino developers"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Valutrino"

Unicode true
Target x86-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

Name "Valutrino"
OutFile "${OUTFILE}"
BrandingText "Valutrino ${VERSION}"

; Dated by the sources and signed when asked: the uninstaller as it is
; written into the setup, then the setup.
!uninstfinalize '"${FINISH}" "%1"' = 0
!finalize '"${FINISH}" "%1"' = 0

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; No offer to start Valutrino at the end: started from here, it would run
; with the setup's administrator rights, possibly as another account.

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductName" "Valutrino"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileDescription" "Installazione di Valutrino"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "OriginalFilename" "Valutrino-${VERSION}-setup.exe"
VIAddVersionKey /LANG=${LANG_ITALIAN} "LegalCopyright" "© 2001 ${PUBLISHER}"

; Program Files, the all-users Start menu and HKLM need an administrator even
; where UAC is off and RequestExecutionLevel cannot ask for one.
Function .onInit
  ; The setup is a 32-bit program: its keys go to the system's own registry
  ; view, the 64-bit one, which 32-bit Windows, having no other, ignores.
  SetRegView 64
  SetShellVarContext all
  ; No InstallDir, so that $INSTDIR is empty unless /D= names a folder:
  ; installing again goes where the last installation went, and the first
  ; time into the system's own Program Files ($PROGRAMFILES64 is the one
  ; there is on 32-bit Windows).
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR HKLM "${UNINST_KEY}" InstallLocation
  ${EndIf}
  ${If} $INSTDIR == ""
    StrCpy $INSTDIR "$PROGRAMFILES64\Valutrino"
  ${EndIf}
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP "Per installare Valutrino servono i diritti di amministratore." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
FunctionEnd

Section
  ; An earlier installation goes first, wherever it is: its own uninstaller
  ; knows what it put there. Run in place (_?=) it cannot delete itself.
  ReadRegStr $0 HKLM "${UNINST_KEY}" InstallLocation
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}

  SetOutPath "$INSTDIR"
  ${If} ${IsNativeAMD64}
    File "/oname=Valutrino.exe" "${EXE64}"
  ${Else}
    File "/oname=Valutrino.exe" "${EXE32}"
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Valutrino.lnk" "$INSTDIR\Valutrino.exe"

  WriteRegStr HKLM "${UNINST_KEY}" DisplayName "Valutrino"
  WriteRegStr HKLM "${UNINST_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" DisplayIcon "$INSTDIR\Valutrino.exe"
  WriteRegStr HKLM "${UNINST_KEY}" Publisher "${PUBLISHER}"
  WriteRegStr HKLM "${UNINST_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" UninstallString '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" QuietUninstallString '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINST_KEY}" NoRepair 1
  ; In KiB, as "Apps" shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINST_KEY}" EstimatedSize $0
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; Only what the setup program made: anything else in the folder stays, and
; with it the folder.
Section Uninstall
  Delete "$INSTDIR\Valutrino.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Valutrino.lnk"
  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
