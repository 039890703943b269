#!/usr/bin/env bash
# Validates the desktop entry or the AppStream metainfo the package installs, stricter than the
# validators' own exit codes: desktop-file-validate fails on errors only and appstreamcli passes
# "info" remarks, but both kinds of message mean a file we could easily fix.
#   valide-metadonnees.sh desktop FILE.desktop
#   valide-metadonnees.sh metainfo FILE.metainfo.xml
# Hints (desktop) and pedantic remarks (AppStream) are shown and accepted.
set -uo pipefail

case "${1:-}" in
desktop)
    sortie=$(desktop-file-validate "$2" 2>&1)
    code=$?
    refus='^[^ ]*: (error|warning): '
    ;;
metainfo)
    # --no-net: the screenshot and homepage URLs are not fetched.
    sortie=$(appstreamcli validate --no-net --pedantic --explain "$2" 2>&1)
    code=$?
    refus='^[EWI]: '
    ;;
*)
    echo "usage: $0 desktop|metainfo FILE" >&2
    exit 2
    ;;
esac

printf '%s\n' "$sortie"
if [ "$code" -ne 0 ]; then
    echo "validator failed with status $code" >&2
    exit 1
fi
if grep -Eq "$refus" <<<"$sortie"; then
    echo "validator reported errors, warnings or remarks on $2" >&2
    exit 1
fi
