#!/usr/bin/env bash
# The game as a native Wayland client: starts a headless Weston at output scale 2, runs the
# measuring program (the game's own start-up and main window, one turn, both side windows
# opened and closed) on Qt's wayland platform, and checks from the protocol log that the main
# window asked for full screen and that both side windows were given the main window as their
# parent, and that the app id is the desktop entry's name. Usage: smoke.sh BUILD_DIR
set -euo pipefail
build=$1
runtime=$(mktemp -d)
chmod 700 "$runtime"
log="$runtime/client.log"
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --scale=2 --use-pixman \
    --width=1024 --height=768 --socket=tessora-smoke >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 50); do
    [ -S "$runtime/tessora-smoke" ] && break
    sleep 0.1
done
[ -S "$runtime/tessora-smoke" ] || { echo "weston did not start"; cat "$runtime/weston.log"; exit 1; }

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=tessora-smoke QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    timeout 60 "$build/app/tessora-measure" --turns 1 --tour 1 >"$runtime/out.txt" 2>"$log"
cat "$runtime/out.txt"

fail=0
check() {
    if grep -Eq "$2" "$1"; then echo "ok: $3"; else echo "FAILED: $3"; fail=1; fi
}
check "$runtime/out.txt" '^first_frame_since_start ' "the main window was painted"
check "$runtime/out.txt" '^turn_1 ' "a turn was played"
check "$log" 'xdg_toplevel@[0-9]+\.set_fullscreen' "the main window asked for full screen"
main=$(grep -Eo 'xdg_toplevel@[0-9]+\.set_title\("Tessora"\)' "$log" | head -1 | grep -Eo 'xdg_toplevel@[0-9]+')
for title in Info Anleitung; do
    window=$(grep -Eo "xdg_toplevel@[0-9]+\.set_title\(\"$title\"\)" "$log" | head -1 |
        grep -Eo 'xdg_toplevel@[0-9]+')
    check "$log" "${window:-none}\.set_parent\(${main:-none}\)" "the $title window is owned by the main window"
done
check "$log" 'wl_surface@[0-9]+\.set_buffer_scale\(2\)' "the windows draw at the output's scale"
check "$log" 'xdg_toplevel@[0-9]+\.set_app_id\("example\.tessora\.Tessora"\)' \
    "the app id is the desktop entry's name"
exit $fail
