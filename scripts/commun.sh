# shellcheck shell=bash
# Shell helpers shared by the build scripts; sourced, never run.

# The version of an installed Debian package of the build machine's own architecture, or of an
# architecture-independent one. A query without the architecture prints every installed
# architecture's version run together once a foreign one (arm64, armhf) sits beside it.
version_paquet() {
    dpkg-query -W -f='${Version}' "$1:$(dpkg --print-architecture)" 2>/dev/null ||
        dpkg-query -W -f='${Version}' "$1:all"
}

# Wine quiet, and with no prompt to fetch its Mono and Gecko: nothing here needs .NET or a web
# view.
wine_sans_bruit() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
}

# A window manager (openbox) on the display, for as long as the calling script runs, with Wine's
# server stopped at its end: Wine's windows are framed and take the focus as on a desktop.
avec_openbox() {
    openbox --sm-disable &
    gestionnaire=$!
    trap 'kill $gestionnaire 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
    sleep 1
}

# installe_dans_wine PREFIX INSTALLER: a fresh Wine prefix (exported as WINEPREFIX) with the
# installer run silently in it.
installe_dans_wine() {
    export WINEPREFIX=$1
    rm -rf "$WINEPREFIX"
    wineboot --init
    wineserver -w
    wine "$2" /S
    wineserver -w
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
#   recette PREFIX "$cle" COMMAND...
# COMMAND builds into PREFIX, which it finds empty. PREFIX may be bind-mounted into a minimal
# system, where it cannot be removed: what is inside is replaced, the folder stays. Two runs
# wait for each other on a lock of the folder itself, which a bind mount shares: a check under a
# shared lock, a build under an exclusive one, so that a build never starts under a run still
# reading an older one (which holds its own shared lock: verrou -s FD PREFIX).
recette_cle() { sha256sum | cut -c 1-16; }
recette_a_jour() { [ "$(cat "$1/.recette" 2>/dev/null)" = "$2" ]; }
recette() {
    local prefix=$1 cle=$2 fd
    shift 2
    mkdir -p "$prefix"
    exec {fd}<"$prefix"
    verrou -s "$fd" "$prefix"
    if ! recette_a_jour "$prefix" "$cle"; then
        verrou -x "$fd" "$prefix"
        if ! recette_a_jour "$prefix" "$cle"; then
            find "$prefix" -mindepth 1 -maxdepth 1 -exec rm -rf {} +
            "$@"
            echo "$cle" >"$prefix/.recette"
        fi
    fi
    exec {fd}<&-
}

# verrou -s|-x FD WHAT: a shared or exclusive lock on the open file FD, waited for with one line
# that says so when another run holds it.
verrou() {
    flock -n "$1" "$2" && return
    echo "waiting for $3: another run is using it" >&2
    flock "$1" "$2"
}

# verrou_apt -s|-x: this machine's apt held, shared to read what it knows, exclusive to change
# it (scripts/install-deps), for as long as the calling script runs or until it closes
# $verrou_apt_fd: the steps CI runs side by side share one apt.
verrou_apt() {
    exec {verrou_apt_fd}</var/cache/apt
    verrou "$1" "$verrou_apt_fd" "this machine's apt"
}
