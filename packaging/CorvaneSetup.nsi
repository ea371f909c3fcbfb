; The Corvane installer: both programs, the launcher icons beside Corvane.exe, the user manual and an
; empty Settings folder that every user who runs the programs may write to; Start-menu entries and
; an uninstaller that Windows lists. packaging/CMakeLists.txt defines what varies by build:
;   VERSION   the project's version (1.0.4)
;   TARGET    x86-unicode for the shipped 32-bit installer, amd64-unicode for the one the tests run
;             under wine64
;   PROGRAMS  the folder with Corvane.exe, CorvaneEditMode.exe, Corvane.ico and Corvane32.ico
;   MANUAL    Corvane_User_Manual.pdf
;   ICON      the installer's icon
;   OUTFILE   the installer to write
;
; Deployment: "CorvaneSetup.exe /S /D=C:\Program Files\Corvane" installs silently into the folder
; given (/D= comes last, unquoted). "Uninstall.exe /S" removes the programs silently and keeps the
; Settings folder; /RemoveSettings removes it too, as the box in the uninstaller's window does.
Unicode true
Target ${TARGET}

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define PRODUCT "Corvane"
!define PUBLISHER "Corvane"
!define WEBSITE "https://www.corvane.com"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"
!define MANUAL_NAME "Corvane_User_Manual.pdf"
!define START_MENU "$SMPROGRAMS\${PRODUCT}"
; Modify (read, write, execute, delete) for BUILTIN\Users, inherited by every file and folder inside.
!define SETTINGS_ACL "D:(A;OICI;0x1301bf;;;BU)"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; An upgrade goes where the installed version is, so its Settings folder stays the one in use.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; A file that cannot be replaced (a program still running) stops the installation: a silent install
; then fails with exit code 2 rather than leave an old program beside the new ones.
AllowSkipFiles off
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\${MANUAL_NAME}"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Open the user manual"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "The Settings folder holds the users file and the field settings. \
Tick it to remove them with the programs."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Section "${PRODUCT}" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File "${PROGRAMS}\Corvane.exe"
    File "${PROGRAMS}\CorvaneEditMode.exe"
    File "${PROGRAMS}\Corvane.ico"
    File "${PROGRAMS}\Corvane32.ico"
    File "${MANUAL}"
    ; An existing Settings folder and every file in it stay as they are.
    CreateDirectory "$INSTDIR\Settings"
    Call GrantUsersSettings
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    SetShellVarContext all
    CreateDirectory "${START_MENU}"
    CreateShortcut "${START_MENU}\${PRODUCT}.lnk" "$INSTDIR\Corvane.exe"
    CreateShortcut "${START_MENU}\${PRODUCT} User Manual.lnk" "$INSTDIR\${MANUAL_NAME}"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvane.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ; The size Windows shows, in KB: the program's folder without its subfolders.
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The Settings folder lies under Program Files, where only administrators may write; every user who
; runs the programs writes the users file and the field settings files there. A failed System::Call
; leaves "error" in its result, which no test below takes for success.
Function GrantUsersSettings
    StrCpy $5 0
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${SETTINGS_ACL}", \
                  i 1, *p .r0, p 0) i .r1'
    ${If} $1 <> 0
        System::Call 'advapi32::GetSecurityDescriptorDacl(p r0, *i .r2, *p .r3, *i .r4) i .r1'
        ${If} $1 <> 0
            ; SE_FILE_OBJECT, DACL_SECURITY_INFORMATION: the folder keeps what it inherits.
            System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR\Settings", i 1, i 4, p 0, p 0, p r3, \
                          p 0) i .r1'
            ${If} $1 == 0
                StrCpy $5 1
            ${EndIf}
        ${EndIf}
        System::Call 'kernel32::LocalFree(p r0)'
    ${EndIf}
    ${If} $5 <> 1
        MessageBox MB_OK|MB_ICONSTOP "Setup could not let the users write to $INSTDIR\Settings." /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

Section "un.${PRODUCT}" UnSecProgram
    SectionIn RO
    Delete "$INSTDIR\Corvane.exe"
    Delete "$INSTDIR\CorvaneEditMode.exe"
    Delete "$INSTDIR\Corvane.ico"
    Delete "$INSTDIR\Corvane32.ico"
    Delete "$INSTDIR\${MANUAL_NAME}"
    Delete "$INSTDIR\${UNINSTALLER}"
    SetShellVarContext all
    Delete "${START_MENU}\${PRODUCT}.lnk"
    Delete "${START_MENU}\${PRODUCT} User Manual.lnk"
    RMDir "${START_MENU}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Settings folder" UnSecSettings
    RMDir /r "$INSTDIR\Settings"
SectionEnd

Section "-un.Folder"
    ; Only when nothing is left in it: the Settings folder, unless removed above, keeps it.
    RMDir "$INSTDIR"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} \
        "The programs, the launcher icons, the user manual and the Start-menu entries."
    !insertmacro MUI_DESCRIPTION_TEXT ${UnSecSettings} \
        "$INSTDIR\Settings: the users file and every field settings file kept there."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/RemoveSettings" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${UnSecSettings}
    ${EndIf}
FunctionEnd
