# shellcheck shell=bash
# What the screenshot scripts share (docs/capture-fenetre.sh, docs/capture-bulles.sh,
# packaging/captures/capture-echelles.sh); sourced, never run. Such a script runs itself again on
# a virtual screen of its own, starts the program there in French, types a distance into its
# window by the mouse and the keyboard, and cuts what it wants to show out of the screen.
# Needs xvfb, xauth, xdotool, x11-utils and imagemagick; openbox for a shot with the window's
# frame.
#
#   capture_relance 1280x1024 "$0" "$@"
#   capture_demarre PROGRAM            # sets fenetre, X, Y, WIDTH, HEIGHT
#   capture_distance JN38DM FN20XR
#   capture_zone OUTPUT.png "$(capture_geometrie "$fenetre")"
#
# Places in the window are given at scale 1; QT_SCALE_FACTOR, if the script sets one (a whole
# number), scales them.

# True once the script runs on the virtual screen capture_xvfb gave it.
capture_sur_xvfb() { [ -n "${VANTREL_CAPTURE_XVFB:-}" ]; }

. "$(dirname "${BASH_SOURCE[0]}")/plateforme.sh"

# capture_xvfb WxH COMMAND…: COMMAND (the script again, with its arguments) on a virtual screen
# of that size, 24 bits deep.
capture_xvfb() {
    local taille=$1
    shift
    VANTREL_CAPTURE_XVFB=1 xvfb-run -a -s "-screen 0 ${taille}x24" "$@"
}

# capture_relance WxH "$0" ARGUMENTS…: unless it is there already, the script runs again on a
# virtual screen of that size, and ends with that run.
capture_relance() {
    capture_sur_xvfb && return
    capture_xvfb "$@"
    exit
}

# What the script started, stopped when it ends, and a folder for the whole screen's shots.
capture_processus=()
capture_travail=$(mktemp -d)
capture_fin() {
    if ((${#capture_processus[@]})); then
        kill "${capture_processus[@]}" 2>/dev/null || true
    fi
    rm -rf "$capture_travail"
}
trap capture_fin EXIT

# A window manager (openbox), which frames the window and activates it: before capture_demarre.
capture_avec_gestionnaire=
capture_gestionnaire() {
    openbox >/dev/null 2>&1 &
    capture_processus+=($!)
    capture_avec_gestionnaire=1
    sleep 1
}

# capture_demarre PROGRAM: starts the program in French and waits for its window; sets fenetre
# (its X id) and X, Y, WIDTH, HEIGHT (its place on the screen, without a frame).
capture_demarre() {
    env -u LANGUAGE LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 "$1" 2>/dev/null &
    capture_processus+=($!)
    fenetre=$(xdotool search --sync --onlyvisible --name '^Vantrel$' | head -1)
    sleep 1
    if [ -n "$capture_avec_gestionnaire" ]; then
        xdotool windowactivate --sync "$fenetre"
        sleep 1
    fi
    # shellcheck disable=SC2034 # WIDTH and HEIGHT are for the calling script.
    IFS='x+' read -r WIDTH HEIGHT X Y <<<"$(capture_geometrie "$fenetre")"
}

# capture_clic X Y: a click at that place in the window.
capture_clic() {
    local echelle=${QT_SCALE_FACTOR:-1}
    xdotool mousemove $((X + $1 * echelle)) $((Y + $2 * echelle)) click 1
    sleep 0.5
}

# capture_distance FROM TO: the two locators typed into the distance frame, then C&alcul.
capture_distance() {
    capture_clic 422 205 # MonLocator
    xdotool type --delay 50 "$1"
    xdotool key Tab
    sleep 0.3
    xdotool type --delay 50 "$2"
    capture_clic 343 290 # C&alcul
}

# capture_geometrie WINDOW: where that X window lies on the screen, as WxH+X+Y. From xwininfo:
# xdotool counts the frame's offset twice for a window that a window manager has framed.
capture_geometrie() {
    # Without an id, xwininfo would wait for a click.
    [ -n "$1" ] || { echo "capture_geometrie: no window" >&2; return 1; }
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $NF }
        /Absolute upper-left Y:/ { y = $NF } /^ *Width:/ { l = $NF } /^ *Height:/ { h = $NF }
        END { print l "x" h "+" x "+" y }'
}

# capture_zone OUTPUT.png WxH+X+Y: that part of the screen as it shows now.
capture_zone() {
    import -window root "$capture_travail/ecran.png"
    "$(imagemagick)" "$capture_travail/ecran.png" -crop "$2" +repage -depth 8 "$1"
}
