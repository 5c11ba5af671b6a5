# SPDX-FileCopyrightText: 2026 Kurvix maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows setup of Kurvix, made by "cmake --build build/windows --target
# setup" (tools/windows.sh), which passes
#   VERSION  the project's version, as in the .deb (0.1.0)
#   INHALT   the folder of the installed files (see CMakeLists.txt)
#   AUSGABE  the setup's path
# For a school's deployment tool: "Kurvix-Setup-VERSION.exe /S" installs
# without a question, "/D=C:\Pfad" (last) chooses another folder, and the
# uninstaller runs silently with "/S" too.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"

!define SCHLUESSEL_ENTFERNEN "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kurvix"
!define DATEITYP "Kurvix.Aufgabendatei"

Name "Kurvix ${VERSION}"
OutFile "${AUSGABE}"
InstallDir "$PROGRAMFILES64\Kurvix"
InstallDirRegKey HKLM "${SCHLUESSEL_ENTFERNEN}" "InstallLocation"
BrandingText "Kurvix ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "Kurvix"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "Kurvix ${VERSION} – Setup"
VIAddVersionKey /LANG=1031 "LegalCopyright" "2026 Kurvix maintainers, GPL-3.0-or-later"

!define MUI_ICON "${INHALT}\kurvix.ico"
!define MUI_UNICON "${INHALT}\kurvix.ico"
!define MUI_ABORTWARNING

# The GPL asks for no consent: the page shows it with "Weiter".
!define MUI_LICENSEPAGE_TEXT_TOP "Kurvix ist freie Software unter der GNU General Public License:"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Sie dürfen Kurvix auf beliebig viele Rechner kopieren, weitergeben und verändern. \
Wer es weitergibt, gibt die Lizenz und den Weg zum Quelltext mit (QUELLTEXT.txt im Programmordner)."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${INHALT}\lizenzen\GPL-3.0-or-later.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\kurvix.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Kurvix starten"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Kurvix"
    SetOutPath "$INSTDIR"
    File "${INHALT}\kurvix.exe"
    File "${INHALT}\QUELLTEXT.txt"
    SetOutPath "$INSTDIR\translations"
    File "${INHALT}\translations\qtbase_de.qm"
    SetOutPath "$INSTDIR\beispiele"
    File "${INHALT}\beispiele\*.sba"
    SetOutPath "$INSTDIR\lizenzen"
    File "${INHALT}\lizenzen\*.txt"

    # The entries start in the shared documents (with "all" users, $DOCUMENTS
    # is C:\Users\Public\Documents): the file dialogs open in the folder the
    # program was started in, and pupils may not write into the program's folder.
    SetOutPath "$DOCUMENTS"
    CreateDirectory "$SMPROGRAMS\Kurvix"
    CreateShortCut "$SMPROGRAMS\Kurvix\Kurvix.lnk" "$INSTDIR\kurvix.exe" "" "$INSTDIR\kurvix.exe" 0 \
        SW_SHOWNORMAL "" "Übungsprogramm zum Verschieben und Strecken von Schaubildern"
    CreateShortCut "$SMPROGRAMS\Kurvix\Kurvix groß (für den Beamer).lnk" "$INSTDIR\kurvix.exe" "--groesse 175" \
        "$INSTDIR\kurvix.exe" 0
    CreateShortCut "$SMPROGRAMS\Kurvix\Beispiele.lnk" "$INSTDIR\beispiele"
    SetOutPath "$INSTDIR"

    # Task files: "Aufgabendatei" in the Explorer, opened in Kurvix on a
    # double-click.
    WriteRegStr HKLM "Software\Classes\.sba" "" "${DATEITYP}"
    WriteRegStr HKLM "Software\Classes\${DATEITYP}" "" "Aufgabendatei"
    WriteRegStr HKLM "Software\Classes\${DATEITYP}\DefaultIcon" "" "$INSTDIR\kurvix.exe,0"
    WriteRegStr HKLM "Software\Classes\${DATEITYP}\shell\open\command" "" '"$INSTDIR\kurvix.exe" "%1"'
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteUninstaller "$INSTDIR\deinstallieren.exe"
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "DisplayName" "Kurvix"
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "Publisher" "Kurvix maintainers"
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "DisplayIcon" "$INSTDIR\kurvix.exe,0"
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "UninstallString" '"$INSTDIR\deinstallieren.exe"'
    WriteRegStr HKLM "${SCHLUESSEL_ENTFERNEN}" "QuietUninstallString" '"$INSTDIR\deinstallieren.exe" /S'
    WriteRegDWORD HKLM "${SCHLUESSEL_ENTFERNEN}" "NoModify" 1
    WriteRegDWORD HKLM "${SCHLUESSEL_ENTFERNEN}" "NoRepair" 1
SectionEnd

# Removes only what the setup put there: the folder may have been chosen
# by hand and hold other files.
Section "Uninstall"
    Delete "$SMPROGRAMS\Kurvix\Kurvix.lnk"
    Delete "$SMPROGRAMS\Kurvix\Kurvix groß (für den Beamer).lnk"
    Delete "$SMPROGRAMS\Kurvix\Beispiele.lnk"
    RMDir "$SMPROGRAMS\Kurvix"

    DeleteRegKey HKLM "Software\Classes\${DATEITYP}"
    ReadRegStr $0 HKLM "Software\Classes\.sba" ""
    StrCmp $0 "${DATEITYP}" 0 +2
        DeleteRegKey HKLM "Software\Classes\.sba"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
    DeleteRegKey HKLM "${SCHLUESSEL_ENTFERNEN}"

    Delete "$INSTDIR\beispiele\*.sba"
    RMDir "$INSTDIR\beispiele"
    Delete "$INSTDIR\lizenzen\*.txt"
    RMDir "$INSTDIR\lizenzen"
    Delete "$INSTDIR\translations\qtbase_de.qm"
    RMDir "$INSTDIR\translations"
    Delete "$INSTDIR\kurvix.exe"
    Delete "$INSTDIR\QUELLTEXT.txt"
    Delete "$INSTDIR\deinstallieren.exe"
    RMDir "$INSTDIR"
SectionEnd
