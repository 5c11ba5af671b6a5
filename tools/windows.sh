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
# With the argument "qt" it stops after step 2.
# Building Qt takes half an hour to an hour on two cores; run it niced:
#     nice -n 10 tools/windows.sh > windows.log 2>&1 &
set -euo pipefail
cd "$(dirname "$0")/.."
QUELLEN=$PWD

QT_CACHE=${QT_CACHE:-/var/cache/kurvix-qt-windows}
ZIEL=x86_64-w64-mingw32
PAKETE=(g++-mingw-w64-x86-64-posix qt6-base-dev-tools qt6-translations-l10n cmake ninja-build
    dpkg-dev wine64 nsis xvfb xauth imagemagick poppler-utils)

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

QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
qt_ordner() { echo "$QT_CACHE/$QT_VERSION"; }

baue_qt() {
    QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
    local ordner prefix
    ordner=$(qt_ordner)
    prefix=$ordner/prefix
    if [ -f "$ordner/fertig" ]; then
        echo "Qt $QT_VERSION for Windows is already in $prefix"
        return 0
    fi
    quellen_eintragen
    rm -rf "$ordner"
    mkdir -p "$ordner/quelle" "$ordner/bau"
    (cd "$ordner/quelle" && apt-get source -qq qt6-base >/dev/null)
    local quelle
    quelle=$(find "$ordner/quelle" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
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
