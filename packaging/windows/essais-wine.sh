#!/usr/bin/env bash
# make test-windows, on a virtual display (xvfb-run) with a window manager (openbox):
# 1. the test suites built for Windows, run under Wine through CTest (lance-wine);
# 2. the installer: installed silently into a fresh Wine prefix, the installed program driven
#    through its window (JN38DM to FN20XR must show 6126 km and 295°, in French 6,5° East and
#    48° 30' North the locator JN38FL, compared as pictures with the boxes the window suite
#    checked), then uninstalled, with nothing left behind;
# 3. the installer and the zip built twice more, from copies of the sources at other paths, with
#    other umasks, time zones and locales: the same bytes (scripts/reproductible).
# Usage: essais-wine.sh TEST_TREE PACKAGE_TREE QT_PREFIX
set -euo pipefail
# shellcheck source=scripts/plateforme.sh
. "$(dirname "$0")/../../scripts/plateforme.sh"

essais=$(realpath "$1")
paquets=$(realpath "$2")
qt=$(realpath "$3")
convert=$(imagemagick)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$paquets/CMakeCache.txt")

en_windows() { echo "Z:${1//\//\\}"; }
echec() {
    echo "test-windows: $*" >&2
    exit 1
}

wine_sans_bruit

openbox --sm-disable &
gestionnaire=$!
trap 'kill $gestionnaire 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
sleep 1

# 1. The suites, with Qt's and the MinGW runtime's DLLs found through WINEPATH.
export WINEPREFIX=$essais/wine
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init
wineserver -w
runtime=$(dll_mingw)
WINEPATH=$(en_windows "$qt/bin")
while read -r repertoire; do
    WINEPATH+=";$(en_windows "$repertoire")"
done < <(xargs -n 1 dirname <<<"$runtime" | sort -u)
QT_PLUGIN_PATH=$(en_windows "$qt/plugins")
export WINEPATH QT_PLUGIN_PATH

# Building runs the GoogleTest programs once under Wine to list their tests.
cmake --build "$essais" -j 2
# The whole suite, in French as the installed program below. Which tests run on Windows, and
# which one at a time, is said in tests/. The window suite saves the result boxes it checks
# into captures/ (tests/ui/tst_frmvantrel.cpp), the references for step 2 below.
captures=$essais/captures
rm -rf "$captures"
mkdir "$captures"
LANG=fr_FR.UTF-8 LC_ALL='' VANTREL_CAPTURES=$(en_windows "$captures") \
    ctest --test-dir "$essais" --output-on-failure -j 2
wineserver -k 2>/dev/null || true
unset WINEPATH QT_PLUGIN_PATH

# 2. The installer, into a fresh prefix: the program runs on the installed files alone.
installe_dans_wine "$paquets/wine-installation" "$paquets/vantrel-$version-setup.exe"

dossier="$WINEPREFIX/drive_c/Program Files/Vantrel"
for f in vantrel.exe translations/qtbase_fr.qm LICENCES.txt licences/Vantrel-MIT.txt \
    licences/LGPL-3.0-only.txt desinstaller.exe; do
    [ -f "$dossier/$f" ] || echec "not installed: $f"
done
# The DLLs the program loads, and no other.
dll_attendues=$(printf '%s\n' Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll "styles/$(basename "$qt"/plugins/styles/*.dll)" |
    sort)
dll_installees=$(cd "$dossier" && find . -iname '*.dll' | sed 's|^\./||' | sort)
diff <(echo "$dll_attendues") <(echo "$dll_installees") >&2 ||
    echec "the installed DLLs (>) are not the expected ones (<)"
raccourci="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrel.lnk"
[ -f "$raccourci" ] || echec "no Start-menu entry"
cle='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
inscription=$(wine reg query "$cle" /reg:64 | tr -d '\r')
for valeur in "DisplayName    REG_SZ    Vantrel" "DisplayVersion    REG_SZ    $version" \
    "DisplayIcon    REG_SZ    C:\\Program Files\\Vantrel\\vantrel.exe,0" "Publisher    REG_SZ" \
    "UninstallString    REG_SZ    \"C:\\Program Files\\Vantrel\\desinstaller.exe\""; do
    grep -qF "$valeur" <<<"$inscription" || echec "uninstall key lacks: $valeur"$'\n'"$inscription"
done

