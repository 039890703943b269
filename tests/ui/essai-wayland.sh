#!/usr/bin/env bash
# The real program under a real Wayland compositor: Weston, headless, with a socket, a runtime
# folder and a session bus of its own. Vantrel runs there twice, driven from outside through the
# accessibility bus by pilote-atspi.py (beside this file), which checks what the compositor
# shows: first on Qt's Wayland plugin, then on its X11 plugin through XWayland, as on a system
# without qt6-wayland.
# Needs weston, xwayland, qt6-wayland, dbus-daemon, at-spi2-core, gir1.2-atspi-2.0, python3-gi
# and imagemagick.
#   tests/ui/essai-wayland.sh PROGRAM [SHOTS_DIR]
# SHOTS_DIR keeps each run's screenshots and Weston's log, in wayland/ and xwayland/ (without
# it they go with the run).
set -euo pipefail
ici=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=scripts/plateforme.sh
. "$ici/../../scripts/plateforme.sh"

echec() {
    echo "essai-wayland: $*" >&2
    exit 1
}

# attend SECONDS WHAT COMMAND…: until COMMAND succeeds.
attend() {
    local fin=$((SECONDS + $1)) delai=$1 quoi=$2
    shift 2
    until "$@"; do
        ((SECONDS < fin)) || echec "$quoi: not after $delai s"
        sleep 0.2
    done
}

programme=$(realpath "$1")

# Each run in a D-Bus session of its own, where the accessibility bus is started.
if [ -z "${VANTREL_ESSAI_WAYLAND:-}" ]; then
    for outil in weston:weston weston-screenshooter:weston Xwayland:xwayland \
        dbus-run-session:dbus-daemon; do
        command -v "${outil%%:*}" >/dev/null ||
            echec "${outil%%:*} is missing (Debian package ${outil#*:})"
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || echec "no AT-SPI bus (Debian package at-spi2-core)"
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        echec "Python cannot reach AT-SPI (Debian packages python3-gi, gir1.2-atspi-2.0)"
    paquet_installe qt6-wayland || echec "Qt's Wayland plugin is missing (Debian package qt6-wayland)"
    imagemagick >/dev/null
    for mode in wayland xwayland; do
        VANTREL_ESSAI_WAYLAND=$mode dbus-run-session -- "$0" "$programme" "${2:+$2/$mode}"
        echo "essai-wayland: $mode passed"
    done
    exit
fi

mode=$VANTREL_ESSAI_WAYLAND
travail=$(mktemp -d)
captures=${2:-$travail/captures}
rm -rf "$captures"
mkdir -p "$captures"
processus=()
fin() {
    local i
    for ((i = ${#processus[@]} - 1; i >= 0; i--)); do
        kill "${processus[i]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$travail"
}
trap fin EXIT

export XDG_RUNTIME_DIR=$travail/run WAYLAND_DISPLAY=vantrel-essai-$$
mkdir -m 700 "$XDG_RUNTIME_DIR"
options=(--backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY"
    --width=1024 --height=768)
if [ "$mode" = xwayland ]; then
    # Weston puts XWayland's socket where every X server does. A booted system has the folder
    # (systemd-tmpfiles makes it), a container may not.
    [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
    options+=(--xwayland)
fi
weston "${options[@]}" >"$captures/weston.log" 2>&1 &
weston=$!
processus+=("$weston")
attend 30 "Weston's socket" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"

# The X display Weston keeps for XWayland: the one whose lock file holds Weston's process id.
affichage_x() {
    local verrou
    for verrou in /tmp/.X[0-9]*-lock; do
        if [ -f "$verrou" ] && [ "$(tr -d ' \n' <"$verrou")" = "$weston" ]; then
            verrou=${verrou#/tmp/.X}
            echo ":${verrou%-lock}"
            return
        fi
    done
    return 1
}

/usr/libexec/at-spi-bus-launcher --launch-immediately &
processus+=($!)

# In French, as the other window checks; the session a Wayland desktop's.
retires=(-u LANGUAGE -u QT_SCALE_FACTOR)
poses=(LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 XDG_SESSION_TYPE=wayland
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
if [ "$mode" = wayland ]; then
    # No X display at all: Qt chooses its Wayland plugin by itself.
    retires+=(-u DISPLAY -u QT_QPA_PLATFORM)
else
    attend 30 "XWayland's display" affichage_x >/dev/null
    poses+=(DISPLAY="$(affichage_x)" QT_QPA_PLATFORM=xcb)
fi
env "${retires[@]}" "${poses[@]}" "$programme" &
vantrel=$!
processus+=("$vantrel")

/usr/bin/python3 "$ici/pilote-atspi.py" "$(imagemagick)" "$ici/../../ui" "$captures"
fini() { ! kill -0 "$vantrel" 2>/dev/null; }
attend 30 "the program's end after Quitter" fini
wait "$vantrel" || echec "the program ended with code $?"
unset 'processus[-1]'
