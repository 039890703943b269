#!/usr/bin/env bash
# The test suites built for Windows, run under Wine through CTest (lance-wine), in French, on a
# virtual display (xvfb-run) with a window manager: Qt's and the MinGW runtime's DLLs found
# through WINEPATH. Which tests run on Windows, and which one at a time, is said in tests/. The
# window suite leaves in TEST_TREE/captures/ the result boxes it checked and where each control
# lies in its window (tests/ui/tst_frmvantrel.cpp): the references of essai-installateur.sh.
# Usage: suites-wine.sh TEST_TREE QT_PREFIX
set -euo pipefail
. "$(dirname "$0")/../../scripts/commun.sh"

essais=$(realpath "${1:?usage: $0 TEST_TREE QT_PREFIX}")
qt=$(realpath "${2:?usage: $0 TEST_TREE QT_PREFIX}")
en_windows() { echo "Z:${1//\//\\}"; }

wine_sans_bruit
avec_openbox
export WINEPREFIX=$essais/wine
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init
wineserver -w
WINEPATH=$(en_windows "$qt/bin")
while read -r repertoire; do
    WINEPATH+=";$(en_windows "$repertoire")"
done < <(dll_mingw | xargs -n 1 dirname | sort -u)
QT_PLUGIN_PATH=$(en_windows "$qt/plugins")
export WINEPATH QT_PLUGIN_PATH

# Building runs the GoogleTest programs once under Wine to list their tests.
cmake --build "$essais" -j 2
captures=$essais/captures
rm -rf "$captures"
mkdir "$captures"
LANG=fr_FR.UTF-8 LC_ALL='' VANTREL_CAPTURES=$(en_windows "$captures") \
    ctest --test-dir "$essais" --output-on-failure -j 2
