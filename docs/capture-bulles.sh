#!/usr/bin/env bash
# Screenshot of the two result tooltips after a distance from JN38DM to FN20XR: hovers
# Distance, then Azimut, and writes both views one above the other (needs xvfb, xauth, xdotool,
# imagemagick).
#   docs/capture-bulles.sh BUILD_DIR/ui/vantrel [OUTPUT.png]
set -euo pipefail
# shellcheck source=scripts/commun-captures.sh
. "$(dirname "$0")/../scripts/commun-captures.sh"
programme=$(realpath "$1")
sortie=$(realpath -m "${2:-$(dirname "$0")/bulles.png}")
capture_relance 1280x1024 "$0" "$programme" "$sortie"

capture_demarre "$programme"
capture_distance JN38DM FN20XR
# Each view: the lower right of the window and whatever the tooltip covers below it.
survole() {
    xdotool mousemove $((X + $1)) $((Y + $2))
    sleep 2
    capture_zone "$capture_travail/$3.png" "560x110+$((X + 290))+$((Y + 230))"
    xdotool mousemove $((X + 300)) $((Y + 100))
    sleep 1
}
survole 455 283 distance # the Distance box
survole 545 285 azimut   # the Azimut box
"$(imagemagick)" "$capture_travail/distance.png" "$capture_travail/azimut.png" -background white \
    -splice 0x4 -append "$sortie"
echo "$sortie"
