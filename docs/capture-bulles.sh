#!/usr/bin/env bash
# Screenshot of the two result tooltips after a distance from JN38DM to FN20XR: hovers
# Distance, then Azimut, under its own Xvfb screen, and writes both views one above the other
# (needs xvfb, xauth, xdotool, imagemagick).
#   docs/capture-bulles.sh BUILD_DIR/ui/vantrel [OUTPUT.png]
set -euo pipefail
programme=$(realpath "$1")
sortie=$(realpath -m "${2:-$(dirname "$0")/bulles.png}")

if [ -z "${VANTREL_CAPTURE_XVFB:-}" ]; then
    exec env VANTREL_CAPTURE_XVFB=1 xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$programme" "$sortie"
fi

export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
unset LANGUAGE
"$programme" 2>/dev/null &
pid=$!
travail=$(mktemp -d)
trap 'kill $pid; rm -rf "$travail"' EXIT
sleep 3
fenetre=$(xdotool search --name '^Vantrel$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
# Positions in the window: MonLocator, C&alcul, then the Distance and Azimut boxes.
clic() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.5
}
clic 422 205
xdotool type --delay 50 JN38DM
xdotool key Tab
sleep 0.3
xdotool type --delay 50 FN20XR
clic 343 290
# Each view: the lower right of the window and whatever the tooltip covers below it.
survole() {
    xdotool mousemove $((X + $1)) $((Y + $2))
    sleep 2
    import -window root "$travail/ecran.png"
    /usr/bin/convert-im6.q16 "$travail/ecran.png" -crop "560x110+$((X + 290))+$((Y + 230))" +repage "$travail/$3.png"
    xdotool mousemove $((X + 300)) $((Y + 100))
    sleep 1
}
survole 455 283 distance
survole 545 285 azimut
/usr/bin/convert-im6.q16 "$travail/distance.png" "$travail/azimut.png" -background white -splice 0x4 -append "$sortie"
echo "$sortie"
