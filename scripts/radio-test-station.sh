# Sourced by the test script: `start_radio_test_station [build folder]` runs
# a private internet radio station on loopback, an icecast2 server fed by
# ezstream with a looping Ogg Vorbis file, and exports its address as
# OLK_TEST_RADIO_URL (and the server's own process ids, so that a test can
# break the stream off). Everything lives in a folder of its own, on a free
# port, and ends with the calling script, after whatever the script's exit
# trap already did (the sound server's, say). Without icecast2, ezstream or
# sox nothing starts, OLK_TEST_RADIO_URL stays unset and the tests that need
# a station skip.
#
# The sound is one of the club's music tracks when the build made them
# (<build folder>/music/*.ogg), else a chord that sox writes.

start_radio_test_station() {
    local build=${1:-}
    for tool in icecast2 ezstream sox curl; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "radio test station: no $tool, no station" >&2
            return 0
        fi
    done
    radio_station_dir=$(mktemp -d)
    chmod 755 "$radio_station_dir"
    mkdir -p "$radio_station_dir/log"

    local port
    port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

    local sound="$radio_station_dir/station.ogg"
    local track=""
    if [ -n "$build" ] && [ -d "$build/music" ]; then
        track=$(find "$build/music" -maxdepth 2 -name '*.ogg' -size +10k 2>/dev/null | sort | head -n 1)
    fi
    if [ -n "$track" ]; then
        # The tracks end in a few seconds of fading and silence; the loop
        # must not play those, or a listener joining then hears nothing.
        sox -q "$track" -C 4 "$sound" reverse silence 1 0.05 2% reverse ||
            cp "$track" "$sound"
    else
        # Eight seconds of a soft major chord with a slow swell, stereo.
        sox -q -n -r 44100 -c 2 -C 4 "$sound" \
            synth 8 sine 261.63 sine 329.63 sine 392.00 remix 1,2,3 1,2,3 \
            tremolo 0.5 40 gain -8 || { echo "radio test station: sox failed" >&2; return 0; }
    fi

    # icecast2 will not run as root unless told whom to become; a user runs
    # it as itself.
    local security="<chroot>0</chroot>"
    if [ "$(id -u)" = 0 ]; then
        security="$security<changeowner><user>nobody</user><group>nogroup</group></changeowner>"
        chown -R nobody:nogroup "$radio_station_dir/log"
    fi
    cat >"$radio_station_dir/icecast.xml" <<EOF
<icecast>
  <location>loopback</location>
  <admin>nobody@localhost</admin>
  <limits>
    <clients>16</clients>
    <sources>2</sources>
    <queue-size>524288</queue-size>
    <client-timeout>30</client-timeout>
    <header-timeout>15</header-timeout>
    <source-timeout>10</source-timeout>
    <burst-on-connect>1</burst-on-connect>
    <burst-size>65535</burst-size>
  </limits>
  <authentication>
    <source-password>olk-station</source-password>
    <relay-password>olk-station</relay-password>
    <admin-user>admin</admin-user>
    <admin-password>olk-station-admin</admin-password>
  </authentication>
  <hostname>127.0.0.1</hostname>
  <listen-socket>
    <port>$port</port>
    <bind-address>127.0.0.1</bind-address>
  </listen-socket>
  <fileserve>0</fileserve>
  <paths>
    <basedir>$radio_station_dir</basedir>
    <logdir>$radio_station_dir/log</logdir>
    <webroot>/usr/share/icecast2/web</webroot>
    <adminroot>/usr/share/icecast2/admin</adminroot>
  </paths>
  <logging>
    <accesslog>access.log</accesslog>
    <errorlog>error.log</errorlog>
    <loglevel>2</loglevel>
  </logging>
  <security>$security</security>
</icecast>
EOF
    cat >"$radio_station_dir/ezstream.xml" <<EOF
<ezstream>
  <servers>
    <server>
      <hostname>127.0.0.1</hostname>
      <port>$port</port>
      <password>olk-station</password>
    </server>
  </servers>
  <streams>
    <stream>
      <mountpoint>/olk-test.ogg</mountpoint>
      <format>Ogg</format>
      <stream_name>Olk test station</stream_name>
    </stream>
  </streams>
  <intakes>
    <intake>
      <type>file</type>
      <filename>$sound</filename>
    </intake>
  </intakes>
</ezstream>
EOF
    # ezstream refuses a configuration others may write.
    chmod 600 "$radio_station_dir/ezstream.xml"

    icecast2 -c "$radio_station_dir/icecast.xml" >"$radio_station_dir/icecast.out" 2>&1 &
    OLK_TEST_RADIO_ICECAST_PID=$!
    local tries=0
    until curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$port/"; do
        tries=$((tries + 1))
        if [ "$tries" -ge 50 ]; then
            echo "radio test station: icecast2 did not start" >&2
            cat "$radio_station_dir/icecast.out" "$radio_station_dir/log/error.log" >&2 2>/dev/null
            stop_radio_test_station
            return 0
        fi
        sleep 0.2
    done
    ezstream -c "$radio_station_dir/ezstream.xml" >"$radio_station_dir/ezstream.out" 2>&1 &
    OLK_TEST_RADIO_EZSTREAM_PID=$!
    # The mount exists once ezstream's first pages arrived.
    tries=0
    until [ "$(curl -s -o /dev/null -w '%{http_code}' --max-time 1 \
        "http://127.0.0.1:$port/status-json.xsl")" = 200 ] &&
        curl -s --max-time 1 "http://127.0.0.1:$port/status-json.xsl" | grep -q olk-test.ogg; do
        tries=$((tries + 1))
        if [ "$tries" -ge 50 ]; then
            echo "radio test station: ezstream did not start" >&2
            cat "$radio_station_dir/ezstream.out" >&2 2>/dev/null
            stop_radio_test_station
            return 0
        fi
        sleep 0.2
    done
    export OLK_TEST_RADIO_URL="http://127.0.0.1:$port/olk-test.ogg"
    export OLK_TEST_RADIO_ICECAST_PID OLK_TEST_RADIO_EZSTREAM_PID

    # The station ends with the script, before whatever its exit trap did
    # already.
    local previous
    previous=$(trap -p EXIT)
    radio_station_previous_trap=""
    if [ -n "$previous" ]; then
        eval "local -a parts=($previous)"
        radio_station_previous_trap=${parts[2]}
    fi
    trap 'stop_radio_test_station; eval "$radio_station_previous_trap"' EXIT
    echo "radio test station: $OLK_TEST_RADIO_URL" >&2
}

stop_radio_test_station() {
    if [ -n "${OLK_TEST_RADIO_EZSTREAM_PID:-}" ]; then
        kill "$OLK_TEST_RADIO_EZSTREAM_PID" 2>/dev/null || true
        wait "$OLK_TEST_RADIO_EZSTREAM_PID" 2>/dev/null || true
    fi
    if [ -n "${OLK_TEST_RADIO_ICECAST_PID:-}" ]; then
        kill "$OLK_TEST_RADIO_ICECAST_PID" 2>/dev/null || true
        wait "$OLK_TEST_RADIO_ICECAST_PID" 2>/dev/null || true
    fi
    unset OLK_TEST_RADIO_URL OLK_TEST_RADIO_EZSTREAM_PID OLK_TEST_RADIO_ICECAST_PID
    if [ -n "${radio_station_dir:-}" ]; then
        rm -rf "$radio_station_dir"
        radio_station_dir=""
    fi
}
