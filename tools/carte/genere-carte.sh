#!/usr/bin/env bash
# Draws the map the window shows: France and its neighbours over the 2° × 1° locator squares,
# each labelled with its two digits, saved as a 186 × 172 JPEG.
#
#   tools/carte/genere-carte.sh OUTPUT.jpg
#
# Needs gmt, gmt-dcw, gmt-gshhg-low, ghostscript and imagemagick. Works offline.
#
# Data: country polygons from DCW-GMT (Digital Chart of the World for GMT), coastlines and
# borders from GSHHG (Wessel & Smith); both distributed under the LGPL, version 3 or later.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 OUTPUT.jpg" >&2
    exit 2
fi
sortie=$(realpath -m -- "$1")
# shellcheck source=scripts/plateforme.sh
. "$(dirname "$0")/../../scripts/plateforme.sh"

# The final picture and the area it covers. One PostScript point of the map is one final pixel;
# the map is rendered RENDU times larger and reduced.
largeur=186
hauteur=172
region=-6/8/42/51
rendu=10

# Colours: France, the other countries (one pale tone each, so that neighbours differ),
# remaining land, sea and lakes, lines.
france=255/222/60
autres_terres=222/218/200
mer=163/200/234
trait=70/70/70
grille=40/40/90

voisins=(
    "GB,IM,JE,GG,DE:232/196/206"
    "ES,NL,IT:236/204/178"
    "AD,LU,MC:206/190/222"
    "BE,CH:194/220/178"
)

# Squares 2° wide from 6°W and 1° high from 42°N: the first digit counts the columns (7, 8, 9,
# 0, 1, 2, 3), the second the rows (2 at the bottom up to 0 at the top). The two top corners
# (70 and 30) stay unlabelled.
etiquettes() {
    local colonne ligne lon lat
    for colonne in 0 1 2 3 4 5 6; do
        for ligne in 0 1 2 3 4 5 6 7 8; do
            lon=$((-6 + 2 * colonne))
            lat=$((42 + ligne))
            if [[ $ligne -eq 8 && ( $colonne -eq 0 || $colonne -eq 6 ) ]]; then
                continue
            fi
            printf '%d %d.5 %d%d\n' $((lon + 1)) "$lat" $(((7 + colonne) % 10)) $(((2 + ligne) % 10))
        done
    done
}

travail=$(mktemp -d)
trap 'rm -rf -- "$travail"' EXIT
cd "$travail"
export GMT_USERDIR="$travail" GMT_TMPDIR="$travail" GMT_SESSION_NAME=carte

# The page is exactly the map: no margins, no title, no time stamp.
gmt set PS_MEDIA "${largeur}px${hauteur}p" MAP_ORIGIN_X 0 MAP_ORIGIN_Y 0 \
    PS_PAGE_ORIENTATION portrait PS_COMMENTS false GMT_VERBOSE errors \
    MAP_FRAME_TYPE plain MAP_FRAME_PEN 0.9p,$grille MAP_GRID_PEN_PRIMARY 0.55p,$grille \
    PS_LINE_JOIN round PS_LINE_CAP round

projection="-JX${largeur}p/${hauteur}p"
{
    gmt pscoast -R$region "$projection" -Di -A0/0/1 -G$autres_terres -S$mer -C$mer -K
    for voisin in "${voisins[@]}"; do
        gmt pscoast -R -J -E"${voisin%%:*}+g${voisin##*:}" -O -K
    done
    gmt pscoast -R -J -EFR+g$france -O -K
    gmt pscoast -R -J -Di -A0/0/1 -W1/0.5p,$trait -N1/0.6p,$trait -O -K
    gmt psbasemap -R -J -Bxg2 -Byg1 -BWSEN -O -K
    etiquettes | gmt pstext -R -J -F+f9.5p,Helvetica-Bold,black=~0.9p,255/255/240+jCM -O
} >carte.ps

gmt psconvert carte.ps -Tg -E$((72 * rendu)) -Fcarte
"$(imagemagick)" carte.png -alpha off -colorspace sRGB -filter Lanczos \
    -resize "${largeur}x${hauteur}!" -strip -sampling-factor 1x1 -quality 92 "jpeg:$sortie"
