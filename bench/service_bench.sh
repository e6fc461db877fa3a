#!/usr/bin/env bash
# Load on olk-service with wrk: 64 connections for 10 s on each of
#   ScoreTable    (the Windows table's best ten)  goal: over 10,000 replies/s, p99 under 20 ms
#   ScorePost     (a new entry in the Windows table)  goal: over 2,000 posts/s
#   AccountLogin  (Argon2id at the interactive cost: bounded by the hash, no
#                 goal; last, since the logins wrk gives up on are still
#                 hashed after it stops)
# (each after a 3 s warm-up) against a release-built olk-service on a free loopback port, with the rate
# limits off (--no-rate-limit) and a fresh SQLite database in a temporary
# folder, or the PostgreSQL database named by the first argument or by
# OLK_BENCH_DATABASE:
#   bench/service_bench.sh
#   pg_virtualenv bench/service_bench.sh postgresql://
# OLK_SERVICE names the program (default build/release/service/olk-service);
# OLK_BENCH_SECONDS and OLK_BENCH_CONNECTIONS change the run, OLK_SERVICE_OPTIONS
# adds options (such as "--threads 16"). The service's
# log goes to the temporary folder, and is printed when it fails to start.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${OLK_SERVICE:-build/release/service/olk-service}
[ -x "$program" ] || { echo "build olk-service in release first ($program)" >&2; exit 2; }
command -v wrk >/dev/null || { echo "wrk is not installed" >&2; exit 2; }
seconds=${OLK_BENCH_SECONDS:-10}
connections=${OLK_BENCH_CONNECTIONS:-64}

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

database=${1:-${OLK_BENCH_DATABASE:-sqlite:$work/bench.sqlite}}
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
url=http://127.0.0.1:$port

"$program" --listen "127.0.0.1:$port" --data "$work/data" --database "$database" \
    --no-rate-limit ${OLK_SERVICE_OPTIONS:-} 2>"$work/service.log" &
pid=$!
for _ in $(seq 100); do
    curl -sf "$url/ip" >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/service.log" >&2; exit 1; }
    sleep 0.1
done
curl -sf "$url/ip" >/dev/null || { echo "olk-service does not answer" >&2; cat "$work/service.log" >&2; exit 1; }

post() { curl -sf -X POST -H 'Content-Type: application/x-www-form-urlencoded' --data-binary "$2" "$url$1"; }
# A member (the raw form of the game's registration) and a few entries, so
# the table read is a full best ten.
reply=$(post /account 'nick=Bench&pw=secret1&city=Omsk&country1=Russia&country2=1-001&sex=M&email=bench@example.org&dater=10.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0')
case $reply in
    *is*) ;;  # already a member (a reused PostgreSQL database)
    *ok*) ;;
    *) echo "registration failed: $reply" >&2; exit 1 ;;
esac
for score in 10 20 30 40 50 60 70 80 90 100 110 120; do
    post /scores "gid=804&nick=Bench&city=Omsk&country=1-001&score=$score&R7=M&R8=5.7f&R9=#&R10=#*" >/dev/null
done

echo "olk-service $(git rev-parse --short HEAD 2>/dev/null || echo '?'), database ${database%%:*}," \
     "$connections connections, $seconds s each, $(nproc) cores shared with wrk," \
     "load average $(cut -d' ' -f1 /proc/loadavg)"
printf '%-14s %12s %10s %9s %9s\n' request requests/s p99-ms non-2xx sock-err
for kind in ScoreTable ScorePost AccountLogin; do
    # A warm-up first, unmeasured: each server thread opens its database
    # connection on its first request.
    wrk -t2 -c"$connections" -d3s --timeout 10s -s bench/service_bench.lua "$url" -- "$kind" >/dev/null
    line=$(wrk -t2 -c"$connections" -d"${seconds}s" --timeout 10s -s bench/service_bench.lua "$url" \
        -- "$kind" | grep '^RESULT')
    read -r _ rps p99 status errors <<<"$line"
    printf '%-14s %12s %10s %9s %9s\n' "$kind" "$rps" "$p99" "$status" "$errors"
done
