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
# Left out here:
# - Nombres.CommeLeLecteurDeLaLangue compares with the stream reader of the named locale
#   "fr_FR.UTF-8", which the C++ runtime of MinGW-w64 lacks (std::locale knows only "C");
# - sans_affichage and demarre_malgre_un_avertissement start the program from sh without an X
#   display or runtime directory: Linux start-up checks, not run through the emulator.
exclus='^tst_|^Nombres\.CommeLeLecteurDeLaLangue$|^sans_affichage$|^demarre_malgre_un_avertissement$'
ctest --test-dir "$essais" --output-on-failure -j 2 -E "$exclus"
ctest --test-dir "$essais" --output-on-failure -R '^tst_'
wineserver -k 2>/dev/null || true
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
    # Wine may show and drop a window of that name on the way: wait for one that stays, and
    # give it the keyboard by a click on its about box, where nothing takes the focus.
    fenetre=
    for _ in $(seq 60); do
        sleep 1
        for id in $(xdotool search --onlyvisible --name '^Vantrel$' 2>/dev/null || true); do
            if xdotool windowactivate --sync "$id" 2>/dev/null && sleep 1 &&
                xdotool mousemove --window "$id" 450 100 click 1 2>/dev/null; then
                fenetre=$id
                break 2
            fi
        done
    done
    [ -n "$fenetre" ] || echec "the installed program showed no window"
    sleep 0.5
}
quitte() {
    xdotool key alt+F4
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

# In French, a number typed with a decimal comma: 6,5° East, 48° 30' North.
lance
for i in 1 2 3 4 5 6 7 8 9; do xdotool key shift+Tab; done # back round to the longitude
xdotool type --delay 50 '6,5' && xdotool key Tab && xdotool type 0 && xdotool key Tab
xdotool type 0 && xdotool key Tab Tab && xdotool type E && xdotool key Tab
xdotool type 48 && xdotool key Tab && xdotool type 30 && xdotool key Tab
xdotool type 0 && xdotool key Tab && xdotool type N
for i in 1 2 3 4 5; do xdotool key shift+Tab; done # back to "Calcul locator"
xdotool key space
sleep 1
quitte
[ "$(champ TxtLocator)" = JN38FL ] ||
    echec "6,5 0 0 Est, 48 30 0 Nord gave $(champ TxtLocator)"$'\n'"$(cat "$releve")"
echo "test-windows: in French, 6,5 0 0 Est and 48 30 0 Nord give JN38FL"

# Uninstalled, nothing is left: no folder, no Start-menu entry, no key.
wine "$dossier/desinstaller.exe" /S
wineserver -w
[ ! -e "$dossier" ] || echec "left after uninstalling: $(find "$dossier")"
[ ! -e "$raccourci" ] || echec "Start-menu entry left after uninstalling"
! wine reg query "$cle" /reg:64 >/dev/null 2>&1 || echec "uninstall key left after uninstalling"
echo "test-windows: installed, run and uninstalled cleanly"
