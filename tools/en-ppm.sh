#!/usr/bin/env bash
# Writes the pixels of the window's two JPEG pictures as binary PPM files beside them, the form
# the window reads at start-up without an image decoder (needs ImageMagick). Run it after a
# generator has changed a JPEG; the tests check that both forms hold the same pixels.
set -euo pipefail
ressources=$(cd "$(dirname "$0")/../ui/resources" && pwd)
convertit=$(command -v convert-im6.q16 || command -v convert)
for nom in cadran carte; do
    "$convertit" "$ressources/$nom.jpg" -depth 8 "ppm:$ressources/$nom.ppm"
    echo "$ressources/$nom.ppm"
done
