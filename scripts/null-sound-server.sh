# Sourced by the test and benchmark scripts: `start_null_sound_server` runs a
# private PulseAudio server whose only device is a null sink "olk_test", so
# that what the game plays can be recorded from the sink's monitor. The
# server lives in a folder of its own and ends with the calling script.
# Without pulseaudio installed nothing starts, and the listening tests skip.

start_null_sound_server() {
    null_sound_dir=$(mktemp -d)
    export XDG_RUNTIME_DIR="$null_sound_dir"
    unset PULSE_SERVER
    pulseaudio -n --daemonize=yes --exit-idle-time=-1 \
        --load="module-null-sink sink_name=olk_test" \
        --load="module-native-protocol-unix" >/dev/null 2>&1 || true
    trap 'pulseaudio -k >/dev/null 2>&1 || true; rm -rf "$null_sound_dir"' EXIT
}
