#!/usr/bin/env bash
# Start-up of the Windows build under Wine: the installed vantrel.exe against a bare Qt main
# window built by the same toolchain against the same Qt, run from the same folder (so from the
# same DLLs). Time from launch to the window shown and painted, watched on the display from
# outside (lanceur_fenetre), over alternating runs, medians.
# Usage: bench/mesure-demarrage-wine.sh BENCH_TREE WINDOWS_TREE [RUNS]   (make bench-windows)
set -euo pipefail
# shellcheck source=scripts/commun.sh
. "$(dirname "$0")/../scripts/commun.sh"
bench=$(realpath "$1")
windows=$(realpath "$2")
# Under Wine a start varies by some 300 ms from one run to the next here: with 20 runs of each the
# ratio of the medians moved by 0.04 from one call to the next.
runs=${3:-40}

# A private display with no window manager, so top-level windows are the root's own children,
# and a black root (-br), so that a window not yet painted is of one colour.
if [ -z "${VANTREL_MESURE_XVFB:-}" ]; then
    exec env VANTREL_MESURE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -br -nolisten tcp" \
        "$0" "$bench" "$windows" "$runs"
fi

lanceur=$bench/bench/demarrage/lanceur_fenetre
reference=$windows/vantrel_reference.exe
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
installateur=$windows/vantrel-$version-setup.exe
for f in "$lanceur" "$reference" "$installateur"; do
    [ -f "$f" ] || { echo "$f is not built (make bench-windows builds it)" >&2; exit 1; }
done

wine_sans_bruit
installe_dans_wine "$windows/wine-banc" "$installateur"
dossier="$WINEPREFIX/drive_c/Program Files/Vantrel"
x86_64-w64-mingw32-strip -o "$dossier/vantrel_reference.exe" "$reference"

# One server for all the runs, and Wine's own services kept between them, so that each run
# starts a program and nothing else.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT

declare -A ms
declare -A titre=([reference]=Référence [vantrel]=Vantrel)
declare -A exe=([reference]=vantrel_reference.exe [vantrel]=vantrel.exe)
run() { # run NAME: one start-up, in French as a French user's Windows, appended to the list
    ms[$1]+="$(LANG=fr_FR.UTF-8 LC_ALL='' "$lanceur" "${titre[$1]}" \
        wine "C:\\Program Files\\Vantrel\\${exe[$1]}") "
}

# Two starts of each first, not counted: Wine's services, the libraries and the fonts settle.
for _ in 1 2; do
    run reference
    run vantrel
done
ms=()
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        run reference && run vantrel
    else
        run vantrel && run reference
    fi
done

# shellcheck source=bench/statistiques.sh
. "$(dirname "$0")/statistiques.sh"

echo
echo "Start-up under Wine $(wine --version | sed 's/^wine-//'), Xvfb, $runs alternating runs each ($(nproc) cores)"
printf '%-24s %24s %20s\n' program "window painted, median" "(min - max)"
for p in reference vantrel; do
    printf '%-24s %21.1f ms %9.1f - %6.1f ms\n' "${exe[$p]}" "$(median <<<"${ms[$p]}")" \
        "$(minimum <<<"${ms[$p]}")" "$(maximum <<<"${ms[$p]}")"
done
awk -v a="$(median <<<"${ms[vantrel]}")" -v b="$(median <<<"${ms[reference]}")" \
    'BEGIN { printf "%-24s %23.3fx\n", "Vantrel / reference", a / b }'
