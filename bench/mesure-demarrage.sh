#!/usr/bin/env bash
# Start-up of Vantrel as built against a bare Qt main window and against its own widget tree
# built plainly, under a private Xvfb server: time from launch to the window painted and peak
# resident memory, both taken from outside by the launcher, over alternating runs, medians.
# A tree cross-built for ARM (make bench-arm64) runs under the emulator its toolchain names,
# timed by the launcher of the native tree LAUNCHER_BUILD_DIR: the ratios estimate the Raspberry
# Pi's, where every instruction costs alike; the milliseconds and the memory are qemu's.
# Usage: bench/mesure-demarrage.sh [BUILD_DIR] [RUNS] [LAUNCHER_BUILD_DIR]
#   (defaults: build-bench 30 BUILD_DIR; make bench)
set -euo pipefail
# shellcheck source=bench/compare-demarrages.sh
. "$(dirname "$0")/compare-demarrages.sh"
build=$(realpath "${1:-build-bench}")
# A start varies by some 10 ms from one run to the next here; 30 runs of each keep the ratio of
# the medians within about 0.015 from one call to the next (10 runs: about 0.03).
runs=${2:-30}
outils=$(realpath "${3:-$build}")
dans_xvfb "$0" "$build" "$runs" "$outils"

export QT_QPA_PLATFORM=xcb
# A private runtime directory, so Qt has no warning to print and both programs start alike.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

lanceur=$outils/bench/demarrage/lanceur
# The emulator of a cross-built tree, as its toolchain file gave it to CMake (a list: "qemu-aarch64;-L;/").
emulateur=()
IFS=';' read -r -a emulateur < <(sed -n 's/^CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=//p' "$build/CMakeCache.txt") || true
for f in "$lanceur" "$build/bench/demarrage/vantrel_reference" "$build/bench/demarrage/vantrel_arbre" \
    "$build/ui/vantrel"; do
    [ -x "$f" ] || { echo "$f is not built (make bench builds it)" >&2; exit 1; }
done
reference() { "$lanceur" "${emulateur[@]}" "$build/bench/demarrage/vantrel_reference"; }
arbre() { "$lanceur" "${emulateur[@]}" "$build/bench/demarrage/vantrel_arbre"; }
vantrel() { "$lanceur" "${emulateur[@]}" "$build/ui/vantrel"; }

echo
echo "Start-up under Xvfb${emulateur:+ and ${emulateur[0]}}, $runs alternating runs each ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'))"
compare_demarrages "$runs" 1 reference arbre vantrel
