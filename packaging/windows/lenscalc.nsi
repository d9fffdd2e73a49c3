; The calculator's Windows installer: per user, without administrator rights; /S installs silently.
; packaging/windows/pack builds it with
;   makensis -DVERSION=... -DPUBLISHER=... -DFILES=<folder> -DICON=<file> -DOUTFILE=<file> -DUPGRADE_CODE=<MSI's>
;            [-DSIGN=<command>]
; where FILES holds install.nsh and uninstall.nsh, which name the staged files one by one, so that the
; uninstaller removes exactly what was installed and nothing a user put beside it.
; Over an earlier install it is an upgrade (or, at the same version, a repair): the earlier version's own
; uninstaller first removes exactly its files. Exit codes besides NSIS's own (0 done, 1 cancelled):
; 3 a newer version is installed, 4 the calculator is running, 5 the earlier version could not be removed,
; 6 the MSI has installed the calculator for every user of the PC, 7 this Windows is not one the
; calculator runs on. Each leaves the install as it was.
Unicode true
; Debian's makensis makes a 32-bit installer by default; the calculator is 64-bit only.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include FileFunc.nsh
!include LogicLib.nsh
!include WordFunc.nsh

!define APP "Lens Calculator"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\LensCalculator"

Name "${APP}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\${APP}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APP}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${APP} installer"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright 2026 ${PUBLISHER}"

; The uninstaller is made inside this installer and written at install time; SIGN signs it in between.
!ifdef SIGN
    !uninstfinalize '"${SIGN}" "%1"'
!endif

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Windows keeps a running program's files locked: replacing or removing them then would leave the folder
; half old, half new. So nothing is touched while lenscalc.exe in $R9 runs; the user is asked to close it.
!macro DEFINE_WAIT_UNTIL_CLOSED PREFIX
Function ${PREFIX}WaitUntilClosed
    retry:
    ClearErrors
    ${If} ${FileExists} "$R9\lenscalc.exe"
        FileOpen $0 "$R9\lenscalc.exe" a
        ${If} ${Errors}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${APP} is running. Close it, then choose Retry." \
                /SD IDCANCEL IDRETRY retry
            SetErrorLevel 4
            Quit
        ${EndIf}
        FileClose $0
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

; Before anything changes: only on x64 Windows from 10 version 1809 (build 17763) on, as the MSI (both
; read from the registry, as lenscalc.wxs says why); never a second copy beside the MSI's, which IT
; manages (of any version: the MSI's upgrade code names them all); and never over a newer version.
Function .onInit
    ReadRegStr $0 HKLM "SOFTWARE\Microsoft\Windows NT\CurrentVersion" "CurrentBuildNumber"
    ReadRegStr $1 HKLM "SYSTEM\CurrentControlSet\Control\Session Manager\Environment" "PROCESSOR_ARCHITECTURE"
    ${If} $0 < 17763
    ${OrIf} $1 != "AMD64"
        MessageBox MB_ICONSTOP "${APP} needs x64 Windows 10, version 1809 or later, or Windows 11." /SD IDOK
        SetErrorLevel 7
        Quit
    ${EndIf}
    System::Call 'msi::MsiEnumRelatedProductsW(w "${UPGRADE_CODE}", i 0, i 0, w .r1) i .r0'
    ${If} $0 == 0
        System::Call 'msi::MsiGetProductInfoW(w r1, w "VersionString", w .r2, *i ${NSIS_MAX_STRLEN}) i .r0'
        MessageBox MB_ICONINFORMATION "${APP} $2 is installed for every user of this PC. Start it from the Start menu." /SD IDOK
        SetErrorLevel 6
        Quit
    ${EndIf}
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "DisplayVersion"
    ${If} $0 != ""
        ${VersionCompare} "${VERSION}" "$0" $1
        ${If} $1 == 2
            MessageBox MB_ICONSTOP "${APP} $0 is installed, which is newer than ${VERSION}. To go back to ${VERSION}, uninstall $0 first." /SD IDOK
            SetErrorLevel 3
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Section
    SetShellVarContext current
    ReadRegStr $R9 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R9 == ""
        StrCpy $R9 $INSTDIR
    ${EndIf}
    Call WaitUntilClosed
    ; The earlier version's uninstaller, run in place (_?=) so that ExecWait waits for it. It leaves itself.
    ${If} ${FileExists} "$R9\Uninstall.exe"
        ClearErrors
        ExecWait '"$R9\Uninstall.exe" /S _?=$R9' $0
        ${If} ${Errors}
        ${OrIf} $0 != 0
            MessageBox MB_ICONSTOP "The installed ${APP} could not be removed first, so ${VERSION} was not installed." /SD IDOK
            SetErrorLevel 5
            Quit
        ${EndIf}
        Delete "$R9\Uninstall.exe"
        ; Only when empty: the user may have chosen another folder this time.
        RMDir "$R9"
    ${EndIf}
    !include "${FILES}/install.nsh"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\lenscalc.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lenscalc.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    ; Silently, the uninstaller run in place (_?=) is waited for and returns its own exit code, but
    ; cannot remove itself; cmd waits for it and then removes it and the folder (unless the user's
    ; files are in it). if errorlevel, not &&, which Wine 8's cmd takes for success after any code.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$SYSDIR\cmd.exe" /d /c ""$INSTDIR\Uninstall.exe" /S _?=$INSTDIR& if not errorlevel 1 (del "$INSTDIR\Uninstall.exe" & rmdir "$INSTDIR" 2>nul & exit 0)"'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section Uninstall
    SetShellVarContext current
    StrCpy $R9 $INSTDIR
    Call un.WaitUntilClosed
    Delete "$SMPROGRAMS\${APP}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    !include "${FILES}/uninstall.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only when empty: a folder the user chose may hold files of theirs.
    RMDir "$INSTDIR"
SectionEnd
