; The Windows installer of Morvik Parolex, built with makensis by
; packaging/windows/make-installer.sh, which passes the paths below as /D:
;   DEFINES_NSH  the product's names, version and icon, written by CMake
;                (packaging/windows/CMakeLists.txt): VERSION DISPLAY_NAME TITLE COMPANY
;                COPYRIGHT URL ICON
;   HEADER_BMP  SIDE_BMP  OUTFILE
;   FILES_NSH, UNINSTALL_NSH  what is installed and removed, listed from the program folder
;   SIGN        (optional) the command that signs a file given to it, for the uninstaller
;               and the installer itself
;
; Per user by default, without administrator rights, into
; %LOCALAPPDATA%\Programs\Morvik Parolex with its uninstall entry under HKCU; "all users"
; installs under Program Files with elevation. /S installs silently, /D=folder picks the
; folder, /AllUsers or /CurrentUser the mode, /DesktopShortcut and /AddToPath tick the two
; options that are off by default. No licence page.
!include "${DEFINES_NSH}"
Unicode true
Target amd64-unicode
ManifestDPIAware true
ManifestSupportedOS Win10
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${TITLE}"
!define PROGRAM "parolex.exe"
!define SHORTCUT "${DISPLAY_NAME}.lnk"

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
BrandingText "${TITLE} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${TITLE}"
VIAddVersionKey /LANG=2052 "FileDescription" "${DISPLAY_NAME} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"

!ifdef SIGN
    !finalize '${SIGN} "%1"'
    !uninstfinalize '${SIGN} "%1"'
!endif

; Both modes: MultiUser asks for the highest rights the user has, so that an administrator
; can choose "all users"; an office user without them installs for himself alone.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${TITLE}"
; An installation that is there already keeps its mode and its folder: an upgrade goes in place.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include StrFunc.nsh
${Using:StrFunc} StrStr
${Using:StrFunc} UnStrRep
!include WinMessages.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${HEADER_BMP}"
!define MUI_HEADERIMAGE_UNBITMAP "${HEADER_BMP}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE_BMP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${SIDE_BMP}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
; The details stay on screen until the user goes on: what was installed, and where.
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_UNFINISHPAGE_NOAUTOCLOSE

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

LangString SectionProgram ${LANG_SIMPCHINESE} "${DISPLAY_NAME}"
LangString SectionProgramText ${LANG_SIMPCHINESE} "桌面程序 parolex 和终端程序 parolex-cli，以及开始菜单中的快捷方式。"
LangString SectionDesktop ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString SectionDesktopText ${LANG_SIMPCHINESE} "在桌面上放一个 ${DISPLAY_NAME} 的快捷方式。"
LangString SectionPath ${LANG_SIMPCHINESE} "把 parolex-cli 加入 PATH"
LangString SectionPathText ${LANG_SIMPCHINESE} "在任何命令提示符或 PowerShell 窗口中都可以直接运行 parolex-cli（新打开的窗口才生效）。"
LangString PathTooLong ${LANG_SIMPCHINESE} "环境变量 PATH 太长，安装程序无法安全地修改它，parolex-cli 没有加入 PATH。请手动把 $INSTDIR 加入 PATH。"

Var Path

; Where the PATH of this mode lives: the user's own, or the machine's.
!macro PathKey ROOT KEY
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy ${ROOT} HKLM
        StrCpy ${KEY} "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"
    ${Else}
        StrCpy ${ROOT} HKCU
        StrCpy ${KEY} "Environment"
    ${EndIf}
!macroend

; ";" + PATH + ";" of this mode into $Path, or an empty $Path when it cannot be read whole:
; NSIS's strings hold 1024 characters, and writing back a PATH cut there would destroy it.
!macro ReadPathFunction UN
Function ${UN}readPath
    Push $0
    Push $1
    Push $2
    Push $3
    !insertmacro PathKey $0 $1
    ClearErrors
    ${If} $0 == HKLM
        ReadRegStr $Path HKLM $1 "Path"
    ${Else}
        ReadRegStr $Path HKCU $1 "Path"
    ${EndIf}
    ${If} ${Errors}
        ; Missing, or too long to be read: only a missing one may be started afresh.
        StrCpy $Path ";;"
        StrCpy $3 0
        ${Do}
            ${If} $0 == HKLM
                EnumRegValue $2 HKLM $1 $3
            ${Else}
                EnumRegValue $2 HKCU $1 $3
            ${EndIf}
            ${IfThen} $2 == "" ${|} ${ExitDo} ${|}
            ${If} $2 == "Path"
                StrCpy $Path ""
                ${ExitDo}
            ${EndIf}
            IntOp $3 $3 + 1
        ${Loop}
    ${Else}
        StrLen $2 $Path
        ${If} $2 >= 900
            StrCpy $Path ""
        ${Else}
            StrCpy $Path ";$Path;"
        ${EndIf}
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro ReadPathFunction ""
!insertmacro ReadPathFunction "un."

