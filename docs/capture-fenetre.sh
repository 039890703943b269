#!/usr/bin/env bash
# Screenshot of the window in a window manager after a distance from AA00XX to FN20XR: its
# title bar, icon and buttons, and both longitudes written whole (needs xvfb, xauth, openbox,
# xdotool, imagemagick).
#   docs/capture-fenetre.sh BUILD_DIR/ui/vantrel [OUTPUT.png]
set -euo pipefail
programme=$(realpath "$1")
sortie=$(realpath -m "${2:-$(dirname "$0")/fenetre.png}")

if [ -z "${VANTREL_CAPTURE_XVFB:-}" ]; then
    exec env VANTREL_CAPTURE_XVFB=1 xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$programme" "$sortie"
fi

openbox >/dev/null 2>&1 &
gestionnaire=$!
sleep 1
"$programme" 2>/dev/null &
pid=$!
trap 'kill $pid $gestionnaire' EXIT
fenetre=$(xdotool search --sync --onlyvisible --name '^Vantrel$' | head -1)
sleep 1
xdotool windowactivate --sync "$fenetre"
eval "$(xdotool getwindowgeometry --shell "$fenetre")"
sleep 1
# From the first stop (&Clear) by the keyboard: MonLocator, SonLocator, then Alt+A (C&alcul).
xdotool key Tab End BackSpace
xdotool type --delay 80 AA00XX
xdotool key Tab
xdotool type --delay 80 FN20XR
xdotool key alt+a
xdotool mousemove $((X + 300)) $((Y + 30))
sleep 1
# The window with its frame: the window manager's parent window.
cadre=$(xwininfo -id "$fenetre" -children | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
import -window "$cadre" -depth 8 "$sortie" 2>/dev/null
echo "$sortie"
