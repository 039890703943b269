#!/usr/bin/env bash
# The installer, tried as a user meets it, on a virtual display (xvfb-run) with a window manager:
# installed silently into a fresh Wine prefix, where the installed folder must hold the program,
# its translations, licences and uninstaller and the DLLs it loads and no other, with a
# Start-menu entry and an uninstall key; the installed program then used through its window
# (pilote-installe.sh, against the window suite's CAPTURES); then uninstalled, with nothing left.
# Usage: essai-installateur.sh PACKAGE_TREE QT_PREFIX CAPTURES
set -euo pipefail
ici=$(dirname "$0")
. "$ici/../../scripts/commun.sh"

paquets=$(realpath "${1:?usage: $0 PACKAGE_TREE QT_PREFIX CAPTURES}")
qt=$(realpath "${2:?usage: $0 PACKAGE_TREE QT_PREFIX CAPTURES}")
captures=$(realpath "${3:?usage: $0 PACKAGE_TREE QT_PREFIX CAPTURES}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$paquets/CMakeCache.txt")
echec() {
    echo "test-windows: $*" >&2
    exit 1
}

wine_sans_bruit
avec_openbox
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

"$ici/pilote-installe.sh" "$captures" "$paquets"

wine "$dossier/desinstaller.exe" /S
wineserver -w
[ ! -e "$dossier" ] || echec "left after uninstalling: $(find "$dossier")"
[ ! -e "$raccourci" ] || echec "Start-menu entry left after uninstalling"
! wine reg query "$cle" /reg:64 >/dev/null 2>&1 || echec "uninstall key left after uninstalling"
echo "test-windows: installed, run and uninstalled cleanly"