; $Path (";"-framed) written back without its frame, as REG_EXPAND_SZ, and told to the system.
!macro WritePath
    Push $0
    Push $1
    Push $2
    StrCpy $2 $Path "" 1
    StrCpy $2 $2 -1
    !insertmacro PathKey $0 $1
    ${If} $2 == ""
        ${If} $0 == HKLM
            DeleteRegValue HKLM $1 "Path"
        ${Else}
            DeleteRegValue HKCU $1 "Path"
        ${EndIf}
    ${ElseIf} $0 == HKLM
        WriteRegExpandStr HKLM $1 "Path" $2
    ${Else}
        WriteRegExpandStr HKCU $1 "Path" $2
    ${EndIf}
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:Environment" /TIMEOUT=5000
    Pop $2
    Pop $1
    Pop $0
!macroend

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "!$(SectionProgram)" SectionProgram
    SectionIn RO
    ; An older version in this folder is removed by its own uninstaller first, so that
    ; nothing of it stays behind and Apps and features keeps one entry.
    ; The user's setting beside the program outlives the upgrade.
    ${If} ${FileExists} "$INSTDIR\Uninstall.exe"
        ClearErrors
        CopyFiles /SILENT "$INSTDIR\setup.ini" "$PLUGINSDIR\setup.ini"
        DetailPrint "$INSTDIR\Uninstall.exe /S"
        ExecWait '"$INSTDIR\Uninstall.exe" /S /$MultiUser.InstallMode _?=$INSTDIR'
        Delete "$INSTDIR\Uninstall.exe"
        ${If} ${FileExists} "$PLUGINSDIR\setup.ini"
            CreateDirectory "$INSTDIR"
            CopyFiles /SILENT "$PLUGINSDIR\setup.ini" "$INSTDIR\setup.ini"
        ${EndIf}
    ${EndIf}
    !include "${FILES_NSH}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\${PROGRAM}"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${URL}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(SectionDesktop)" SectionDesktop
    CreateShortCut "$DESKTOP\${SHORTCUT}" "$INSTDIR\${PROGRAM}"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "DesktopShortcut" 1
SectionEnd

Section /o "$(SectionPath)" SectionPath
    Call readPath
    ${If} $Path == ""
        MessageBox MB_OK|MB_ICONEXCLAMATION "$(PathTooLong)" /SD IDOK
        Return
    ${EndIf}
    ${StrStr} $0 $Path ";$INSTDIR;"
    ${If} $0 == ""
        ${If} $Path == ";;"
            StrCpy $Path ";$INSTDIR;"
        ${Else}
            StrCpy $Path "$Path$INSTDIR;"
        ${EndIf}
        !insertmacro WritePath
    ${EndIf}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "AddedToPath" 1
SectionEnd

Function .onInit
    InitPluginsDir
    ; /D= has set $INSTDIR already; MultiUser would replace it with its default.
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
    ; An upgrade keeps the options the user chose for the installation it replaces.
    ReadRegDWORD $1 SHCTX "${UNINSTALL_KEY}" "DesktopShortcut"
    ${If} $1 == 1
        SectionSetFlags ${SectionDesktop} ${SF_SELECTED}
    ${EndIf}
    ReadRegDWORD $1 SHCTX "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $1 == 1
        SectionSetFlags ${SectionPath} ${SF_SELECTED}
    ${EndIf}
    ; The two options from the command line too, for a silent install.
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/DesktopShortcut" $2
    ${IfNot} ${Errors}
        SectionSetFlags ${SectionDesktop} ${SF_SELECTED}
    ${EndIf}
    ClearErrors
    ${GetOptions} $1 "/AddToPath" $2
    ${IfNot} ${Errors}
        SectionSetFlags ${SectionPath} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "$(SectionProgramText)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "$(SectionDesktopText)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionPath} "$(SectionPathText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    !include "${UNINSTALL_NSH}"
    Delete "$INSTDIR\Uninstall.exe"
    ; A setup.ini beside the program is this installation's own (the program keeps it there
    ; when the folder is writable); the one in the user's AppData stays for the next install.
    Delete "$INSTDIR\setup.ini"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${SHORTCUT}"
    ReadRegDWORD $0 SHCTX "${UNINSTALL_KEY}" "DesktopShortcut"
    ${If} $0 == 1
        Delete "$DESKTOP\${SHORTCUT}"
    ${EndIf}
    ReadRegDWORD $0 SHCTX "${UNINSTALL_KEY}" "AddedToPath"
    ${If} $0 == 1
        Call un.readPath
        ${If} $Path != ""
            ${UnStrRep} $Path $Path ";$INSTDIR;" ";"
            !insertmacro WritePath
        ${EndIf}
    ${EndIf}
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
