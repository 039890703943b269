#!/usr/bin/env bash
# make test-windows, on a virtual display (xvfb-run) with a window manager (openbox):
# 1. the test suites built for Windows, run under Wine through CTest (lance-wine);
# 2. the installer: installed silently into a fresh Wine prefix, the installed program driven
#    through its window (JN38DM to FN20XR must give 6126 km and 295°), then uninstalled, with
#    nothing left behind.
# Usage: essais-wine.sh TEST_TREE PACKAGE_TREE QT_PREFIX
set -euo pipefail

essais=$(realpath "$1")
paquets=$(realpath "$2")
qt=$(realpath "$3")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$paquets/CMakeCache.txt")

en_windows() { echo "Z:${1//\//\\}"; }
echec() {
    echo "test-windows: $*" >&2
    exit 1
}

export WINEDEBUG=-all
# No prompt to fetch Wine's Mono and Gecko: nothing here needs .NET or a web view.
export WINEDLLOVERRIDES="mscoree=;mshtml="

openbox --sm-disable &
gestionnaire=$!
trap 'kill $gestionnaire 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
sleep 1

# 1. The suites, with Qt's and the MinGW runtime's DLLs found through WINEPATH.
export WINEPREFIX=$essais/wine
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init
wineserver -w
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(en_windows "$qt/bin");$(en_windows "$runtime");$(en_windows "$pthread")"
export QT_PLUGIN_PATH=$(en_windows "$qt/plugins")

# Building runs the GoogleTest programs once under Wine to list their tests.
cmake --build "$essais" -j 2
# Core cases in parallel, then the window suites one at a time (each activates its window).
# Left out here: the cases that read numbers through the named locale "fr_FR.UTF-8", which the
# C++ runtime of MinGW-w64 does not have (std::locale knows only "C" there).
sans_locale_nommee='Nombres\.CommeLeLecteurDeLaLangue$|Encodage\.UnFrancaisTapeSesDecimalesAvecUneVirgule$'
sans_locale_nommee+='|Textes/Nombres\.LeSeparateurDecimalEstCeluiDeLaLangue/'
ctest --test-dir "$essais" --output-on-failure -j 2 -E "^tst_|$sans_locale_nommee"
ctest --test-dir "$essais" --output-on-failure -R '^tst_'
wineserver -k
unset WINEPATH QT_PLUGIN_PATH

# 2. The installer, into a fresh prefix: the program runs on the installed files alone.
export WINEPREFIX=$paquets/wine-installation
rm -rf "$WINEPREFIX"
wineboot --init
wineserver -w
wine "$paquets/vantrel-$version-setup.exe" /S
wineserver -w

dossier="$WINEPREFIX/drive_c/Program Files/Vantrel"
for f in vantrel.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll \
    libwinpthread-1.dll platforms/qwindows.dll imageformats/qjpeg.dll \
    styles/qwindowsvistastyle.dll translations/qtbase_fr.qm LICENCES.txt \
    licences/Vantrel-MIT.txt licences/LGPL-3.0-only.txt desinstaller.exe; do
    [ -f "$dossier/$f" ] || echec "not installed: $f"
done
raccourci="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrel.lnk"
[ -f "$raccourci" ] || echec "no Start-menu entry"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
inscription=$(wine reg query "$cle" /reg:64 | tr -d '\r')
for valeur in "DisplayName    REG_SZ    Vantrel" "DisplayVersion    REG_SZ    $version" \
    "DisplayIcon    REG_SZ    C:\\Program Files\\Vantrel\\vantrel.exe,0" "Publisher    REG_SZ" \
    "UninstallString    REG_SZ    \"C:\\Program Files\\Vantrel\\desinstaller.exe\""; do
    grep -qF "$valeur" <<<"$inscription" || echec "uninstall key lacks: $valeur"$'\n'"$inscription"
done

# The installed program, driven through its window by the keyboard; it writes its boxes to a
# file as it quits (ui/releve.h).
releve=$paquets/releve.txt
lance() {
    rm -f "$releve"
    # In French, as a French user's Windows: Qt's own texts must come from the installed folder.
    LANG=fr_FR.UTF-8 LC_ALL= VANTREL_RELEVE=$(en_windows "$releve") \
        wine 'C:\Program Files\Vantrel\vantrel.exe' &
    programme=$!
    fenetre=$(timeout 60 xdotool search --sync --onlyvisible --name '^Vantrel$' | head -n 1) ||
        echec "the installed program showed no window"
    xdotool windowactivate --sync "$fenetre"
    sleep 1
}
quitte() {
    xdotool key --window "$fenetre" alt+F4
    timeout 30 tail --pid="$programme" -f /dev/null || echec "the program did not quit"
    [ -f "$releve" ] || echec "the program wrote no check file"
}
champ() { sed -n "s/^$1=//p" "$releve" | tr -d '\r'; }

lance
# Keyboard order: &Clear, my locator, his locator, C&alcul.
xdotool key Tab && xdotool type --delay 50 JN38DM
xdotool key Tab && xdotool type --delay 50 FN20XR
xdotool key Tab space
sleep 1
import -window root -depth 8 "$paquets/fenetre-wine.png"
quitte
[ "$(champ Distance)" = 6126 ] && [ "$(champ Azimut)" = 295 ] ||
    echec "JN38DM to FN20XR gave $(champ Distance) km, $(champ Azimut)°"$'\n'"$(cat "$releve")"
[ "$(champ traductions)" = 'C:/Program Files/Vantrel/translations' ] ||
    echec "Qt looks for its translations in $(champ traductions)"
[ "$(champ 'Select All')" = 'Tout sélectionner' ] ||
    echec "Qt's own texts are not in French: \"Select All\" reads \"$(champ 'Select All')\""
echo "test-windows: the installed program gives 6126 km and 295° from JN38DM to FN20XR"

# Uninstalled, nothing is left: no folder, no Start-menu entry, no key.
wine "$dossier/desinstaller.exe" /S
wineserver -w
[ ! -e "$dossier" ] || echec "left after uninstalling: $(find "$dossier")"
[ ! -e "$raccourci" ] || echec "Start-menu entry left after uninstalling"
! wine reg query "$cle" /reg:64 >/dev/null 2>&1 || echec "uninstall key left after uninstalling"
echo "test-windows: installed, run and uninstalled cleanly"
