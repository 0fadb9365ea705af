#!/usr/bin/env bash
# Without a display the window is refused at once: one line on standard
# error says why and names --text, the exit status is 1, and nothing waits.
# tools/play.sh then starts terminal play.
#
#   window_no_display.sh KELDARY PLAY_SH WORKDIR
set -euo pipefail

keldary=$1
play=$2
work=$3

fail() {
    echo "FAIL: $*"
    exit 1
}

rm -rf "$work"
mkdir -p "$work/home"
cp "$keldary" "$work/keldary"
export HOME="$work/home"
unset WAYLAND_DISPLAY SDL_VIDEODRIVER

# A display number no server listens on.
n=99
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

# refused WHAT ENV...: runs the program with the environment changes and
# checks the refusal.
refused() {
    local what=$1
    shift
    local start end rc=0
    start=$(date +%s%N)
    env "$@" "$work/keldary" </dev/null >"$work/out.txt" 2>"$work/err.txt" || rc=$?
    end=$(date +%s%N)
    local ms=$(((end - start) / 1000000))
    [ "$rc" -eq 1 ] || fail "$what: exit status $rc, expected 1"
    [ "$ms" -lt "${NO_WAIT_MS:-1000}" ] || fail "$what: took $ms ms"
    [ "$(wc -l <"$work/err.txt")" -eq 1 ] || fail "$what: standard error is not one line: $(cat "$work/err.txt")"
    grep -q "no display could be opened" "$work/err.txt" || fail "$what: $(cat "$work/err.txt")"
    grep -q -- "--text" "$work/err.txt" || fail "$what: --text is not named: $(cat "$work/err.txt")"
    [ ! -s "$work/out.txt" ] || fail "$what: wrote to standard output"
    echo "$what ($ms ms): $(cat "$work/err.txt")"
}

refused "no server" DISPLAY=":$n"
grep -q "DISPLAY=:$n" "$work/err.txt" || fail "the display is not named"
refused "DISPLAY unset" -u DISPLAY
grep -q "DISPLAY" "$work/err.txt" || fail "the missing variable is not named"
refused "dummy driver" DISPLAY=":$n" SDL_VIDEODRIVER=dummy
[ ! -e "$work/Vexdraw.ini" ] || fail "a refused start wrote Vexdraw.ini"

# make play: the refusal leads to terminal play.
printf 'look\n' | DISPLAY=":$n" sh "$play" "$work/keldary" >"$work/play.txt" 2>&1 ||
    fail "play.sh: exit status $?"
grep -q "playing in the terminal" "$work/play.txt" || fail "play.sh did not start terminal play: $(cat "$work/play.txt")"
grep -q "Keldary of the House" "$work/play.txt" || fail "terminal play did not start: $(cat "$work/play.txt")"

echo "PASS"
