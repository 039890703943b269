#!/usr/bin/env bash
# Checks the Debian package as dpkg sees it: the control fields (Depends from dpkg-shlibdeps),
# the exact list of files with their modes, the unpacked files, and that the desktop entry, run
# as a launcher would, opens the window.
#   verifie-paquet.sh PACKAGE_DIR APP_ID COMPONENT_ID VERSION "ICON_SIZES" [ARCH [EMULATOR...]]
# PACKAGE_DIR holds the one .deb (construit-paquet.sh); APP_ID names the desktop entry and the
# icons, COMPONENT_ID the AppStream metainfo; VERSION is the package's, with its
# Debian revision if it has one. A cross-built package gives its Debian ARCH (the build
# machine's if empty or left out) and the emulator that runs its program (qemu-aarch64 -L /).
set -euo pipefail
# shellcheck source=scripts/plateforme.sh
. "$(dirname "$0")/../scripts/plateforme.sh"

id=$2
composant=$3
version=$4
read -r -a tailles <<<"$5"
arch=${6:-$(dpkg --print-architecture)}
emulateur=("${@:7}")
# The program's own version: without epoch, Debian revision and the release's "+debN".
amont=$(version_amont "$version")
amont=${amont%+deb*}

travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
echec() {
    echo "FAIL: $*" >&2
    exit 1
}

shopt -s nullglob
debs=("$1"/*.deb)
((${#debs[@]} == 1)) || echec "expected one .deb in $1, got: ${debs[*]:-none}"
deb=${debs[0]}
echo "== $(basename "$deb")"
dpkg-deb --info "$deb"

champ() { dpkg-deb --field "$deb" "$1"; }
attendu() {
    local valeur
    valeur=$(champ "$1")
    [ "$valeur" = "$2" ] || echec "$1 is '$valeur', expected '$2'"
}
attendu Package vantrel
attendu Version "$version"
attendu Architecture "$arch"
attendu Section hamradio
attendu Priority optional
[[ "$(champ Maintainer)" == *@* ]] || echec "Maintainer has no address: $(champ Maintainer)"
[ -n "$(champ Description)" ] || echec "no Description"

# Regular files with mode and owner, nothing else (no static core library, headers or tests).
{
    echo "-rwxr-xr-x root/root ./usr/bin/vantrel"
    echo "-rw-r--r-- root/root ./usr/share/applications/$id.desktop"
    for t in "${tailles[@]}"; do
        echo "-rw-r--r-- root/root ./usr/share/icons/hicolor/${t}x${t}/apps/$id.png"
    done
    echo "-rw-r--r-- root/root ./usr/share/metainfo/$composant.metainfo.xml"
    echo "-rw-r--r-- root/root ./usr/share/doc/vantrel/copyright"
    echo "-rw-r--r-- root/root ./usr/share/doc/vantrel/changelog.gz"
    echo "-rw-r--r-- root/root ./usr/share/man/man1/vantrel.1.gz"
    echo "-rw-r--r-- root/root ./usr/share/man/fr/man1/vantrel.1.gz"
} | sort >"$travail/attendu"
dpkg-deb --contents "$deb" | awk '$1 ~ /^-/ { print $1, $2, $6 }' | sort >"$travail/reel"
diff -u "$travail/attendu" "$travail/reel" || echec "unexpected file list (- expected, + in the package)"

racine=$travail/racine
dpkg-deb -x "$deb" "$racine"

executable=$racine/usr/bin/vantrel
description=$(file -b "$executable")
[[ "$description" == ELF*", stripped"* ]] || echec "executable not a stripped ELF: $description"
if readelf -d "$executable" | grep -Eq '\((RPATH|RUNPATH)\)'; then
    echec "installed executable keeps a search path: $(readelf -d "$executable" | grep -E 'R(UN)?PATH')"
fi

# Every library the executable needs, by the package that holds it for this architecture (whose
# name a release may change: scripts/plateforme.sh); Qt's, the C++ library and the C library,
# whose newer symbols the program uses, with the version constraint of their symbols files.
# (A library none of whose symbols needs a version, OpenGL's under Qt 6.8, has none.)
depends=$(champ Depends)
while read -r bibliotheque; do
    paquet=$(paquet_du_fichier "$bibliotheque" "$arch")
    [ -n "$paquet" ] || echec "no installed $arch package holds $bibliotheque"
    contrainte=
    [[ "$bibliotheque" =~ ^lib(Qt6|stdc\+\+|c\.) ]] && contrainte=' \(>= [^)]+\)'
    grep -Eq "(^|, )${paquet//+/\\+}$contrainte( \([^)]+\))?(,|$)" <<<"$depends" ||
        echec "Depends lacks $paquet${contrainte:+, versioned,} (for $bibliotheque): $depends"
done < <(readelf -d "$executable" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')

for t in "${tailles[@]}"; do
    icone=$racine/usr/share/icons/hicolor/${t}x${t}/apps/$id.png
    description=$(file -b "$icone")
    [[ "$description" == "PNG image data, $t x $t, 8-bit/color RGBA"* ]] ||
        echec "icon ${t}x$t: $description"
done

# The three files must name each other: the entry's icon and program, the metainfo's launchable.
entree=$racine/usr/share/applications/$id.desktop
cle() { sed -n "s/^$1=//p" "$entree"; }
[ "$(cle Icon)" = "$id" ] || echec "Icon=$(cle Icon), the icons are installed as $id"
metainfo=$racine/usr/share/metainfo/$composant.metainfo.xml
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    echec "metainfo does not launch $id.desktop"
grep -Eq "<release version=\"$amont\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"/>" "$metainfo" ||
    echec "metainfo has no dated release $amont"
# The changelog's newest entry is this package.
premiere=$(zcat "$racine/usr/share/doc/vantrel/changelog.gz" | head -n 1)
[[ "$premiere" == "vantrel ($version) "* ]] ||
    echec "the changelog starts with '$premiere', not version $version"

# Launch the entry's command line from the unpacked tree: the window must open and keep
# running until it is stopped (timeout's 124), not fail or end by itself.
read -r -a commande <<<"$(cle Exec)"
[ "$(PATH="$racine/usr/bin:$PATH" command -v "${commande[0]}")" = "$executable" ] ||
    echec "Exec=$(cle Exec) does not resolve to the installed executable"
if ((${#emulateur[@]})); then
    commande=("${emulateur[@]}" "$executable" "${commande[@]:1}")
fi
statut=0
PATH="$racine/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
    timeout 3 "${commande[@]}" 2>"$travail/lancement.err" || statut=$?
if [ "$statut" -ne 124 ]; then
    cat "$travail/lancement.err" >&2
    echec "the entry's command ended by itself (status $statut) instead of running its window"
fi
echo "== the package's desktop entry opens the window"
