#!/usr/bin/env bash
# Start-up of Vantrel against a bare Qt main window, under one Xvfb server: time from process
# start to the first painted frame and peak resident memory, over alternating runs, medians.
# Usage: bench/mesure-demarrage.sh [BUILD_DIR] [RUNS]   (defaults: build-bench 30)
set -euo pipefail

build=${1:-build-bench}
# A start varies by some 10 ms from one run to the next here; 30 runs of each keep the ratio of
# the medians within about 0.015 from one call to the next (10 runs: about 0.03).
runs=${2:-30}

# Re-run inside a private Xvfb server, so every program meets the same empty display.
if [ -z "${VANTREL_MESURE_XVFB:-}" ]; then
    exec env VANTREL_MESURE_XVFB=1 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
        "$0" "$build" "$runs"
fi
export QT_QPA_PLATFORM=xcb
# A private runtime directory, so Qt has no warning to print and both programs start alike.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

lanceur=$build/bench/demarrage/lanceur_demarrage
reference=$build/bench/demarrage/vantrel_reference
vantrel=$build/bench/demarrage/vantrel_mesure
for f in "$lanceur" "$reference"; do
    if [ ! -x "$f" ]; then
        echo "$f is not built (make bench builds it)" >&2
        exit 1
    fi
done
programs=(reference)
if [ -x "$vantrel" ]; then
    programs+=(vantrel)
else
    echo "note: $vantrel is not built; measuring the reference alone" >&2
fi

declare -A ms rss
run() { # run NAME: one start-up, appended to that program's lists
    local exe
    if [ "$1" = reference ]; then exe=$reference; else exe=$vantrel; fi
    read -r t k < <("$lanceur" "$exe")
    ms[$1]+="$t "
    rss[$1]+="$k "
}

# One start of each first, not counted: it brings the libraries and fonts into the page cache.
for p in "${programs[@]}"; do
    run "$p"
done
ms=() rss=()

# Alternate, and swap who goes first on every other round, so drift on a shared machine
# spreads over both.
for ((i = 0; i < runs; i++)); do
    order=("${programs[@]}")
    if ((i % 2 == 1 && ${#order[@]} == 2)); then
        order=("${order[1]}" "${order[0]}")
    fi
    for p in "${order[@]}"; do
        run "$p"
    done
done

# shellcheck source=bench/statistiques.sh
. "$(dirname "$0")/statistiques.sh"

echo
echo "Start-up under Xvfb, $runs alternating runs each ($(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'))"
printf '%-20s %22s %20s %24s\n' program "first paint, median" "(min - max)" "peak RSS, median"
declare -A med_ms med_rss
for p in "${programs[@]}"; do
    med_ms[$p]=$(median <<<"${ms[$p]}")
    med_rss[$p]=$(median <<<"${rss[$p]}")
    label=$p
    [ "$p" = reference ] && label=vantrel_reference
    printf '%-20s %19.1f ms %9.1f - %6.1f ms %20.1f MiB\n' "$label" "${med_ms[$p]}" \
        "$(minimum <<<"${ms[$p]}")" "$(maximum <<<"${ms[$p]}")" \
        "$(awk -v k="${med_rss[$p]}" 'BEGIN {print k / 1024}')"
done
if [ -n "${med_ms[vantrel]:-}" ]; then
    awk -v a="${med_ms[vantrel]}" -v b="${med_ms[reference]}" \
        -v c="${med_rss[vantrel]}" -v d="${med_rss[reference]}" 'BEGIN {
        t = a / b; m = c / d
        printf "%-20s %20.3fx %20s %23.3fx\n", "Vantrel / reference", t, "", m
        printf "%-20s %21s %20s %24s\n", "target", "<= 1.10x", "", "<= 1.07x"
        printf "%-20s %21s %20s %24s\n", "", (t <= 1.10 ? "met" : "MISSED"), "", (m <= 1.07 ? "met" : "MISSED")
    }'
fi
