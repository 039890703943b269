#!/usr/bin/env bash
# Screenshots of the window at scale 1 and 2 (QT_SCALE_FACTOR), after a distance from JN38DM to
# FN20XR, each on a virtual screen of its own: OUTPUT_DIR/echelle-1.png and echelle-2.png (needs
# xvfb, xauth, xdotool, imagemagick).
#   packaging/captures/capture-echelles.sh BUILD_DIR/ui/vantrel [OUTPUT_DIR]
set -euo pipefail
# shellcheck source=scripts/commun-captures.sh
. "$(dirname "$0")/../../scripts/commun-captures.sh"
programme=$(realpath "$1")
sortie=$(realpath -m "${2:-$(dirname "$0")}")
if ! capture_sur_xvfb; then
    mkdir -p "$sortie"
    for echelle in 1 2; do
        QT_SCALE_FACTOR=$echelle capture_xvfb 2560x2048 "$0" "$programme" "$sortie"
    done
    exit
fi

export QT_SCALE_FACTOR
capture_demarre "$programme"
capture_distance JN38DM FN20XR
capture_zone "$sortie/echelle-$QT_SCALE_FACTOR.png" "$(capture_geometrie "$fenetre")"
echo "$sortie/echelle-$QT_SCALE_FACTOR.png: ${WIDTH}x${HEIGHT}"
