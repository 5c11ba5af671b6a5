#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kurvix maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the built program with a task file on a virtual X server, as a
# double-click on the file does, and looks for the windows it shows: the
# main window, its icon, and the first box the file brings.
#   fensterstart.sh PROGRAMM BEISPIELORDNER
set -euo pipefail
programm=$1
beispiele=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
printf 'keine Aufgabendatei\r\n' >"$ordner/falsch.sba"

# file, then the exact title of the box it brings
FAELLE=(
    "$beispiele/sinus.sba|Aufgabendatei einlesen"
    "$ordner/falsch.sba|Fehler"
    "$ordner/fehlt.sba|Kurvix"
)
# Without its "Ü": under the C locale xdotool cannot decode it.
HAUPTFENSTER='^  .+bungsprogramm zum Verschieben und Strecken von Schaubildern \(by Talvenhorn\)$'

fenster() { # title regex: the id of the visible window, waiting up to 20 s
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

hat_symbol() { # window id: whether it carries an icon, waiting up to 10 s
    for _ in $(seq 50); do
        xprop -id "$1" _NET_WM_ICON 2>/dev/null | grep -q '=' && return 0
        sleep 0.2
    done
    return 1
}

fehler=0
for fall in "${FAELLE[@]}"; do
    datei=${fall%%|*}
    titel=${fall#*|}
    QT_QPA_PLATFORM=xcb "$programm" "$datei" &
    pid=$!
    haupt=$(fenster "$HAUPTFENSTER" || true)
    box=$(fenster "^$titel\$" || true)
    if [ -z "$haupt" ]; then
        echo "FEHLER $datei: no main window"; fehler=1
    elif ! hat_symbol "$haupt"; then
        echo "FEHLER $datei: the main window has no icon"; fehler=1
    fi
    if [ -z "$box" ]; then
        echo "FEHLER $datei: no box titled \"$titel\""; fehler=1
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
exit $fehler
