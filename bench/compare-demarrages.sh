# shellcheck shell=bash
# Sourced by the start-up benchmarks (mesure-demarrage.sh, mesure-demarrage-wine.sh): the
# display they run on, and the alternating start-ups of the bare reference window and Vantrel
# with their medians.

# dans_xvfb "$0" ARGUMENT...: first thing in a benchmark, runs the script again on a private Xvfb
# server, so that every program meets the same empty display: no window manager, so that
# top-level windows are the root's own children, and a black root (-br), so that a window not yet
# painted is of one colour (bench/demarrage/lanceur.cpp). The server picks a free display number
# itself (-displayfd): one in use elsewhere on the machine, even unseen from here, is skipped. It
# does not reset when its last client leaves (-noreset), which it does between two runs, and a
# server resetting drops the next run's connection.
dans_xvfb() {
    if [ -n "${VANTREL_MESURE_XVFB:-}" ]; then
        return
    fi
    local statut=0
    numero_xvfb=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -br -noreset -nolisten tcp 3>"$numero_xvfb" 2>/dev/null &
    serveur_xvfb=$!
    trap 'kill "$serveur_xvfb" 2>/dev/null; wait "$serveur_xvfb"; rm -f "$numero_xvfb"' EXIT
    while [ ! -s "$numero_xvfb" ]; do
        kill -0 "$serveur_xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.05
    done
    VANTREL_MESURE_XVFB=1 DISPLAY=:$(<"$numero_xvfb") "$@" || statut=$?
    exit "$statut"
}

mediane() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
minimum() { tr ' ' '\n' | grep . | sort -g | head -1; }
maximum() { tr ' ' '\n' | grep . | sort -g | tail -1; }

# compare_demarrages RUNS WARMUPS REFERENCE [PLAIN] PROGRAM: each is a command (the caller's
# function) that starts its program once through the launcher, which prints "<ms> <KiB>".
# WARMUPS starts of each first, not counted: the libraries and the fonts come into the page
# cache, Wine's services settle. Then RUNS rounds of one start of each, the order turned by one
# every round, so that drift on a shared machine spreads over all. Prints each program's medians
# and range, and the ratios of PROGRAM against REFERENCE, the bare window, and against PLAIN,
# its own widget tree built plainly, with their targets.
compare_demarrages() {
    local runs=$1 echauffement=$2 i j p t k figures n
    shift 2
    local -a programmes=("$@")
    local -A ms=() rss=() med_ms=() med_rss=()
    n=${#programmes[@]}
    for ((i = 0; i < echauffement; i++)); do
        for p in "${programmes[@]}"; do
            "$p" >/dev/null
        done
    done
    for ((i = 0; i < runs; i++)); do
        for ((j = 0; j < n; j++)); do
            p=${programmes[(i + j) % n]}
            figures=$("$p")
            read -r t k <<<"$figures"
            ms[$p]+="$t "
            rss[$p]+="$k "
        done
    done

    printf '%-20s %22s %20s %20s\n' program "window painted, median" "(min - max)" "peak RSS, median"
    for p in "${programmes[@]}"; do
        med_ms[$p]=$(mediane <<<"${ms[$p]}")
        med_rss[$p]=$(mediane <<<"${rss[$p]}")
        printf '%-20s %19.1f ms %9.1f - %6.1f ms %16.1f MiB\n' "$p" "${med_ms[$p]}" \
            "$(minimum <<<"${ms[$p]}")" "$(maximum <<<"${ms[$p]}")" \
            "$(awk -v k="${med_rss[$p]}" 'BEGIN {print k / 1024}')"
    done
    local reference=${programmes[0]} programme=${programmes[n - 1]}
    rapport "$programme / $reference" "${med_ms[$programme]}" "${med_ms[$reference]}" 1.10 \
        "${med_rss[$programme]}" "${med_rss[$reference]}" 1.07
    if ((n == 3)); then
        local simple=${programmes[1]}
        rapport "$simple / $reference" "${med_ms[$simple]}" "${med_ms[$reference]}" "" \
            "${med_rss[$simple]}" "${med_rss[$reference]}" ""
        rapport "$programme / $simple" "${med_ms[$programme]}" "${med_ms[$simple]}" 1.02 \
            "${med_rss[$programme]}" "${med_rss[$simple]}" ""
    fi
}

# rapport NAME MS REFERENCE_MS MS_TARGET KIB REFERENCE_KIB KIB_TARGET: one line of ratios, and
# under it whether each meets its target (none for an empty target).
rapport() {
    awk -v nom="$1" -v a="$2" -v b="$3" -v ca="$4" -v c="$5" -v d="$6" -v cm="$7" 'BEGIN {
        t = a / b; m = c / d
        printf "%-20s %21.3fx %20s %19.3fx\n", nom, t, "", m
        if (ca != "" || cm != "") {
            printf "%-20s %22s %20s %20s\n", "  target", (ca != "" ? "<= " ca "x" : ""), "", (cm != "" ? "<= " cm "x" : "")
            printf "%-20s %22s %20s %20s\n", "", (ca == "" ? "" : t <= ca + 0 ? "met" : "MISSED"), "", (cm == "" ? "" : m <= cm + 0 ? "met" : "MISSED")
        }
    }'
}
