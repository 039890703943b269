#!/usr/bin/env bash
# Screenshot of the window in a window manager after a distance from AA00XX to FN20XR: its
# title bar, icon and buttons, and both longitudes written whole (needs xvfb, xauth, openbox,
# xdotool, imagemagick).
#   docs/capture-fenetre.sh BUILD_DIR/ui/vantrel [OUTPUT.png]
set -euo pipefail
# shellcheck source=scripts/commun-captures.sh
. "$(dirname "$0")/../scripts/commun-captures.sh"
programme=$(realpath "$1")
sortie=$(realpath -m "${2:-$(dirname "$0")/fenetre.png}")
capture_relance 1280x1024 "$0" "$programme" "$sortie"

capture_gestionnaire
capture_demarre "$programme"
capture_distance AA00XX FN20XR
# The pointer off the controls, then the window with its frame: the window manager's parent
# window.
xdotool mousemove $((X + 300)) $((Y + 30))
sleep 1
cadre=$(xwininfo -id "$fenetre" -children | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
capture_zone "$sortie" "$(capture_geometrie "$cadre")"
echo "$sortie"
