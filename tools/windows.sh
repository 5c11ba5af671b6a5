#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kurvix maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes Kurvix for Windows on Debian 12 and tests it under Wine:
#
#     tools/windows.sh [qt]
#
# As root. Steps, each timed:
#   1. installs the cross compiler (MinGW-w64, posix threads), Debian's Qt host
#      tools, Wine, NSIS and Xvfb from Debian;
#   2. builds Qt (Core, Gui, Widgets, PrintSupport, the Windows and offscreen
#      platforms) statically for x86_64-w64-mingw32 from Debian's own qt6-base
#      source, into QT_CACHE (/var/cache/kurvix-qt-windows unless set), one
#      folder per Debian version of Qt, reused when it is there;
#   3. cross-builds Kurvix against it (one kurvix.exe, no DLLs) in build/windows;
#   4. makes the setup build/windows/Kurvix-Setup-VERSION.exe with NSIS;
#   5. tests under Wine on Xvfb: the commands without a window, the window
#      (a screenshot beside the setup), the silent setup and the installed
#      program.
# With the argument "qt" it stops after step 2. The last line says
# "== PASSED" or "== FAILED at: STEP".
# Building Qt took 38 min on two cores shared with other builds (2 h 46 min at a load of 10 to 21); with Qt
# in the cache the rest takes minutes. Run it niced:
#     nice -n 10 tools/windows.sh > windows.log 2>&1 &
set -euo pipefail
cd "$(dirname "$0")/.."
QUELLEN=$PWD

QT_CACHE=${QT_CACHE:-/var/cache/kurvix-qt-windows}
# A changed Qt (the LGPL's right, see desktop/windows/QUELLTEXT.txt.in): the
# folder of an unpacked and changed qt6-base source, built instead of
# Debian's; give it a QT_CACHE of its own.
QT_QUELLE=${QT_QUELLE:-}
BAU=$QUELLEN/build/windows
ZIEL=x86_64-w64-mingw32
# qt6-base-dev brings Qt6HostInfoConfig.cmake, which Qt's cross configure asks
# for beside the host tools.
PAKETE=(g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools qt6-translations-l10n cmake ninja-build
    dpkg-dev wine64 nsis xvfb xauth x11-utils xdotool imagemagick poppler-utils)

if [ "$(id -u)" -ne 0 ]; then
    echo "$0 needs root (apt-get)." >&2
    exit 2
fi

gesamt=$SECONDS
laufender_schritt=
# With set -e a failing command ends the script; the trap names the step.
# (A step must not run as "schritt ... || ...": that would switch set -e
# off inside it.)
melde_abbruch() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "$laufender_schritt" ]; then
        echo "== FAILED at: $laufender_schritt (status $status, after $(( (SECONDS - gesamt) / 60 )) min)" >&2
    fi
}
trap melde_abbruch EXIT
schritt() { # name, function
    local beginn=$SECONDS
    echo "== $1"
    laufender_schritt=$1
    "$2"
    laufender_schritt=
    echo "== $1: done after $(( (SECONDS - beginn) / 60 )) min $(( (SECONDS - beginn) % 60 )) s"
}

