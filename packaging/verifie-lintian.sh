#!/usr/bin/env bash
# Debian's own checks on the package: lintian, every tag shown. An error or a warning fails;
# informational tags are shown and pass.
#   verifie-lintian.sh PACKAGE_DIR
set -uo pipefail

shopt -s nullglob
debs=("$1"/*.deb)
if ((${#debs[@]} != 1)); then
    echo "FAIL: expected one .deb in $1, got: ${debs[*]:-none}" >&2
    exit 1
fi
echo "== lintian $(basename "${debs[0]}")"
sortie=$(lintian --tag-display-limit 0 --display-info --fail-on error,warning "${debs[0]}")
code=$?
printf '%s\n' "$sortie"
if [ "$code" -ne 0 ] || grep -Eq '^[EW]: ' <<<"$sortie"; then
    echo "FAIL: lintian found errors or warnings (status $code)" >&2
    exit 1
fi
