; TandrelSetup.exe: installs nubrix.dll and its help pages into a folder of the user's choice,
; registers the DLL for the browsers of each registry view, installs the browser extension's host
; (tandrel-host.exe) and registers it with Chrome, Chromium, Edge and Firefox for the installing
; user, and leaves Uninstall.exe, listed among the installed programs, which unregisters both and
; removes what was installed. The user's nubrix.ini and remembered choices stay.
;
; makensis -DDLL64=... -DDLL32=... -DHOST64=... -DHOST32=... -DHELP_DIR=... -DOUTFILE=...
;     TandrelSetup.nsi
; On 64-bit Windows the 64-bit DLL goes into the chosen folder and the 32-bit one into its x86
; subfolder, each registered by the regsvr32 of its own bitness, so that 64-bit and 32-bit
; browsers both find theirs; on 32-bit Windows only the 32-bit DLL is installed, in the folder.
; The host is a program of its own, of the system's bitness, in the folder; it writes its
; manifests beside itself and the browsers' keys under HKEY_CURRENT_USER (tandrel-host --install).

Unicode true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "x64.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Veltrane Tandrel"
!define VERSION "1.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
ShowInstDetails show
ShowUninstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    ${If} ${RunningX64}
        ; The default folder of the system's own bitness, unless /D= named another.
        ${If} $INSTDIR == "$PROGRAMFILES\${PRODUCT}"
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${EndIf}
        SetRegView 64
    ${EndIf}
FunctionEnd

Function un.onInit
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
FunctionEnd

; Registers (or with /u unregisters) a DLL with the regsvr32 of the given folder; a failure is
; reported in the details and as the installer's error level.
!macro RunRegsvr32 RegsvrFolder Arguments
    ExecWait '"${RegsvrFolder}\regsvr32.exe" /s ${Arguments}' $0
    ${If} $0 != 0
        DetailPrint `regsvr32 ${Arguments} failed ($0)`
        SetErrorLevel 3
    ${EndIf}
!macroend

; Registers the extension's host with the browsers (or with --uninstall removes that); what it
; did goes to the details, without a console window, and a failure is reported like regsvr32's.
!macro RunHost Option
    nsExec::ExecToLog '"$INSTDIR\tandrel-host.exe" ${Option}'
    Pop $0
    ${If} $0 != 0
        DetailPrint `tandrel-host ${Option} failed ($0)`
        SetErrorLevel 3
    ${EndIf}
!macroend

Section "Install"
    SetOutPath "$INSTDIR"
    File "${HELP_DIR}/*.htm"
    ${If} ${RunningX64}
        File "${DLL64}"
        SetOutPath "$INSTDIR\x86"
        File "${DLL32}"
        File "${HELP_DIR}/*.htm"
        ; The 32-bit one first: the menu keys, shared by both views, end up pointing at the pages
        ; in the chosen folder.
        ${DisableX64FSRedirection}
        !insertmacro RunRegsvr32 "$WINDIR\SysWOW64" '"$INSTDIR\x86\nubrix.dll"'
        !insertmacro RunRegsvr32 "$WINDIR\System32" '"$INSTDIR\nubrix.dll"'
        ${EnableX64FSRedirection}
        SetOutPath "$INSTDIR"
        File "${HOST64}"
    ${Else}
        File "${DLL32}"
        !insertmacro RunRegsvr32 "$SYSDIR" '"$INSTDIR\nubrix.dll"'
        File "${HOST32}"
    ${EndIf}
    !insertmacro RunHost --install

    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes the help pages of a folder; the user's nubrix.ini there stays.
!macro RemoveHelpPages Folder
    Delete "${Folder}\Help*.htm"
!macroend

Section "Uninstall"
    ; The host removes its manifests and the browsers' keys before it goes itself.
    !insertmacro RunHost --uninstall
    Delete "$INSTDIR\tandrel-host.exe"
    ; Unregistering also removes the script pages that registration wrote into each folder.
    ${If} ${RunningX64}
        ${DisableX64FSRedirection}
        !insertmacro RunRegsvr32 "$WINDIR\System32" '/u "$INSTDIR\nubrix.dll"'
        !insertmacro RunRegsvr32 "$WINDIR\SysWOW64" '/u "$INSTDIR\x86\nubrix.dll"'
        ${EnableX64FSRedirection}
        Delete "$INSTDIR\x86\nubrix.dll"
        !insertmacro RemoveHelpPages "$INSTDIR\x86"
        RMDir "$INSTDIR\x86"
    ${Else}
        !insertmacro RunRegsvr32 "$SYSDIR" '/u "$INSTDIR\nubrix.dll"'
    ${EndIf}
    Delete "$INSTDIR\nubrix.dll"
    !insertmacro RemoveHelpPages "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Last, so that whoever waits for the uninstaller (it runs from a copy of itself, and the
    ; program that started it has ended) knows it is done once Uninstall.exe is gone.
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
