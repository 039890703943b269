#!/usr/bin/env bash
# In a minimal system of the package's own release and architecture (scripts/paquets-debian):
# the package installed by apt from its file alone, its hard dependencies from the release's
# archive and nothing they only recommend, so that no recommended package can make up for one
# missing from Depends; then the installed program started as a user would: offscreen it is
# still running after 3 s; without any display it says so in one line and ends with status 2.
# Usage: packaging/essai-installation.sh PACKAGE.deb   (as root)
set -euo pipefail
deb=$(realpath "${1:?usage: $0 PACKAGE.deb}")
echec() {
    echo "FAIL: $*" >&2
    exit 1
}

"$(dirname "$0")/../scripts/apt-a-jour"
apt-get install -y -q --no-install-recommends "$deb"
echo "== installed: $(dpkg-query -W -f='${Package} ${Version} ${Architecture}' "vantrel:$(dpkg --print-architecture)")"

statut=0
QT_QPA_PLATFORM=offscreen timeout 3 vantrel 2>/tmp/offscreen.err || statut=$?
[ "$statut" -eq 124 ] || { cat /tmp/offscreen.err >&2; echec "offscreen, vantrel ended by itself (status $statut)"; }
echo "== offscreen: still running after 3 s"

statut=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM vantrel >/tmp/sans.out 2>&1 || statut=$?
lignes=$(wc -l </tmp/sans.out)
if [ "$statut" -ne 2 ] || [ "$lignes" -ne 1 ]; then
    cat /tmp/sans.out >&2
    echec "without a display: status $statut and $lignes lines, expected 2 and 1"
fi
echo "== without a display: status 2, one line: $(cat /tmp/sans.out)"
