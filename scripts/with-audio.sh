#!/bin/sh
# Runs a command beside a private PulseAudio daemon whose only output is a
# null sink, so code that plays sound has a real device without speakers.
# Everything the daemon writes lives in a temporary folder removed on exit;
# works for root in CI as for a desktop user. Usage: with-audio.sh CMD [ARG...]
set -eu

[ "$#" -gt 0 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tawen-audio.XXXXXX")
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
export PULSE_RUNTIME_PATH="$work/run/pulse" PULSE_STATE_PATH="$work/state"
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
mkdir -p "$HOME" "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"

pulseaudio --daemonize=no --system=false --exit-idle-time=-1 -n \
  --disable-shm=true --log-target=file:"$work/pulse.log" \
  --load="module-null-sink sink_name=tawen_null sink_properties=device.description=Tawen-Null" \
  --load="module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
  >/dev/null 2>&1 &
daemon=$!

stop_daemon() {
  kill "$daemon" 2>/dev/null || true
  wait "$daemon" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_daemon EXIT
trap 'exit 130' INT TERM

# The daemon is ready once it answers; give up after about ten seconds.
tries=0
until pactl info >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$daemon" 2>/dev/null; then
    echo "with-audio: PulseAudio did not start" >&2
    cat "$work/pulse.log" >&2 2>/dev/null || true
    exit 1
  fi
  sleep 0.1
done
pactl set-default-sink tawen_null >/dev/null

status=0
"$@" || status=$?
exit "$status"
