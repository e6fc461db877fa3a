#!/usr/bin/env bash
# Start-up and menu costs of the release build, measured under Xvfb:
#   start to the start-up picture on screen, warm   goal: under 60 ms
#   peak memory                                    goal: under 60 MB
#   CPU while the main menu animates               goal: under 3% of one core
#   start-up with sound and music on, against both off: within 10 ms
#   the "Large window" menu with every online element (the two clocks and
#   their figure of the minute, the news and chat checks and indicators)
#   against an olk-service that is up, one that is down (nothing listens)
#   and one that is black-holed (it takes the connection and never answers):
#   under 3% of one core, and the menu never freezes (its lamps and clock
#   keep changing on the screen)
# The game runs from a copy of its folder, at a private sound server with a
# null sink. Run after `cmake --build --preset release`.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${OLK_BENCH_DISPLAY:-}" ]; then
    exec env OLK_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
[ -x build/release/program/olk ] || { echo "build the release preset first" >&2; exit 2; }
source scripts/null-sound-server.sh
start_null_sound_server
folder=$(mktemp -d)
trap 'pulseaudio -k >/dev/null 2>&1 || true; rm -rf "$null_sound_dir" "$folder"' EXIT
cp build/release/program/olk build/release/program/Olk.clb build/release/program/Olk.net "$folder"
program=$folder/olk

# "Olk.ini" with English and the given sound-and-music flag: "0" both off,
# "1" both on; every other line empty, which reads as the defaults.
settings() {
    { printf '\r\n%s\r\n' "0$1"; for _ in $(seq 33); do printf '\r\n'; done; } >"$folder/Olk.ini"
}

run() {
    # Start the game, wait for its window, and print the milliseconds it took.
    local start end
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    local pid=$!
    local waited=0
    until xdotool search --onlyvisible --name '^Olk$' >/dev/null 2>&1; do
        sleep 0.005
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the game ended before its window appeared" >&2
            exit 1
        fi
        waited=$((waited + 1))
        if [ "$waited" -gt 5000 ]; then
            echo "the game window did not appear" >&2
            kill "$pid" 2>/dev/null || true
            exit 1
        fi
    done
    end=$(date +%s%N)
    echo $(( (end - start) / 1000000 )) "$pid"
}

# The median of 9 starts to the start-up picture, in milliseconds.
startup() {
    local times=()
    run >/dev/null; kill %1 2>/dev/null || true; wait 2>/dev/null || true  # warm the caches
    for _ in 1 2 3 4 5 6 7 8 9; do
        read -r ms pid < <(run)
        times+=("$ms")
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 5p
}

measure() {
    settings 0
    local quiet
    quiet=$(startup)
    settings 1
    local heard
    heard=$(startup)
    echo "start to picture: $heard ms with sound and music, $quiet ms without (median of 9)"

    /usr/bin/time -f '%M' -o /tmp/olk_bench_rss "$program" >/dev/null 2>&1 &
    sleep 1.5
    local pid
    pid=$(pgrep -n -f "$program")
    xdotool mousemove 380 250 click 1
    sleep 1
    local ticks=$(getconf CLK_TCK)
    local a b
    a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep 5
    b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    awk -v d=$((b - a)) -v t="$ticks" 'BEGIN { printf "CPU in the menu: %.1f%% of one core\n", 100 * d / t / 5 }'
    kill "$pid"; wait 2>/dev/null || true
    awk '/^[0-9]+$/ { kb = $1 } END { printf "peak memory: %.1f MB\n", kb / 1024 }' /tmp/olk_bench_rss
}

# A free loopback port.
free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# The menu at "Large window" against a service in STATE (up, down, blackhole):
# CPU over 10 s, and how many of 10 screenshots 0.3 s apart differ from the
# one before (a frozen menu gives 0).
online_menu() {
    local state=$1 port service_pid=""
    port=$(free_port)
    local data
    data=$(mktemp -d)
    case $state in
    up)
        mkdir -p "$data/news"
        printf 'Benchmark\nAn item.\n' >"$data/news/1.txt"
        build/release/service/olk-service --listen "127.0.0.1:$port" --data "$data" \
            >/dev/null 2>&1 &
        service_pid=$!
        ;;
    blackhole)
        # Listens, so connections are made, but never reads or answers.
        python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(128); time.sleep(3600)' \
            "$port" &
        service_pid=$!
        ;;
    esac
    sleep 0.5
    # Large window, sound and music off; the statistics question answered.
    { printf '\r\n%s\r\n' "001110145RL010020011"; for _ in $(seq 33); do printf '\r\n'; done; } \
        >"$folder/Olk.ini"
    printf '0\r\n' >"$folder/OlkStat.ini"
    "$program" --service "http://127.0.0.1:$port" >/dev/null 2>&1 &
    local pid=$!
    sleep 1.5
    xdotool mousemove 380 250 click 1
    sleep 3
    local ticks a b
    ticks=$(getconf CLK_TCK)
    a=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    local changed=0 last="" shot
    for _ in $(seq 10); do
        shot=$(import -window root rgb:- 2>/dev/null | md5sum)
        [ -n "$last" ] && [ "$shot" != "$last" ] && changed=$((changed + 1))
        last=$shot
        sleep 0.3
    done
    sleep 6
    b=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    awk -v d=$((b - a)) -v t="$ticks" -v s="$state" -v c="$changed" \
        'BEGIN { printf "online menu, service %s: %.1f%% of one core; %d of 9 frames changed\n", s, 100 * d / t / 10, c }'
    kill "$pid"; wait "$pid" 2>/dev/null || true
    if [ -n "$service_pid" ]; then
        kill "$service_pid" 2>/dev/null || true
        wait "$service_pid" 2>/dev/null || true
    fi
    rm -rf "$data" "$folder/OlkStat.ini"
}

measure
for state in up down blackhole; do
    online_menu "$state"
done
