# shellcheck shell=bash
# Shell helpers shared by the build scripts; sourced, never run.

# The version of an installed Debian package of the build machine's own architecture, or of an
# architecture-independent one. A query without the architecture prints every installed
# architecture's version run together once a foreign one (arm64, armhf) sits beside it.
version_paquet() {
    dpkg-query -W -f='${Version}' "$1:$(dpkg --print-architecture)" 2>/dev/null ||
        dpkg-query -W -f='${Version}' "$1:all"
}

# Whether a Debian package is installed: NAME for the build machine's own architecture (or an
# "all" package), NAME:ARCH for another one (arm64, armhf). A bare name would also match the
# package of a foreign architecture alone.
paquet_installe() {
    local nom=${1%%:*} arch=${1#*:} etats
    [ "$arch" != "$1" ] || arch=$(dpkg --print-architecture)
    etats=$(dpkg-query -W -f='${Status} ${Architecture}\n' "$nom" 2>/dev/null) || return 1
    grep -Eqx "install ok installed ($arch|all)" <<<"$etats"
}

# A Debian version without its epoch and its Debian revision: "1:2.1.2-1" gives "2.1.2".
version_amont() {
    local v=${1#*:}
    echo "${v%-*}"
}

# The three MinGW-w64 runtime DLLs every program of this toolchain needs beside it, one path a
# line, found by the compiler itself.
dll_mingw() {
    local dll chemin
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        chemin=$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)
        [ -f "$chemin" ] || { echo "MinGW runtime DLL not found: $dll" >&2; return 1; }
        echo "$chemin"
    done
}

# A build kept outside the clone, in PREFIX, and redone only when its recipe changes: the
# recipe's key (a hash of whatever is read on standard input: the script, the toolchain, the
# versions it builds from) is stamped into PREFIX once the build has succeeded.
#   cle=$(recette_cle <<<"…")
#   recette_a_jour PREFIX "$cle" && exit 0
#   … build …
#   recette_finie PREFIX "$cle"
recette_cle() { sha256sum | cut -c 1-16; }
recette_a_jour() { [ "$(cat "$1/.recette" 2>/dev/null)" = "$2" ]; }
recette_finie() { echo "$2" >"$1/.recette"; }
