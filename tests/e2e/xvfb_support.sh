# Helpers shared by the scripts that drive the real window (sourced, bash):
# a private Xvfb, a window manager, polling, window captures, the program's
# end, failing, and cleaning up at exit.  The script sets $work (and
# $xwd2png for captures, $wm when a window manager runs).

# require_tools TOOL...: exit 77 (skipped) when one is not installed.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed"
            exit 77
        fi
    done
}

# fail MESSAGE: the test fails, showing what the program last wrote to
# standard error ($work/trace.txt).
fail() {
    echo "FAIL${wm:+ ($wm)}: $*"
    if [ -f "$work/trace.txt" ]; then
        echo "--- standard error (last lines)"
        tail -n 20 "$work/trace.txt"
    fi
    exit 1
}

xvfb_pid=""
wm_pid=""
game_pid=""
cleanup() {
    # SIGTERM would make the game ask its quit question: kill outright.
    if [ -n "$game_pid" ]; then kill -9 "$game_pid" 2>/dev/null || true; fi
    if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
}
trap cleanup EXIT

# fresh_work_dir: an empty $work holding a home folder and a copy of
# $keldary, whose folder is the program directory: Vexdraw.ini and
# Vexdraw.log land there and nothing is left over from earlier runs.
fresh_work_dir() {
    rm -rf "$work"
    mkdir -p "$work/home"
    cp "$keldary" "$work/keldary"
}

# Polls a command every 0.1 s for up to $1 seconds.
poll() {
    local tries=$(($1 * 10))
    shift
    while [ "$tries" -gt 0 ]; do
        if "$@"; then return 0; fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

# start_xvfb WIDTHxHEIGHT [XVFB OPTION]...: a server on a free display
# number, chosen by the server itself (an earlier one is stopped); exports
# DISPLAY.
start_xvfb() {
    local size=$1
    shift
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset "$@" 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    poll 10 test -s "$work/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$work/display")"
}

# start_wm WM: a window manager on the display, once it has announced
# itself on the root window.
start_wm() {
    "$1" >"$work/wm.log" 2>&1 &
    wm_pid=$!
    poll 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        fail "$1 did not start"
}

# finish_game: the program $game_pid ends (after a yes to the quit
# question) with exit status 0.
finish_game() {
    poll 15 eval '! kill -0 "$game_pid" 2>/dev/null' || fail "the program did not end after yes"
    local rc=0
    wait "$game_pid" || rc=$?
    game_pid=""
    [ "$rc" -eq 0 ] || fail "exit status $rc"
}

# capture NAME: the window $win as $work/NAME.png; capture_root NAME: the
# whole screen.
capture() { xwd -id "$win" -silent >"$work/$1.xwd" && "$xwd2png" "$work/$1.xwd" "$work/$1.png"; }
capture_root() { xwd -root -silent >"$work/$1.xwd" && "$xwd2png" "$work/$1.xwd" "$work/$1.png"; }
