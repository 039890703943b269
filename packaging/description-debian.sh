#!/usr/bin/env bash
# The package's extended description: the AppStream metainfo's <description>, English then
# French, read by an XML processor (xsltproc, description-debian.xsl) and wrapped by fmt, in the
# form CPack turns into a Description field. CPack puts a space before each line and " ." for
# each empty one, and shows as it is a line that already starts with a space, hence the list
# items " - ". fmt -w 79 makes lines of at most 78 bytes: with CPack's space, 79 columns, and
# accented lines wrap a little short. CPack strips the last line's leading spaces: the description must
# end with a paragraph, not with a list item.
# Usage: description-debian.sh METAINFO   (on standard output)
set -euo pipefail
feuille=$(dirname "$0")/description-debian.xsl
metainfo=${1:?usage: $0 METAINFO}

precedent=
for langue in '' fr; do
    while read -r genre texte; do
        # An empty line between paragraphs, between a paragraph and a list, and between the two
        # languages; none between the items of one list.
        if [ -n "$precedent" ] && { [ "$genre" != li ] || [ "$precedent" != li ]; }; then
            echo
        fi
        if [ "$genre" = li ]; then
            fmt -w 76 -g 76 <<<"$texte" | sed '1s/^/ - /; 2,$s/^/   /'
        else
            fmt -w 79 -g 79 <<<"$texte"
        fi
        precedent=$genre
    done < <(xsltproc --stringparam langue "$langue" "$feuille" "$metainfo")
done
