#!/usr/bin/env bash
# The window suite built for Windows (make test-windows), run once more under the Wine of a fresh
# Debian of release NUMBER (scripts/dans-debian): another Wine gives other faces and metrics
# (Debian 13's Wine 10 lists a bitmap MS Sans Serif that Debian 12's Wine 8 does not), and the
# suite checks that every text of the window still fits. The suite's program goes there in a
# folder of its own with the DLLs and plugins it loads, as the installer lays them out.
# Usage: suite-fenetre-debian.sh NUMBER TEST_TREE QT_PREFIX   (as root)
set -euo pipefail
ici=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/commun.sh
. "$ici/scripts/commun.sh"

numero=${1:?usage: $0 NUMBER TEST_TREE QT_PREFIX}
essais=${2:?usage: $0 NUMBER TEST_TREE QT_PREFIX}
qt=${3:?usage: $0 NUMBER TEST_TREE QT_PREFIX}
programme=$essais/tst_frmvantrel.exe
[ -f "$programme" ] || { echo "$0: no $programme: run make test-windows first" >&2; exit 1; }

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
suite=$travail/suite
mkdir -p "$suite/platforms" "$suite/styles" "$suite/translations"
# Its launcher, and what that calls: lance-wine, as under Wine 8, and the shared helpers.
cp "$programme" "$ici"/packaging/windows/{lance-suite-wine,lance-wine} "$ici"/scripts/commun.sh "$suite/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets,Test}.dll $(dll_mingw) "$suite/"
cp "$qt/plugins/platforms/qwindows.dll" "$suite/platforms/"
cp "$qt"/plugins/styles/*.dll "$suite/styles/"
cp "$qt/translations/qtbase_fr.qm" "$suite/translations/"

"$ici/scripts/dans-debian" -l "$suite" "$numero" "$(dpkg --print-architecture)" \
    "apt-get install -y -q --no-install-recommends wine wine64 fonts-wine \
        binutils-mingw-w64-x86-64 xvfb xauth openbox locales && localedef -i fr_FR -f UTF-8 fr_FR.UTF-8 &&
     xvfb-run -a -s '-screen 0 1280x1024x24' '$suite/lance-suite-wine' '$suite/tst_frmvantrel.exe'"
