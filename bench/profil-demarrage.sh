#!/usr/bin/env bash
# Where the start-up goes: the bare window, Vantrel's widget tree built plainly and Vantrel, each
# started once under callgrind on a private Xvfb server and stopped at its first frame on the
# screen (the launcher's -p). Instructions, not seconds: the same figures whatever else the
# machine is doing. Prints each program's total, then Vantrel's and the plain tree's costliest
# calls, inclusive; the full profiles stay in OUTPUT_DIR for callgrind_annotate or kcachegrind.
# Usage: bench/profil-demarrage.sh [BUILD_DIR] [OUTPUT_DIR]   (defaults: build-bench build-bench/profil)
set -euo pipefail
# shellcheck source=bench/compare-demarrages.sh
. "$(dirname "$0")/compare-demarrages.sh"
build=$(realpath "${1:-build-bench}")
sortie=$(realpath -m "${2:-$build/profil}")
dans_xvfb "$0" "$build" "$sortie"

export QT_QPA_PLATFORM=xcb
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
mkdir -p "$sortie"

demarrage=$build/bench/demarrage
declare -A programmes=([reference]=$demarrage/vantrel_reference [arbre]=$demarrage/vantrel_arbre
    [vantrel]=$build/ui/vantrel)
for nom in reference arbre vantrel; do
    # One start first, not counted: the libraries and the fonts come into the page cache.
    "$demarrage/lanceur" "${programmes[$nom]}" >/dev/null
    "$demarrage/lanceur" -p valgrind --tool=callgrind --callgrind-out-file="$sortie/$nom.callgrind" \
        "${programmes[$nom]}" >/dev/null 2>"$sortie/$nom.log"
    printf '%-10s %15s instructions to the first frame\n' "$nom" \
        "$(callgrind_annotate "$sortie/$nom.callgrind" | awk '/PROGRAM TOTALS/ { print $1; exit }')"
done
for nom in arbre vantrel; do
    echo
    echo "$nom: the costliest calls, inclusive"
    callgrind_annotate --inclusive=yes --threshold=100 "$sortie/$nom.callgrind" |
        grep -E '^ *[0-9,]+ \(' | head -n "${LIGNES:-40}"
done
