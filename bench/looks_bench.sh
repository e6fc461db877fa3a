#!/usr/bin/env bash
# Memory of the picture libraries, measured under Xvfb with the release build:
# the game's peak memory up to the first deal of "Maya" (a narrow set from
# "TevCards06B.dll") at "Large window", with all five libraries above the
# program folder, against the same start with "Classical-1" and no library. Goal: within 20 MB, because only the chosen set is decoded.
# Run after `cmake --build --preset release`.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${OLK_BENCH_DISPLAY:-}" ]; then
    exec env OLK_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
build=build/release
[ -x $build/program/olk ] || { echo "build the release preset first" >&2; exit 2; }
libraries=(TevCards06A.dll TevCards06B.dll TevCards06C.dll TevBackG03.dll TevCGraph1.dll)
for file in "${libraries[@]}"; do
    [ -f $build/libraries/$file ] || { echo "missing $build/libraries/$file" >&2; exit 2; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# Peak memory in kB of one start up to the table, with or without libraries.
peak() {
    local with=$1 set=$2
    rm -rf "$root"/*
    mkdir "$root/program"
    cp $build/program/olk $build/program/Olk.clb $build/program/Olk.net "$root/program"
    if [ "$with" = 1 ]; then
        for file in "${libraries[@]}"; do cp $build/libraries/$file "$root"; done
    fi
    # English, no sound, no flights, "Large window", the given card set.
    { printf '\r\n%s\r\n\r\n%s\r\n' "001010145" "$set"; for _ in $(seq 31); do printf '\r\n'; done; } \
        >"$root/program/Olk.ini"
    /usr/bin/time -f '%M' -o "$root/rss" "$root/program/olk" >/dev/null 2>&1 &
    local window=""
    for _ in $(seq 500); do
        window=$(xdotool search --onlyvisible --name '^Olk$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.02
    done
    [ -n "$window" ] || { echo "the game window did not appear" >&2; exit 1; }
    sleep 1
    xdotool mousemove --window "$window" 380 250 click 1   # past the start-up picture
    sleep 1.5
    xdotool mousemove --window "$window" 760 880 click 1   # "New Player" at "Large window"
    sleep 1.5
    xdotool type --delay 20 "Bench"; xdotool key Tab; xdotool type "pw"; xdotool key Tab
    xdotool type "pw"; xdotool key Return
    sleep 3
    pkill -f "^$root/program/olk" || true
    wait || true
    tail -1 "$root/rss"
}

without=$(peak 0 0)  # "Classical-1", the program's own
with=$(peak 1 38)    # "Maya"
echo "peak memory to the first deal: $((with / 1024)) MB with every library, $((without / 1024)) MB without (goal: within 20 MB)"