installiere() {
    local fehlend=() paket
    for paket in "${PAKETE[@]}"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$paket")
    done
    if [ ${#fehlend[@]} -gt 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
    fi
}

# apt-get source needs a deb-src entry beside Debian's deb entries.
quellen_eintragen() {
    local datei=/etc/apt/sources.list.d/kurvix-qt-quelle.sources
    if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
        sed -n 's/^Types: deb$/Types: deb-src/; /^Types:\|^URIs:\|^Suites:\|^Components:\|^Signed-By:\|^$/p' \
            /etc/apt/sources.list.d/debian.sources > "$datei"
        apt-get update -qq
    fi
}

# The Debian version of Qt, which the host tools and the source share.
qt_version() { dpkg-query -W -f='${Version}' qt6-base-dev-tools; }
qt_ordner() { echo "$QT_CACHE/$(qt_version)"; }

baue_qt() {
    local ordner prefix
    ordner=$(qt_ordner)
    prefix=$ordner/prefix
    if [ -f "$ordner/fertig" ]; then
        echo "Qt $(qt_version) for Windows is already in $prefix"
        return 0
    fi
    rm -rf "$ordner"
    mkdir -p "$ordner/quelle" "$ordner/bau"
    local quelle=$QT_QUELLE
    if [ -z "$quelle" ]; then
        quellen_eintragen
        (cd "$ordner/quelle" && apt-get source -qq qt6-base >/dev/null)
        quelle=$(find "$ordner/quelle" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    fi
    cat > "$ordner/mingw.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER $ZIEL-gcc-posix)
set(CMAKE_CXX_COMPILER $ZIEL-g++-posix)
set(CMAKE_RC_COMPILER $ZIEL-windres)
set(CMAKE_FIND_ROOT_PATH /usr/$ZIEL)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
EOF
    # Debian's source leaves out wintab (the tablet support of the Windows
    # platform), iaccessible2 and sqlite; Qt 6 reaches Windows screen readers
    # through UI Automation, and Kurvix needs neither tablets nor SQL.
    (cd "$ordner/bau" && "$quelle/configure" -xplatform win32-g++ -qt-host-path /usr -prefix "$prefix" \
        -static -release -nomake examples -nomake tests -no-opengl -no-dbus -no-feature-sql \
        -no-feature-network -no-feature-tabletevent -no-feature-concurrent -no-feature-testlib \
        -no-feature-xml -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz \
        -qt-doubleconversion -- -DCMAKE_TOOLCHAIN_FILE="$ordner/mingw.cmake" \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake > "$ordner/configure.log")
    cmake --build "$ordner/bau" --parallel "$(nproc)"
    cmake --install "$ordner/bau" > /dev/null
    rm -rf "$ordner/bau" "$ordner/quelle"
    touch "$ordner/fertig"
}

schritt "Installing the cross compiler, Wine and NSIS" installiere
schritt "Building Qt for Windows" baue_qt
if [ "${1:-}" = qt ]; then
    echo "== PASSED: Qt for Windows is ready in $(qt_ordner)/prefix ($(( (SECONDS - gesamt) / 60 )) min)"
    exit 0
fi

# The commit the setup is made from, "-dirty" with uncommitted changes.
quellstand() { git -C "$QUELLEN" describe --always --dirty --abbrev=12 2>/dev/null || echo unbekannt; }

baue_kurvix() {
    local starter=()
    command -v ccache > /dev/null && starter=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    mkdir -p "$BAU" # and build/, for the configure log beside it
    "$(qt_ordner)/prefix/bin/qt-cmake" -S "$QUELLEN" -B "$BAU" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DKURVIX_WERROR=ON "${starter[@]}" -DKURVIX_QT_QUELLPAKET="$(qt_version)" \
        -DKURVIX_QUELLSTAND="$(quellstand)" > "$BAU.configure.log"
    cmake --build "$BAU" --target kurvix
    ls -l "$BAU/kurvix.exe"
}

mache_setup() {
    cmake --build "$BAU" --target setup
    ls -l "$BAU"/Kurvix-Setup-*.exe
}

# --- The tests under Wine ----------------------------------------------------
# One X server for all of them; Wine's own output is silenced.
export WINEDEBUG=-all WINEARCH=win64
PRUEFUNG=$BAU/wine-pruefung
INHALT=$BAU/desktop/windows/inhalt
xserver=

starte_xserver() {
    local nummer=90
    while [ -e "/tmp/.X11-unix/X$nummer" ] || [ -e "/tmp/.X$nummer-lock" ]; do nummer=$((nummer + 1)); done
    Xvfb ":$nummer" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
    xserver=$!
    export DISPLAY=:$nummer
    for _ in $(seq 50); do xwininfo -root > /dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start" >&2
    return 1
}

halte_an() {
    local prefix
    for prefix in "$PRUEFUNG/prefix" "$PRUEFUNG/setup-prefix"; do
        [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2> /dev/null || true
    done
    [ -n "$xserver" ] && kill "$xserver" 2> /dev/null || true
}

# A fresh 64-bit Wine prefix (without WINEARCH=win64 it would be left half made).
neuer_prefix() { # folder
    rm -rf "$1"
    WINEPREFIX=$1 wine wineboot -i > /dev/null 2>&1
    WINEPREFIX=$1 wineserver -w
}

fehler() { # text: ends the step
    echo "FEHLER: $1" >&2
    return 1
}

# Expects a file's text exactly (CR LF, as Windows writes lines, is kept).
erwarte_text() { # file, expected text
    local text
    text=$(cat -A "$1")
    [ "$text" = "$2" ] || fehler "$1 holds »$text«, expected »$2«"
}

erwarte_status() { # expected, actual, what
    [ "$1" = "$2" ] || fehler "$3 ended with status $2, expected $1"
}

kurvix() { # arguments: kurvix.exe from the setup's folder, in the test prefix
    (cd "$PRUEFUNG" && WINEPREFIX=$PRUEFUNG/prefix wine "$INHALT/kurvix.exe" "$@")
}

bereite_pruefung_vor() {
    rm -rf "$PRUEFUNG"
    mkdir -p "$PRUEFUNG"
    cp "$QUELLEN"/examples/*.sba "$PRUEFUNG"
    printf 'keine Aufgabendatei\r\n' > "$PRUEFUNG/kaputt.sba"
    neuer_prefix "$PRUEFUNG/prefix"
}

pruefe_befehle() {
    local status=0 version
    version=$(sed -n 's/^project(Kurvix VERSION \([0-9.]*\) .*/\1/p' "$QUELLEN/CMakeLists.txt")
    kurvix --version > "$PRUEFUNG/version.txt"
    erwarte_text "$PRUEFUNG/version.txt" "Kurvix $version^M\$"
    # Qt's own German texts are found beside the program (qt.conf).
    kurvix --help > "$PRUEFUNG/hilfe.txt"
    grep -q 'Zeigt Hilfe zu den Kommandozeilenoptionen an' "$PRUEFUNG/hilfe.txt" ||
        fehler "--help shows Qt's texts not in German: $(cat "$PRUEFUNG/hilfe.txt")"
    grep -q '^Übungsprogramm zum Verschieben' "$PRUEFUNG/hilfe.txt" || fehler "--help did not write UTF-8"
    # Without any output, as from the menu, a command still ends normally.
    kurvix --version >&- 2>&- || fehler "--version without an output ended with status $?"
    LANG=de_DE.UTF-8 kurvix --pruefe geraden_und_parabeln.sba hyperbel_und_exponential.sba sinus.sba \
        > "$PRUEFUNG/beispiele.txt" || status=$?
    cat "$PRUEFUNG/beispiele.txt"
    erwarte_status 0 "$status" "--pruefe on the samples"
    grep -q '^sinus.sba: [0-9]* Aufgaben, 0 Fehler, 0 Warnungen' "$PRUEFUNG/beispiele.txt" ||
        fehler "--pruefe did not report sinus.sba as free of faults"
    status=0
    kurvix --pruefe kaputt.sba > "$PRUEFUNG/kaputt.txt" || status=$?
    cat "$PRUEFUNG/kaputt.txt"
    erwarte_status 1 "$status" "--pruefe on a broken file"
    grep -q '^kaputt.sba:1: Fehler: ' "$PRUEFUNG/kaputt.txt" || fehler "--pruefe named no fault in line 1"
}

# Started from cmd.exe in a terminal, the commands write into its console,
# the German letters whole whatever its code page. Wine's console draws a
# space as "erase, one to the right".
pruefe_konsole() {
    local programm
    programm=$(WINEPREFIX=$PRUEFUNG/prefix winepath -w "$INHALT/kurvix.exe")
    (cd "$PRUEFUNG" && WINEPREFIX=$PRUEFUNG/prefix script -qec "wine cmd /c '$programm --help'" /dev/null) |
        sed 's/\x1b\[K\x1b\[1C/ /g; s/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r' > "$PRUEFUNG/konsole.txt"
    grep '^Übungsprogramm zum Verschieben' "$PRUEFUNG/konsole.txt" ||
        fehler "the console shows the German letters wrong: $(cat "$PRUEFUNG/konsole.txt")"
}

pruefe_arbeitsblatt() {
    LANG=de_DE.UTF-8 kurvix --arbeitsblatt sinus.sba -o blatt.pdf
    pdftotext -layout "$PRUEFUNG/blatt.pdf" "$PRUEFUNG/blatt.txt"
    grep -q 'Lösungen' "$PRUEFUNG/blatt.txt" || fehler "the worksheet has no answer key"
    grep -q 'f(x) = .*[0-9],[0-9]' "$PRUEFUNG/blatt.txt" || fehler "no equation with a decimal comma in the answer key"
    grep -c 'f(x) =' "$PRUEFUNG/blatt.txt"
}

# The window with a sample under German settings, as a pupil uses it: the
# comment closed with Enter, "0,5" typed into the first box and drawn. The
# screenshot lies beside the setup, to be looked at.
pruefe_fenster() {
    local bild=$BAU/kurvix-unter-wine.png fenster=
    starte_fenster sinus.sba
    fenster=$(warte_auf_fenster 'Strecken von Schaubildern')
    sleep 3
    xdotool key Return
    sleep 1
    xdotool mousemove --window "$fenster" 289 66 click 1
    sleep 0.5
    xdotool key ctrl+a type '0,5'
    xdotool key Return
    sleep 2
    import -window root "$bild"
    xprop -id "$fenster" _NET_WM_NAME
    local titel
    titel=$(xprop -id "$fenster" _NET_WM_NAME)
    beende_fenster
    [[ $titel == *'"  Übungsprogramm zum Verschieben und Strecken von Schaubildern (by Talvenhorn)"'* ]] ||
        fehler "the window has not the German caption"
    # Both graphs are drawn in their full colours: the given one blue, the
    # own one red (red is also in a few texts).
    local blau rot
    blau=$(pixel "$bild" '#0000FF')
    rot=$(pixel "$bild" '#FF0000')
    echo "$bild: $blau blue and $rot red pixels"
    [ "$blau" -gt 400 ] || fehler "the given graph is not drawn"
    [ "$rot" -gt 1000 ] || fehler "the own graph is not drawn"
}

# The series editor with a sample, its menu "Datei" opened: a screenshot
# beside the setup, to read the menu's German texts.
pruefe_reihenfenster() {
    local bild=$BAU/kurvix-reihe-unter-wine.png fenster
    starte_fenster --bearbeite sinus.sba
    # xdotool's patterns see bytes: ".*" stands for the dash.
    fenster=$(warte_auf_fenster '^Aufgabenreihe bearbeiten .* sinus.sba$')
    sleep 3
    # Without a window manager Wine places the wide window half off the screen.
    xdotool windowmove "$fenster" 0 0
    sleep 1
    xdotool key alt+d
    sleep 1
    import -window root "$bild"
    beende_fenster
    echo "$bild"
}

programm=
starte_fenster() { # arguments: kurvix.exe under German settings, in the background
    (cd "$PRUEFUNG" && LANG=de_DE.UTF-8 WINEPREFIX=$PRUEFUNG/prefix exec wine "$INHALT/kurvix.exe" "$@") &
    programm=$!
}

beende_fenster() {
    WINEPREFIX=$PRUEFUNG/prefix wineserver -k 2> /dev/null || true
    wait "$programm" || true
}

# Waits up to a minute for a window whose name matches; prints its id.
warte_auf_fenster() { # pattern
    local fenster
    for _ in $(seq 60); do
        fenster=$(xdotool search --name "$1" 2> /dev/null | head -n 1) && [ -n "$fenster" ] && echo "$fenster" && return 0
        sleep 1
    done
    fehler "no window »$1«"
}

pixel() { # picture, colour: how many pixels have exactly that colour
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# The setup's first page, with the GPL, as a screenshot beside the setup;
# the setup is stopped there.
zeige_lizenzseite() { # prefix, setup
    WINEPREFIX=$1 wine "$2" &
    local setup=$!
    warte_auf_fenster '^Installation von Kurvix' > /dev/null
    sleep 2
    import -window root "$BAU/kurvix-setup-lizenz.png"
    WINEPREFIX=$1 wineserver -k 2> /dev/null || true
    wait "$setup" || true
}

# Silently into a fresh prefix, as a deployment tool would; then the
# installed program, the file type, and the silent uninstall.
pruefe_setup() {
    local prefix=$PRUEFUNG/setup-prefix setup ordner
    setup=$(ls "$BAU"/Kurvix-Setup-*.exe)
    neuer_prefix "$prefix"
    zeige_lizenzseite "$prefix" "$setup"
    WINEPREFIX=$prefix wine "$setup" /S
    WINEPREFIX=$prefix wineserver -w
    ordner="$prefix/drive_c/Program Files/Kurvix"
    local datei
    for datei in kurvix.exe deinstallieren.exe QUELLTEXT.txt translations/qtbase_de.qm beispiele/sinus.sba \
        lizenzen/GPL-3.0-or-later.txt lizenzen/LGPL-3.0-only.txt lizenzen/OFL-1.1.txt lizenzen/CC0-1.0.txt \
        lizenzen/Qt-Urheber.txt; do
        [ -f "$ordner/$datei" ] || fehler "the setup did not install $datei"
    done
    [ -f "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kurvix/Kurvix.lnk" ] ||
        fehler "no Start-menu entry"
    WINEPREFIX=$prefix wine 'C:\Program Files\Kurvix\kurvix.exe' --version > "$PRUEFUNG/installiert.txt"
    erwarte_text "$PRUEFUNG/installiert.txt" "$(cat -A "$PRUEFUNG/version.txt")"
    WINEPREFIX=$prefix wine reg query 'HKCR\.sba' /ve > "$PRUEFUNG/typ.txt"
    WINEPREFIX=$prefix wine reg query 'HKCR\Kurvix.Aufgabendatei' /ve >> "$PRUEFUNG/typ.txt"
    WINEPREFIX=$prefix wine reg query 'HKCR\Kurvix.Aufgabendatei\shell\open\command' /ve >> "$PRUEFUNG/typ.txt"
    tr -d '\r' < "$PRUEFUNG/typ.txt"
    grep -q 'Kurvix.Aufgabendatei' "$PRUEFUNG/typ.txt" || fehler ".sba is not a Kurvix file"
    grep -q 'Aufgabendatei$' <(tr -d '\r' < "$PRUEFUNG/typ.txt") || fehler "the file type has no name"
    grep -qF '"C:\Program Files\Kurvix\kurvix.exe" "%1"' "$PRUEFUNG/typ.txt" || fehler "no open command"
    WINEPREFIX=$prefix wine "C:\\Program Files\\Kurvix\\deinstallieren.exe" /S
    WINEPREFIX=$prefix wineserver -w
    [ ! -e "$ordner" ] || fehler "the uninstaller left $(find "$ordner" | tr '\n' ' ')"
    if WINEPREFIX=$prefix wine reg query 'HKCR\.sba' > /dev/null 2>&1; then
        fehler "the uninstaller left the file type"
    fi
}

schritt "Cross-building Kurvix" baue_kurvix
schritt "Making the setup" mache_setup
# From here on the end of the script also stops Wine and the X server; the
# failed step is named first, while the status is still the step's.
trap 'melde_abbruch; halte_an' EXIT
starte_xserver
schritt "Making a Wine prefix for the tests" bereite_pruefung_vor
schritt "Testing --version, --help and --pruefe under Wine" pruefe_befehle
schritt "Testing the console under Wine" pruefe_konsole
schritt "Testing --arbeitsblatt under Wine" pruefe_arbeitsblatt
schritt "Testing the window under Wine" pruefe_fenster
schritt "Testing the series editor under Wine" pruefe_reihenfenster
schritt "Testing the silent setup under Wine" pruefe_setup
echo "== PASSED: $(ls "$BAU"/Kurvix-Setup-*.exe), screenshot $BAU/kurvix-unter-wine.png ($(( (SECONDS - gesamt) / 60 )) min $(( (SECONDS - gesamt) % 60 )) s)"
