#!/usr/bin/env bash
# The installed Windows program (in WINEPREFIX), used through its window as a user would: a
# click in each field where the window suite found it (CAPTURES/fenetre.geometrie, "NAME
# WxH+X+Y" a line), then typing; what its result boxes show is compared with the suite's
# pictures of the same boxes, whose texts that suite checked. The same Qt, style and faces under
# the same Wine and display draw the same text to the same pixels, so not one may differ; only
# inside the boxes' 2-pixel frames, which Wine's theme draws with a white inner line on the
# screen but not into the suite's grab() of the window. Shots and cut boxes go to WORK_DIR.
# Usage: pilote-installe.sh CAPTURES WORK_DIR   (on the display essai-installateur.sh runs on)
set -euo pipefail
. "$(dirname "$0")/../../scripts/plateforme.sh"

captures=${1:?usage: $0 CAPTURES WORK_DIR}
travail=${2:?usage: $0 CAPTURES WORK_DIR}
convert=$(imagemagick)
plan=$captures/fenetre.geometrie
echec() {
    echo "test-windows: $*" >&2
    exit 1
}
[ -s "$plan" ] || echec "the window suite left no $plan"

lance() {
    # In French, as a French user's Windows.
    LANG=fr_FR.UTF-8 LC_ALL='' wine 'C:\Program Files\Vantrel\vantrel.exe' &
    programme=$!
    # Wine may show and drop a window of that name on the way: wait for one that stays.
    fenetre=
    for _ in $(seq 60); do
        sleep 1
        for id in $(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null || true); do
            if xdotool windowactivate --sync "$id" 2>/dev/null; then
                fenetre=$id
                break 2
            fi
        done
    done
    [ -n "$fenetre" ] || echec "the installed program showed no window"
    sleep 1
}
# A click in the middle of the control NAME (Wine's X window is the client area, where the
# suite measured it), then, for a list, Escape, which closes the list it opened.
clique() {
    local place
    place=$(awk -v nom="$1" '$1 == nom { sub(/\r$/, "", $2); print $2 }' "$plan")
    [[ "$place" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || echec "no place for $1 in $plan"
    xdotool mousemove --window "$fenetre" $((BASH_REMATCH[3] + BASH_REMATCH[1] / 2)) \
        $((BASH_REMATCH[4] + BASH_REMATCH[2] / 2)) click 1
    sleep 0.3
}
# NAME TEXT: a click in the field, then TEXT typed over what it held.
saisit() {
    clique "$1"
    xdotool key ctrl+a
    xdotool type --delay 50 "$2"
}
# LIST LETTER: the list's item that starts with LETTER, chosen from the keyboard, once the list
# the click opens has had time to open (on a loaded machine, 0.3 s after the click, the letter
# once chose nothing).
choisit() {
    clique "$1"
    sleep 1
    xdotool key Escape
    xdotool type "$2"
}
# The window as shown, then closed.
photographie() {
    sleep 1
    import -window "$fenetre" -depth 8 "$travail/$1"
    xdotool key alt+F4
    timeout 30 tail --pid="$programme" -f /dev/null || echec "the program did not quit"
}
# BOX TEXT SHOT: the box of that name in the window's shot looks as the window suite's picture
# of that box showing that text (BOX-TEXT.png), cut from the shot where the suite found the box
# (BOX-TEXT.geometrie, one line WxH+X+Y, maybe ended by Windows' CR LF).
montre() {
    local reference=$captures/$1-$2 place ecart
    if [ ! -f "$reference.png" ] || [ ! -f "$reference.geometrie" ]; then
        echec "the window suite saved no $1 showing $2 ($reference.png, .geometrie)"
    fi
    place=$(tr -d '\r\n' <"$reference.geometrie")
    [[ "$place" =~ ^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$ ]] ||
        echec "$reference.geometrie holds '$place', not WxH+X+Y"
    # compare takes a smaller picture for a part to look for: the sizes must be the same.
    [ "$(identify -format %wx%h "$reference.png")" = "${place%%+*}" ] ||
        echec "$reference.png is not of the size in $reference.geometrie ($place)"
    "$convert" "$reference.png" -shave 2x2 "$travail/$1-attendu.png"
    "$convert" "$travail/$3" -crop "$place" +repage -shave 2x2 "$travail/$1-vu.png"
    ecart=$(compare -metric AE "$travail/$1-attendu.png" "$travail/$1-vu.png" null: 2>&1) || true
    [ "$ecart" = 0 ] || echec "$1 does not show $2: $ecart pixels differ ($travail/$1-vu.png)"
}

lance
saisit MonLocator JN38DM
saisit SonLocator FN20XR
clique Command1
photographie fenetre-distance.png
montre Distance 6126 fenetre-distance.png
montre Azimut 295 fenetre-distance.png
echo "test-windows: the installed program shows 6126 km and 295° from JN38DM to FN20XR"

# In French, a number typed with a decimal comma: 6,6° East, 48° 36' North, as the window suite
# typed it.
lance
saisit Dlo 6,6
saisit Mlo 0
saisit Slo 0
choisit Elo E
saisit Dla 48
saisit Mla 36
saisit Sla 0
choisit Ela N
clique Cmd
photographie fenetre-locator.png
montre TxtLocator JN38HO fenetre-locator.png
echo "test-windows: in French, 6,6 0 0 Est and 48 36 0 Nord show JN38HO"
