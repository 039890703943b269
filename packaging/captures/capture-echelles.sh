#!/usr/bin/env bash
# Screenshots of the window at scale 1 and 2, after a distance from JN38DM to FN20XR, each under
# its own Xvfb screen (needs xvfb, xauth, xdotool, imagemagick).
#   packaging/captures/capture-echelles.sh BUILD_DIR/ui/vantrel [OUTPUT_DIR]
set -euo pipefail
programme=$(realpath "$1")
sortie=$(realpath "${2:-$(dirname "$0")}")
mkdir -p "$sortie"

if [ -z "${VANTREL_CAPTURE_ECHELLE:-}" ]; then
    for echelle in 1 2; do
        VANTREL_CAPTURE_ECHELLE=$echelle xvfb-run -a -s '-screen 0 2560x2048x24' "$0" "$programme" "$sortie"
    done
    exit 0
fi

s=$VANTREL_CAPTURE_ECHELLE
export QT_SCALE_FACTOR=$s LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
unset LANGUAGE
"$programme" 2>/dev/null &
pid=$!
trap 'kill $pid' EXIT
sleep 3
fenetre=$(xdotool search --name '^Vantrel$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
# Positions in the window at scale 1: MonLocator, then the C&alcul button.
clic() {
    xdotool mousemove $((X + $1 * s)) $((Y + $2 * s)) click 1
    sleep 0.5
}
clic 422 205
xdotool type --delay 50 JN38DM
xdotool key Tab
sleep 0.3
xdotool type --delay 50 FN20XR
clic 343 290
ecran=$(mktemp --suffix=.png)
import -window root "$ecran"
/usr/bin/convert-im6.q16 "$ecran" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$sortie/echelle-$s.png"
rm -f "$ecran"
echo "$sortie/echelle-$s.png: ${WIDTH}x${HEIGHT}"
