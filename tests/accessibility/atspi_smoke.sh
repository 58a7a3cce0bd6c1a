#!/usr/bin/env bash
# The game as a screen reader finds it: runs the game in a virtual X server inside a session bus
# of its own with the accessibility bus on it, and reads it over AT-SPI (atspi_smoke.py).
# Usage: atspi_smoke.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A free display: Xvfb writes the number it took. It must not reset when its first client (the
# socket probe below) leaves: while it resets it refuses the game's connection.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
display=$(cat "$work/display")
# The game starts only once the server takes connections on its socket.
for _ in $(seq 50); do
    python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).connect(sys.argv[1])' \
        "/tmp/.X11-unix/X$display" 2>/dev/null && break
    sleep 0.1
done
kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb ended early"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$display"
export XDG_RUNTIME_DIR=$work
export GAME="$build/app/tessora" SCRIPT="$here/atspi_smoke.py" LOGS=$work

timeout 75 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$LOGS/bus.log" 2>&1 &
    bus=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$GAME" >"$LOGS/game.log" 2>&1 &
    game=$!
    status=0
    /usr/bin/python3 "$SCRIPT" || status=$?
    kill $game $bus 2>/dev/null
    wait $game $bus 2>/dev/null
    [ $status -eq 0 ] || { echo "--- game:"; cat "$LOGS/game.log"; echo "--- bus:"; cat "$LOGS/bus.log"
                           echo "--- X server:"; cat "$LOGS/xvfb.log"; }
    exit $status
' 2> >(grep -v "Failed to set fd limit" >&2)
