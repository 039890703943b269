#!/usr/bin/env bash
# Wraps a build tree into its Debian package with cpack, in OUTPUT_DIR (the build tree itself
# for make paquet, a directory of its own where the CTest fixture "paquet" reads it), after
# removing the package and checksums an earlier run left there.
#   construit-paquet.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
mkdir -p "$2"
rm -f "$2"/vantrel_*.deb "$2"/SHA256SUMS
# The modes of the folders cpack makes are stored in the package: 0755 whoever builds.
umask 022
exec cpack -G DEB --config "$1/CPackConfig.cmake" -B "$2"
