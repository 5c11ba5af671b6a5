#!/usr/bin/env bash
# Kurvix on Debian 12: installs what is missing, builds, and then
#   ./build.sh run    starts the program
#   ./build.sh test   runs every test, once plainly and once under
#                     AddressSanitizer and UndefinedBehaviorSanitizer, each
#                     time under German, English and C regional settings
set -euo pipefail
cd "$(dirname "$0")"

PROGRAMM_PAKETE=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n)
TEST_PAKETE=(libgtest-dev libbenchmark-dev locales poppler-utils)
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

baue() { # folder, then cmake options
    local ordner=$1
    shift
    cmake -S . -B "$ordner" -G Ninja "$@" >/dev/null
    cmake --build "$ordner"
}

pruefe() { # folder
    for region in "${REGIONEN[@]}"; do
        echo "== Tests in $1 under $region"
        LANG="$region" LC_ALL="$region" ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
    done
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
    echo "== Build with warnings as errors"
    baue build/test -DCMAKE_BUILD_TYPE=Debug -DKURVIX_WERROR=ON
    echo "== Build with AddressSanitizer and UndefinedBehaviorSanitizer"
    baue build/asan -DCMAKE_BUILD_TYPE=Debug -DKURVIX_WERROR=ON -DKURVIX_SANITIZE=ON -DKURVIX_BENCHMARKS=OFF
    pruefe build/test
    pruefe build/asan
    ;;
*)
    echo "Usage: $0 run | test" >&2
    exit 2
    ;;
esac
