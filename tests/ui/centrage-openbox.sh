#!/bin/sh
# The window centred on the screen as a person sees it: under openbox on a 1280 × 1024 Xvfb,
# its frame (the window manager's own extents, _NET_FRAME_EXTENTS) centred within 2 pixels once
# the window appears, and still 3 s later.
# Usage: centrage-openbox.sh PROGRAM  (run inside xvfb-run -a -s '-screen 0 1280x1024x24 -noreset')
set -eu
programme=$1

# How long the window manager and the program may take to show the window and centre it:
# minutes, not seconds, as CI runs the suite at a low priority beside builds that keep both
# processors busy. A hang still ends here: without a window id, xwininfo would wait for a click
# that never comes.
limite=300
fin=$(($(date +%s) + limite))
a_temps() { [ "$(date +%s)" -lt "$fin" ]; }

openbox --sm-disable 2>/dev/null &
wm=$!
trap 'kill ${vantrel:-} "$wm" 2>/dev/null || true' EXIT
# The window manager first, as on a desktop: it announces itself on the root window.
until xprop -root -notype -f _NET_SUPPORTING_WM_CHECK 32x ' $0' _NET_SUPPORTING_WM_CHECK \
    2>/dev/null | grep -q ' 0x'; do
    kill -0 "$wm" 2>/dev/null ||
        { echo "centrage: openbox ended before it managed the screen"; exit 1; }
    a_temps || { echo "centrage: openbox did not manage the screen within $limite s"; exit 1; }
    sleep 0.1
done
"$programme" &
vantrel=$!

reste=$((fin - $(date +%s)))
[ "$reste" -gt 0 ] || reste=1
fenetre=$(timeout "$reste" xdotool search --sync --onlyvisible --name '^Vantrel$' |
    head -n 1)
if [ -z "$fenetre" ]; then
    echo "centrage: no visible window named Vantrel within $limite s"
    # Whether the program made its window and the window manager mapped it, and what each of
    # them was doing: starved (the load, the processor time) or waiting, and on what.
    for id in $(xdotool search --name '^Vantrel$' 2>/dev/null); do
        echo "centrage: window $id, $(xwininfo -id "$id" | grep -o 'Map State: .*')"
    done
    kill -0 "$wm" 2>/dev/null || echo "centrage: openbox had ended"
    if kill -0 "$vantrel" 2>/dev/null; then
        temps=$(awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' \
            "/proc/$vantrel/stat")
        echo "centrage: $programme still running, processor time $temps s (a few hundredths" \
            "show the window), load $(cut -d ' ' -f 1-3 /proc/loadavg); its threads, then what" \
            "it started:"
        ps -L -o lwp=,stat=,wchan:32=,comm= -p "$vantrel" | sed 's/^/centrage:   /'
        ps -o pid=,stat=,wchan:32=,args= --ppid "$vantrel" | sed 's/^/centrage:   /'
    else
        statut=0; wait "$vantrel" || statut=$?; echo "centrage: $programme ended with status $statut"; fi
    exit 1
fi
ecran=$(xdotool getdisplaygeometry)
centre_x=$((${ecran% *} / 2))
centre_y=$((${ecran#* } / 2))

# centree: whether the frame is centred now (its place on the log).
centree() {
    # The client's place on the screen (xwininfo's report: xdotool's counts the frame twice),
    # then the left, right, top and bottom of the frame around it.
    eval "$(xwininfo -id "$fenetre" | awk -F: '
        /Absolute upper-left X/ { print "X=" $2 + 0 } /Absolute upper-left Y/ { print "Y=" $2 + 0 }
        /^ *Width/ { print "WIDTH=" $2 + 0 } /^ *Height/ { print "HEIGHT=" $2 + 0 }')"
    # shellcheck disable=SC2046 # the four extents, one word each
    set -- $(xprop -id "$fenetre" -notype -f _NET_FRAME_EXTENTS 32c ' $0 $1 $2 $3' \
        _NET_FRAME_EXTENTS | cut -d ' ' -f 2-)
    [ $# -eq 4 ] || { echo "centrage: openbox gave no frame extents"; return 1; }
    x=$((X - $1 + (WIDTH + $1 + $2) / 2))
    y=$((Y - $3 + (HEIGHT + $3 + $4) / 2))
    echo "centrage: frame $((WIDTH + $1 + $2))x$((HEIGHT + $3 + $4)) at" \
        "$((X - $1)),$((Y - $3)), centre $x,$y; the screen's $centre_x,$centre_y"
    dx=$((x - centre_x))
    dy=$((y - centre_y))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ]
}

# Centred as soon as the program has had the time to place it, then left there.
until centree; do
    a_temps || { echo "centrage: not centred within $limite s of its start"; exit 1; }
    sleep 1
done
sleep 3
centree || { echo "centrage: the frame's centre is $dx, $dy px from the screen's"; exit 1; }
