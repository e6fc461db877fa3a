#!/usr/bin/env bash
# Start-up and menu costs of the release build, measured under Xvfb:
#   start to the start-up picture on screen, warm   goal: under 60 ms
#   peak memory                                    goal: under 60 MB
#   CPU while the main menu animates               goal: under 3% of one core
# Run after `cmake --build --preset release`.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${OLK_BENCH_DISPLAY:-}" ]; then
    exec env OLK_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
program=build/release/program/olk
[ -x "$program" ] || { echo "build the release preset first" >&2; exit 2; }

run() {
    # Start the game, wait for its window, and print the milliseconds it took.
    local start end
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    local pid=$!
    local waited=0
    until xdotool search --onlyvisible --name '^Olk$' >/dev/null 2>&1; do
        sleep 0.002
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

measure() {
    local times=()
    run >/dev/null; kill %1 2>/dev/null || true; wait 2>/dev/null || true  # warm the caches
    for _ in 1 2 3 4 5; do
        read -r ms pid < <(run)
        times+=("$ms")
        kill "$pid"; wait "$pid" 2>/dev/null || true
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 3p | xargs printf 'start to picture: %s ms (median of 5)\n'

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

measure
