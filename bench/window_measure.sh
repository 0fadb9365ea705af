#!/usr/bin/env bash
# Memory and speed of the real window, measured under Xvfb:
#   - resident memory of the idle window (VmRSS of /proc/PID/status),
#   - start-up to the first frame on the screen (wall clock from the start
#     of the process to the end of its first present; best of three) and
#     the CPU time the process spent until then,
#   - the CPU time of presenting a whole frame (every row sent),
#   - the CPU ticks of the idle window over 10 s (/proc/PID/stat),
#   - the CPU time from a key's X event to its presented frame,
# for each presentation path and zoom.  The program reports its own times
# when VEXDRAW_MEASURE is set (=full: every present sends every row).
#
#   bench/window_measure.sh [KELDARY] [PATHS...]
#
# PATHS: render (the default on X11), surface, texture; default: all three.
# Needs Xvfb and xdotool.  Takes about a minute per path and zoom.  Wall
# times depend on what else the machine runs: the load average is printed.
set -euo pipefail

keldary=$(realpath "${1:-build/keldary}")
shift || true
paths=("$@")
[ ${#paths[@]} -gt 0 ] || paths=(render surface texture)

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
# Without a session bus SDL's D-Bus start would spawn dbus-launch first; a
# desktop has one.  An address that fails at once stands in for it.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=$work/no-bus}
fail() {
    echo "$*" >&2
    exit 1
}
source "$(dirname "$0")/../tests/e2e/xvfb_support.sh"
trap 'cleanup; rm -rf "$work"' EXIT

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
measured() { grep -o "$1=[0-9]*" "$work/err.txt" | tail -n1 | cut -d= -f2; }

# run PATH ZOOM MODE: starts the game, waits for its first frame; leaves
# game_pid running.
run() {
    rm -rf "$work/game"
    mkdir -p "$work/game/home"
    cp "$keldary" "$work/game/keldary"
    printf '[WINDOW]\nZOOM=%s\n' "$2" >"$work/game/Vexdraw.ini"
    local present=$1
    [ "$present" = render ] && present=""
    local start
    start=$(date +%s%6N)
    (cd "$work/game" && HOME="$work/game/home" VEXDRAW_PRESENT="$present" VEXDRAW_MEASURE="$3" exec ./keldary) \
        >/dev/null 2>"$work/err.txt" &
    game_pid=$!
    for _ in $(seq 100); do grep -q first_frame "$work/err.txt" && break; sleep 0.05; done
    startup_ms=$((($(measured first_frame_realtime_us) - start) / 1000))
    startup_cpu_ms=$(($(measured startup_cpu_us) / 1000))
    win=$(xdotool search --sync --name '^Vexdraw-Win32$' | head -n1)
    sleep 1
    xdotool windowfocus --sync "$win"
}

quit() {
    xdotool key alt+q
    sleep 0.3
    xdotool key Return
    wait "$game_pid" || true
    game_pid=""
}

typing() {  # 48 keys: romaji turning into kana on the input line
    xdotool type --delay 40 "kyakkakyakkakyakkakyakkakyakkakyakkakyakkakyakka"
    sleep 0.5
}

row() { printf '%-8s %4s %7s %10s %14s %13s %10s %10s %13s\n' "$@"; }
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) CPUs"
row path zoom rss_kb startup_ms startup_cpu_ms full_frame_us idle_ticks key_cpu_us key_ticks/100
for path in "${paths[@]}"; do
    for zoom in 1 2 4; do
        if [ "$zoom" = 4 ]; then start_xvfb 2600x2100; else start_xvfb 1920x1080; fi
        # Start-up, idle memory and CPU, and keys with their normal presents.
        best=999999
        best_cpu=999999
        for _ in 1 2 3; do
            run "$path" "$zoom" 1
            [ "$startup_ms" -lt "$best" ] && best=$startup_ms
            [ "$startup_cpu_ms" -lt "$best_cpu" ] && best_cpu=$startup_cpu_ms
            quit
        done
        run "$path" "$zoom" 1
        sleep 2
        rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$game_pid/status")
        t0=$(ticks "$game_pid")
        sleep 10
        idle=$(($(ticks "$game_pid") - t0))
        t0=$(ticks "$game_pid")
        typing
        typing
        key_ticks=$(( ($(ticks "$game_pid") - t0) * 100 / 96 ))
        quit
        key_cpu=$(measured avg_key_cpu_us)
        # Whole frames: every present sends every row.
        run "$path" "$zoom" full
        typing
        quit
        full=$(measured avg_full_present_cpu_us)
        row "$path" "${zoom}x" "$rss" "$best" "$best_cpu" "$full" "$idle" "$key_cpu" "$key_ticks"
    done
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "aims: rss_kb <= 24576, startup_ms <= 100, full_frame_us (4x) <= 2000, idle_ticks = 0"
echo "(a tick is 10 ms of CPU; key_ticks/100: ticks per 100 keys, xdotool's own X traffic included)"
