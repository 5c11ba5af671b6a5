#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kurvix maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Kurvix on Debian 12: installs what is missing, builds, and then
#   ./build.sh run    starts the program
#   ./build.sh test   runs every test, once plainly and once under
#                     AddressSanitizer and UndefinedBehaviorSanitizer, each
#                     time under German, English and C regional settings,
#                     then runs each fuzz target for a minute
#   ./build.sh deb    builds the Debian package build/release/kurvix_*.deb
set -euo pipefail
cd "$(dirname "$0")"

PROGRAMM_PAKETE=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n)
# The installation test checks the installed tree with the desktop's own tools;
# the start test looks at the real windows on a virtual X server.
TEST_PAKETE=(libgtest-dev libbenchmark-dev locales desktop-file-utils libxml2-utils shared-mime-info groff-base
    appstream dpkg-dev
    xvfb xauth xdotool x11-utils
    clang-14 libclang-rt-14-dev poppler-utils
    reuse)
# cpack's DEB generator calls `file` and dpkg-shlibdeps; the package is then
# checked as a software centre and Debian see it.
PAKET_PAKETE=(dpkg-dev file appstream lintian)
REGIONEN=(de_DE.UTF-8 en_US.UTF-8 C)

als_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installiere() {
    local fehlend=()
    for paket in "$@"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$paket")
    done
    if [ ${#fehlend[@]} -gt 0 ]; then
        echo "== Installing ${fehlend[*]}"
        als_root apt-get update -qq
        als_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${fehlend[@]}"
    fi
}

# The tests run under each of REGIONEN; Debian ships only C and C.UTF-8.
erzeuge_regionen() {
    local vorhanden
    vorhanden=$(locale -a)
    for region in de_DE en_US; do
        if ! grep -qx "$region.utf8" <<<"$vorhanden"; then
            echo "== Generating the locale $region.UTF-8"
            als_root localedef -i "$region" -f UTF-8 "$region.UTF-8"
        fi
    done
}

baue() { # folder, cmake options, and after "--" the targets (default: all)
    local ordner=$1 optionen=() ziele=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do optionen+=("$1"); shift; done
    [ $# -gt 0 ] && shift && ziele=(--target "$@")
    cmake -S . -B "$ordner" -G Ninja "${optionen[@]}" >/dev/null
    cmake --build "$ordner" "${ziele[@]}"
}

pruefe() { # folder
    for region in "${REGIONEN[@]}"; do
        echo "== Tests in $1 under $region"
        LANG="$region" LC_ALL="$region" ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
    done
}

# The drawing reports an invalid operation by testing for NaN: fast-math
# would let the compiler assume there is none, and a trap would turn it into
# a signal instead of the program's error report.
pruefe_gleitkomma() { # build folders
    local ordner
    for ordner in "$@"; do
        if grep -E -- '-ffast-math|-Ofast|-funsafe-math-optimizations|-ffinite-math-only' "$ordner/compile_commands.json"; then
            echo "== Fast-math flags in $ordner" >&2
            exit 1
        fi
    done
    if grep -rnE 'feenableexcept|fesetenv|feupdateenv|fesetexceptflag|_controlfp|_control87|_MM_SET_EXCEPTION_MASK|_mm_setcsr' \
        basis model term plot tasks dialogs app; then
        echo "== The program must not switch on floating-point traps" >&2
        exit 1
    fi
}

case "${1:-}" in
run)
    installiere "${PROGRAMM_PAKETE[@]}"
    baue build/release -DCMAKE_BUILD_TYPE=Release -DKURVIX_TESTS=OFF -DKURVIX_BENCHMARKS=OFF
    exec build/release/app/kurvix
    ;;
test)
    installiere "${PROGRAMM_PAKETE[@]}" "${TEST_PAKETE[@]}"
    erzeuge_regionen
    # Every file names its licence, so a new file without one fails here.
    echo "== reuse lint"
    reuse lint
    echo "== Build with warnings as errors"
    baue build/test -DCMAKE_BUILD_TYPE=Debug -DKURVIX_WERROR=ON -DKURVIX_TESTS=ON -DKURVIX_BENCHMARKS=ON
    echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
    baue build/asan -DCMAKE_BUILD_TYPE=Debug -DKURVIX_WERROR=ON -DKURVIX_SANITIZE=ON -DKURVIX_TESTS=ON -DKURVIX_BENCHMARKS=OFF \
        -DKURVIX_TESTPROGRAMME_GANZ=ON
    echo "== Fuzz targets (clang, libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer)"
    FUZZ_ZIELE=(fuzz_aufgabendatei fuzz_parameterwert fuzz_abtastung fuzz_protokoll fuzz_reihe fuzz_uebersicht)
    baue build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DKURVIX_FUZZ=ON \
        -DKURVIX_TESTS=OFF -DKURVIX_BENCHMARKS=OFF -- "${FUZZ_ZIELE[@]}"
    pruefe_gleitkomma build/test build/asan build/fuzz
    # Every typed text of up to six characters, once; the other runs check a sample.
    KURVIX_ALLE_EINGABEN=1 LANG=C LC_ALL=C build/test/tests/test_term --gtest_filter='AlleEingaben.*'
    pruefe build/test
    pruefe build/asan
    fuzz/lauf.sh build/fuzz 60
    ;;
deb)
    installiere "${PROGRAMM_PAKETE[@]}" "${PAKET_PAKETE[@]}"
    baue build/release -DCMAKE_BUILD_TYPE=Release -DKURVIX_TESTS=OFF -DKURVIX_BENCHMARKS=OFF
    (cd build/release && cpack -G DEB)
    echo "== appstreamcli validate and lintian"
    appstreamcli validate --no-net build/release/desktop/*.metainfo.xml
    lintian --fail-on error,warning build/release/kurvix_*.deb
    ;;
*)
    echo "Usage: $0 run | test | deb" >&2
    exit 2
    ;;
esac