# The installed program, driven through its window by the keyboard. What its result boxes show
# is compared with the window suite's pictures of the same boxes, whose texts that suite checked:
# the same Qt, style and faces under the same Wine and display draw the same text to the same
# pixels, so not one may differ. Only inside the boxes' 2-pixel frames, which Wine's theme
# draws with a white inner line on the screen but not into the suite's grab() of the window.
lance() {
    # In French, as a French user's Windows.
    LANG=fr_FR.UTF-8 LC_ALL='' wine 'C:\Program Files\Vantrel\vantrel.exe' &
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
# The window as shown (Wine's X window is its client area, the frame being the window
# manager's), then closed.
photographie() {
    sleep 1
    import -window "$fenetre" -depth 8 "$paquets/$1"
    xdotool key alt+F4
    timeout 30 tail --pid="$programme" -f /dev/null || echec "the program did not quit"
}
# BOX TEXT SHOT: the box of that name in the window's shot looks as the window suite's picture
# of that box showing that text (BOX-TEXT.png), cut from the shot where the suite found the box
# in its window (BOX-TEXT.geometrie, one line WxH+X+Y, maybe ended by Windows' CR LF).
montre() {
    local reference=$captures/$1-$2 place
    if [ ! -f "$reference.png" ] || [ ! -f "$reference.geometrie" ]; then
        echec "the window suite saved no $1 showing $2 ($reference.png, .geometrie)"
    fi
    place=$(tr -d '\r\n' <"$reference.geometrie")
    [[ "$place" =~ ^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$ ]] ||
        echec "$reference.geometrie holds '$place', not WxH+X+Y"
    # compare takes a smaller picture for a part to look for: the sizes must be the same.
    [ "$(identify -format %wx%h "$reference.png")" = "${place%%+*}" ] ||
        echec "$reference.png is not of the size in $reference.geometrie ($place)"
    "$convert" "$reference.png" -shave 2x2 "$paquets/$1-attendu.png"
    "$convert" "$paquets/$3" -crop "$place" +repage -shave 2x2 "$paquets/$1-vu.png"
    local ecart
    ecart=$(compare -metric AE "$paquets/$1-attendu.png" "$paquets/$1-vu.png" null: 2>&1) || true
    [ "$ecart" = 0 ] || echec "$1 does not show $2: $ecart pixels differ ($paquets/$1-vu.png)"
}

lance
# Keyboard order: &Clear, my locator, his locator, C&alcul.
xdotool key Tab && xdotool type --delay 50 JN38DM
xdotool key Tab && xdotool type --delay 50 FN20XR
xdotool key Tab space
photographie fenetre-distance.png
montre Distance 6126 fenetre-distance.png
montre Azimut 295 fenetre-distance.png
echo "test-windows: the installed program shows 6126 km and 295° from JN38DM to FN20XR"

# In French, a number typed with a decimal comma: 6,5° East, 48° 30' North.
lance
for _ in 1 2 3 4 5 6 7 8 9; do xdotool key shift+Tab; done # back round to the longitude
xdotool type --delay 50 '6,5' && xdotool key Tab && xdotool type 0 && xdotool key Tab
xdotool type 0 && xdotool key Tab Tab && xdotool type E && xdotool key Tab
xdotool type 48 && xdotool key Tab && xdotool type 30 && xdotool key Tab
xdotool type 0 && xdotool key Tab && xdotool type N
for _ in 1 2 3 4 5; do xdotool key shift+Tab; done # back to "Calcul locator"
xdotool key space
photographie fenetre-locator.png
montre TxtLocator JN38FL fenetre-locator.png
echo "test-windows: in French, 6,5 0 0 Est and 48 30 0 Nord show JN38FL"

# Uninstalled, nothing is left: no folder, no Start-menu entry, no key.
wine "$dossier/desinstaller.exe" /S
wineserver -w
[ ! -e "$dossier" ] || echec "left after uninstalling: $(find "$dossier")"
[ ! -e "$raccourci" ] || echec "Start-menu entry left after uninstalling"
! wine reg query "$cle" /reg:64 >/dev/null 2>&1 || echec "uninstall key left after uninstalling"
echo "test-windows: installed, run and uninstalled cleanly"

# 3. Reproducible: make windows twice more, against the same Qt, into PACKAGE_TREE/reproductible.
wineserver -k 2>/dev/null || true
"$(dirname "$0")/../../scripts/reproductible" windows "$paquets/reproductible" QT_WINDOWS="$qt" JOBS=2
echo "test-windows: the installer and the zip are the same bytes from two builds"
