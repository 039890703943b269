#!/usr/bin/env bash
# The kept builds (recette, scripts/commun.sh), with a stand-in for the build that records each
# run: a changed key rebuilds in place, into a folder that is a mount point (as the Qt for
# Windows cache is inside a minimal system, where it cannot be removed); an unchanged key does
# not; a failed build is never taken as done; two runs at once build once.
# Usage: recette.sh SOURCES_DIR
set -euo pipefail
. "${1:?usage: $0 SOURCES_DIR}/scripts/commun.sh"

# Run again in a private mount namespace, where the folder is bound onto itself, when this
# machine allows it (as root).
if [ -z "${RECETTE_ESPACE:-}" ] && unshare --mount true 2>/dev/null; then
    RECETTE_ESPACE=1 exec unshare --mount --propagation private "$0" "$@"
fi
travail=$(mktemp -d)
trap 'umount "$travail/prefixe" 2>/dev/null || true; rm -rf "$travail"' EXIT
prefixe=$travail/prefixe
mkdir "$prefixe"
if [ -n "${RECETTE_ESPACE:-}" ]; then
    mount --bind "$prefixe" "$prefixe"
    ! rm -rf "$prefixe" 2>/dev/null || { echo "FAIL: the mount point could be removed"; exit 1; }
fi
inode=$(stat -c %i "$prefixe")

# The stand-in, run as a program of its own (as the build scripts run recette): counts its
# runs, leaves a file named after the key, fails for the key "echec", takes PAUSE seconds.
cat >"$travail/lance" <<'LANCE'
set -euo pipefail
. "$1/scripts/commun.sh"
construit() {
    echo x >>"$TRAVAIL/constructions"
    [ "$cle" != echec ]
    sleep "${PAUSE:-0}"
    touch "$prefixe/fait-$cle"
}
prefixe=$2 cle=$3
recette "$prefixe" "$cle" construit
LANCE
export TRAVAIL=$travail
lance() { bash "$travail/lance" "$1" "$prefixe" "$2" 2>/dev/null; }
constructions() { wc -l <"$travail/constructions" 2>/dev/null || echo 0; }

echecs=0
# key, builds expected in all after the run, the files expected in the folder after it
while read -r cle attendues fichiers; do
    lance "$1" "$cle" || true
    trouves=$(cd "$prefixe" && find . -mindepth 1 ! -name .recette -printf '%P ')
    if [ "$(constructions)" != "$attendues" ] || [ "$trouves" != "${fichiers:+$fichiers }" ] ||
        [ "$(stat -c %i "$prefixe")" != "$inode" ]; then
        echo "FAIL: key $cle: $(constructions) builds, files '$trouves'; expected $attendues, '$fichiers'"
        echecs=$((echecs + 1))
    fi
done <<'CAS'
un 1 fait-un
un 1 fait-un
deux 2 fait-deux
echec 3
echec 4
deux 5 fait-deux
CAS

# Two runs at once with a new key: the second waits for the first, then finds it done.
export PAUSE=1
lance "$1" trois &
lance "$1" trois
wait
[ "$(constructions)" = 6 ] || { echo "FAIL: two runs at once built $(($(constructions) - 5)) times"; echecs=$((echecs + 1)); }
[ "$echecs" = 0 ] && echo "recette: every case passed"
