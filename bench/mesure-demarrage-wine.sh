#!/usr/bin/env bash
# Start-up of the Windows build under Wine: the installed vantrel.exe against a bare Qt main
# window and against its own widget tree built plainly, both built by the same toolchain against
# the same Qt and run from the same folder (so from the same DLLs). Time from launch to the window painted and peak resident memory, both taken from
# outside by the launcher built for Linux, over alternating runs, medians.
# Usage: bench/mesure-demarrage-wine.sh BENCH_TREE WINDOWS_TREE [RUNS]   (make bench-windows)
set -euo pipefail
ici=$(dirname "$0")
# shellcheck source=scripts/commun.sh
. "$ici/../scripts/commun.sh"
# shellcheck source=bench/compare-demarrages.sh
. "$ici/compare-demarrages.sh"
bench=$(realpath "$1")
windows=$(realpath "$2")
# Under Wine a start varies by some 300 ms from one run to the next here: with 20 runs of each the
# ratio of the medians moved by 0.04 from one call to the next.
runs=${3:-40}
dans_xvfb "$0" "$bench" "$windows" "$runs"

lanceur=$bench/bench/demarrage/lanceur
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
installateur=$windows/vantrel-$version-setup.exe
for f in "$lanceur" "$windows/vantrel_reference.exe" "$windows/vantrel_arbre.exe" "$installateur"; do
    [ -f "$f" ] || { echo "$f is not built (make bench-windows builds it)" >&2; exit 1; }
done

wine_sans_bruit
installe_dans_wine "$windows/wine-banc" "$installateur"
for p in vantrel_reference vantrel_arbre; do
    x86_64-w64-mingw32-strip -o "$WINEPREFIX/drive_c/Program Files/Vantrel/$p.exe" "$windows/$p.exe"
done

# One server for all the runs, and Wine's own services kept between them, so that each run
# starts a program and nothing else.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT

# One start-up each, in French as a French user's Windows; the launcher watches the window by
# its title, as Wine maps windows of its own.
reference() {
    LANG=fr_FR.UTF-8 LC_ALL='' "$lanceur" -t Référence \
        wine 'C:\Program Files\Vantrel\vantrel_reference.exe'
}
arbre() {
    LANG=fr_FR.UTF-8 LC_ALL='' "$lanceur" -t Arbre wine 'C:\Program Files\Vantrel\vantrel_arbre.exe'
}
vantrel() {
    LANG=fr_FR.UTF-8 LC_ALL='' "$lanceur" -t Vantrel wine 'C:\Program Files\Vantrel\vantrel.exe'
}

echo
echo "Start-up under Wine $(wine --version | sed 's/^wine-//'), Xvfb, $runs alternating runs each ($(nproc) cores)"
compare_demarrages "$runs" 2 reference arbre vantrel
