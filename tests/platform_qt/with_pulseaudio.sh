#!/usr/bin/env bash
# Runs a command beside a PulseAudio server of its own that has one null sink, "tessora_test":
# a sound device that plays nothing but whose monitor source records what reaches it. The
# server lives in a private runtime folder and ends with the command; it needs no session bus,
# no sound card and no user session, and it runs as root too (where it only warns). The
# command's Qt Multimedia and PulseAudio tools find it through PULSE_SERVER; TESSORA_TEST_SINK
# names the sink. Usage: with_pulseaudio.sh COMMAND [ARGUMENT...]
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=$runtime/native
server_pid=
cleanup() {
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT

# -n: none of the system's default modules (no sound card, no bus); the sink and the socket
# are all it has.
HOME=$runtime XDG_RUNTIME_DIR=$runtime PULSE_RUNTIME_PATH=$runtime/pulse \
    pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --log-target=stderr \
    --load="module-null-sink sink_name=tessora_test" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" \
    >"$runtime/server.log" 2>&1 &
server_pid=$!
export PULSE_SERVER=unix:$socket TESSORA_TEST_SINK=tessora_test
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start"; cat "$runtime/server.log"; exit 1; }

status=0
"$@" || status=$?
[ $status -eq 0 ] || { echo "--- PulseAudio:"; cat "$runtime/server.log"; }
exit $status
