#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kurvix maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs each fuzz target for the given time on a copy of its corpus:
#   fuzz/lauf.sh BUILD_FOLDER SECONDS_PER_TARGET
# A crash, hang, leak or sanitizer report stops the run with an error and
# leaves the input that caused it in BUILD_FOLDER/funde/.
set -euo pipefail
cd "$(dirname "$0")/.."
ordner=$1
sekunden=$2
mkdir -p "$ordner/funde"
kopie=$(mktemp -d)
trap 'rm -rf "$kopie"' EXIT
# One target: its run, and on a find the end of its log.
fuzze() { # target
    local ziel=$1 woerter=() protokoll="$ordner/funde/$1.log"
    cp -r "fuzz/korpus/$ziel" "$kopie/$ziel"
    [ -f "fuzz/$ziel.dict" ] && woerter=(-dict="fuzz/$ziel.dict")
    if ! "$ordner/fuzz/fuzz_$ziel" "${woerter[@]}" -max_len=65536 -timeout=2 -rss_limit_mb=512 \
        -max_total_time="$sekunden" -print_final_stats=1 -artifact_prefix="$ordner/funde/$ziel-" \
        "$kopie/$ziel" >"$protokoll" 2>&1; then
        tail -n 40 "$protokoll" >&2
        echo "fuzz_$ziel found a fault; the input is in $ordner/funde/" >&2
        return 1
    fi
}

# The targets run side by side, so that the whole run takes SECONDS_PER_TARGET.
ziele=(aufgabendatei parameterwert abtastung protokoll reihe uebersicht)
laeufe=()
echo "== Fuzzing ${ziele[*]} for $sekunden s, side by side"
for ziel in "${ziele[@]}"; do
    fuzze "$ziel" &
    laeufe+=($!)
done
fehler=0
for i in "${!ziele[@]}"; do
    if wait "${laeufe[i]}"; then
        echo "== fuzz_${ziele[i]}"
        grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$ordner/funde/${ziele[i]}.log"
    else
        fehler=1
    fi
done
exit "$fehler"
