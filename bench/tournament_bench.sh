#!/usr/bin/env bash
# Ten tournament tables of four olk-bots each, all at once, on one
# olk-service with its relay (release build):
#   tournament games finished per second
#   the service's CPU time and peak memory while they play
# Rounds of ten games run back to back (ROUNDS, default 3). The relay's own
# forwarding time per frame is measured by build/release/bench/olk_relay_bench
# (goal: median and p99 under 1 ms on loopback). Run after
# `cmake --build --preset release`.
set -euo pipefail
cd "$(dirname "$0")/.."
service=build/release/service/olk-service
bot=build/release/tools/bot/olk-bot
[ -x "$service" ] && [ -x "$bot" ] || { echo "build the release preset first" >&2; exit 2; }
rounds=${ROUNDS:-3}

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}
port=$(free_port)
# A relay base port with the ten table ports after it free.
base=$(python3 -c '
import random, socket
for _ in range(200):
    base = random.randrange(20000, 50000)
    try:
        held = []
        for t in range(1, 11):
            s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
            s.bind(("127.0.0.1", base + t)); held.append(s)
        print(base); break
    except OSError:
        pass
')
data=$(mktemp -d)
"$service" --listen "127.0.0.1:$port" --data "$data" --no-rate-limit \
    --relay-base-port "$base" 2>"$data/service.log" &
service_pid=$!
trap 'kill "$service_pid" 2>/dev/null || true; wait "$service_pid" 2>/dev/null || true; [ -n "${KEEP:-}" ] && echo "kept: $data" || rm -rf "$data"' EXIT
sleep 1
kill -0 "$service_pid" 2>/dev/null || { cat "$data/service.log" >&2; exit 2; }
url="http://127.0.0.1:$port"

nick() { printf 'T%02dP%d' "$1" "$2"; }
for table in $(seq 10); do
    for place in 1 2 3 4; do
        n=$(nick "$table" "$place")
        curl -s -A MurkPlayEntry -H "Content-Type: application/x-www-form-urlencoded" \
            --data "nick=$n&pw=secret1&city=Omsk&country1=Russia&country2=1-001&sex=M&email=$n@bench.example&dater=00.00.0000&R01=xxx&R02=#&R03=#&R04=0&R05=0&R06=0" \
            "$url/account" >/dev/null
    done
done

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$service_pid/stat"; }
cpu_before=$(cpu)
start=$(date +%s%N)
completed=0
for round in $(seq "$rounds"); do
    pids=()
    for table in $(seq 10); do
        for place in 1 2 3 4; do
            "$bot" --tournament "$url" --table "$table" --place "$place" \
                --nick "$(nick "$table" "$place")" --password secret1 --wait-seconds 60 \
                >"$data/bot-$round-$table-$place.log" 2>&1 &
            pids+=($!)
        done
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || true
    done
    completed=$((completed + $(grep -l "match complete" "$data"/bot-"$round"-*-1.log | wc -l)))
done
end=$(date +%s%N)
cpu_after=$(cpu)
seconds=$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.2f", (e - s) / 1e9 }')
echo "tournament games: $completed of $((rounds * 10)) complete in $seconds s ($(awk -v g="$completed" -v s="$seconds" 'BEGIN { printf "%.2f", g / s }') games/s, bots' start-up and login included)"
awk -v d=$((cpu_after - cpu_before)) -v t="$ticks" -v s="$seconds" \
    'BEGIN { printf "service CPU: %.1f s, %.0f%% of one core on average\n", d / t, 100 * d / t / s }'
awk '/VmHWM/ { printf "service peak memory: %.1f MB\n", $2 / 1024 }' "/proc/$service_pid/status"
# Why a game did not finish, as its bots said.
grep -h "abandoned\|olk-bot:" "$data"/bot-*.log | sort | uniq -c | head -5 || true
