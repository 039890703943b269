#!/usr/bin/env bash
# In a minimal system of one Debian release (scripts/paquets-debian puts a clean clone there):
# the release's packages for this machine's architecture and, cross-built with the release's own
# cross toolchains, for ARM (make paquet, make paquet-arm64, make paquet-armhf), each passed by
# this release's lintian, copied with its build record into OUTPUT_DIR; the first built twice,
# the same bytes (scripts/reproductible).
# Usage: packaging/paquets-systeme.sh OUTPUT_DIR ARCH...   (as root)
set -euo pipefail
ici=$(cd "$(dirname "$0")/.." && pwd)
sortie=${1:?usage: $0 OUTPUT_DIR ARCH...}
shift

"$ici/scripts/install-deps" lintian
for arch in "$@"; do
    if [ "$arch" = "$(dpkg --print-architecture)" ]; then
        cible=paquet construction=$ici/build
    else
        cible=paquet-$arch construction=$ici/build-$arch
    fi
    make -C "$ici" --no-print-directory "$cible"
    "$ici/packaging/verifie-lintian.sh" "$construction"
    # The same bytes once more from another copy, at another path, with another umask, time
    # zone, locale and file times (make paquet builds for the machine it runs on).
    if [ "$cible" = paquet ]; then
        "$ici/scripts/reproductible" -r "$construction" paquet "$ici/build-reproductible" JOBS=2
    fi
    cp "$construction"/vantrel_*.deb "$construction"/vantrel_*.buildinfo "$sortie/"
done
