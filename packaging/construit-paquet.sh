#!/usr/bin/env bash
# Builds the Debian package of a build tree with cpack into a directory of its own, emptied
# first, where the package checks read it (the CTest fixture "paquet").
#   construit-paquet.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
rm -rf "$2"
# The modes of the folders cpack makes are stored in the package (make paquet does the same).
umask 022
exec cpack -G DEB --config "$1/CPackConfig.cmake" -B "$2"
