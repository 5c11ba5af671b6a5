#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Kurvix maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the README's commands on a fresh Debian 12, so that a missing install
# step shows here before a user meets it:
#
#     tools/frische_maschine.sh [ORDNER]
#
# As root: makes a minimal Debian 12 in ORDNER (/var/tmp/kurvix-frisch unless
# given; an old one there is removed) with `debootstrap --variant=minbase
# bookworm`, copies the sources as committed (git archive HEAD) into it and
# runs there, one after the other, `./build.sh test`, `./build.sh deb`,
# `apt install ./kurvix_*.deb` and `kurvix --version`, timing each step. It
# needs only Debian's package mirror; it installs debootstrap when missing.
# It takes hours on a small machine; run it niced, for example
#     nice -n 15 tools/frische_maschine.sh > frisch.log 2>&1 &
set -euo pipefail
cd "$(dirname "$0")/.."

ORDNER=${1:-/var/tmp/kurvix-frisch}
SPIEGEL=http://deb.debian.org/debian

if [ "$(id -u)" -ne 0 ]; then
    echo "$0 needs root (debootstrap, chroot, mount)." >&2
    exit 2
fi
if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
fi

eingehaengt=()
aushaengen() {
    local i
    for ((i = ${#eingehaengt[@]} - 1; i >= 0; i--)); do umount -R -l "${eingehaengt[i]}" || true; done
}
trap aushaengen EXIT
haenge_ein() { # mount arguments..., mount point last
    mount "$@"
    eingehaengt+=("${!#}")
}

schritt() { # name, command in the fresh machine
    local beginn=$SECONDS status=0
    echo "== $1"
    chroot "$ORDNER" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/kurvix && $2" || status=$?
    echo "== $1: status $status after $(((SECONDS - beginn) / 60)) min $(((SECONDS - beginn) % 60)) s"
    if [ "$status" -ne 0 ]; then
        echo "== The fresh machine failed at: $1 (left in $ORDNER)" >&2
        exit 1
    fi
}

beginn=$SECONDS
if [ -e "$ORDNER" ]; then
    echo "== Removing the old $ORDNER"
    rm -rf --one-file-system "$ORDNER"
fi
echo "== debootstrap --variant=minbase bookworm $ORDNER"
debootstrap --variant=minbase bookworm "$ORDNER" "$SPIEGEL" >/dev/null
echo "deb $SPIEGEL bookworm main" >"$ORDNER/etc/apt/sources.list"
cp /etc/resolv.conf "$ORDNER/etc/resolv.conf"
haenge_ein -t proc proc "$ORDNER/proc"
haenge_ein -t sysfs sys "$ORDNER/sys"
haenge_ein --rbind --make-rslave /dev "$ORDNER/dev"
mkdir -p "$ORDNER/root/kurvix"
git archive HEAD | tar -x -C "$ORDNER/root/kurvix"
echo "== The fresh machine stands after $((SECONDS - beginn)) s"

schritt "./build.sh test" "./build.sh test"
schritt "./build.sh deb" "./build.sh deb"
schritt "apt install ./kurvix_*.deb" "cd build/release && apt install -y ./kurvix_*.deb"
schritt "kurvix --version" "kurvix --version"
echo "== Everything passed in $(((SECONDS - beginn) / 60)) min"
