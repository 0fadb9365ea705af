#!/usr/bin/env bash
# The menu bar worked from the keyboard in the real window, with real X
# key events from xdotool: Alt alone selects 終了, Right selects 表示, Down
# opens its drop-down, Return chooses コンソール and the console window
# opens; F10 does the same, Escape closes the drop-down and then leaves,
# Alt and F10 leave too, a click elsewhere leaves, none of these keys
# reaches the game, and Return on 終了 asks the quit question.
#
#   window_menu.sh KELDARY XWD2PNG WORKDIR [openbox]
#
# Exit status 77 (skipped) when a tool is missing.
set -euo pipefail

keldary=$1
xwd2png=$2
work=$3
wm=${4:-}

source "$(dirname "$0")/xvfb_support.sh"
require_tools Xvfb xdotool xwd xprop $wm

fresh_work_dir

start_xvfb 1280x1024
export HOME="$work/home" SDL_VIDEODRIVER=x11
unset WAYLAND_DISPLAY

if [ -n "$wm" ]; then start_wm "$wm"; fi

# The console window opens below the main window (at 100, 100 and 1x on
# this screen), so that captures of the main window show all of it.
printf '[CONSOLE]\nLEFT=0\nTOP=650\n' >"$work/Vexdraw.ini"

(cd "$work" && exec ./keldary --trace) >"$work/stdout.txt" 2>"$work/trace.txt" &
game_pid=$!
win=$(timeout 15 xdotool search --sync --name '^Vexdraw-Win32$' | head -n1) || true
[ -n "$win" ] || fail "the window Vexdraw-Win32 did not appear"

pixel() { "$xwd2png" --pixel "$work/$1.png" "$2" "$3"; }
framed() { capture plain && [ "$(pixel plain 19 27)" = ffffff ]; }
poll 10 framed || fail "the screen frame was never shown"
timeout 10 xdotool windowfocus --sync "$win" || fail "cannot focus the window"

# What the strip shows, from its pixels (at 1x): the first title spans
# x 2..64 and the second starts at 65; the drop-down's first row lies at
# y 23..40 (its top pixels stay clear of text and check mark).  NAVY is the
# selection.
NAVY=0a246a
shows() {  # shows NAME none|quit|view|dropdown
    capture "$1" || return 1
    local first second row
    first=$(pixel "$1" 3 2)
    second=$(pixel "$1" 68 2)
    row=$(pixel "$1" 300 24)
    case $2 in
    none) [ "$first" != $NAVY ] && [ "$second" != $NAVY ] && [ "$row" != $NAVY ] ;;
    quit) [ "$first" = $NAVY ] && [ "$second" != $NAVY ] ;;
    view) [ "$first" != $NAVY ] && [ "$second" = $NAVY ] && [ "$row" != $NAVY ] ;;
    dropdown) [ "$second" = $NAVY ] && [ "$row" = $NAVY ] ;;
    esac
}
expect() {  # expect STATE CAPTURE_NAME WHAT_WAS_DONE
    poll 5 shows "$2" "$1" || fail "after $3 the strip does not show '$1'"
}
console_shown() { xdotool search --name '^Vexdraw Console$' >/dev/null 2>&1; }
# Every key that reaches the game's command line leaves this trace line.
game_keys() { grep -c '^input_len:' "$work/trace.txt" || true; }

expect none plain "start-up"
keys_before=$(game_keys)

# ---- Alt, Right, Down, Return: the console window ----
xdotool key alt
expect quit alt_title "Alt alone"
xdotool key Right
expect view right_title "Alt, Right"
xdotool key Down
expect dropdown dropdown "Alt, Right, Down"
xdotool key Return
poll 10 console_shown || fail "Alt, Right, Down, Return did not open the console window"
expect none chosen "choosing コンソール"

# ---- F10, Right, Return (opens), Return (chooses): closed again ----
timeout 10 xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key F10 Right Return
expect dropdown f10_dropdown "F10, Right, Return"
xdotool key Return
poll 10 eval '! console_shown' || fail "F10, Right, Return, Return did not close the console window"
# Closing the console window while the program waits for events must not
# end it (an X error for a message to the window just gone): ten times more.
for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool key alt+v c
    poll 10 console_shown || fail "Alt+V, C did not open the console window ($i)"
    xdotool key alt+v c
    poll 10 eval '! console_shown' || fail "Alt+V, C did not close the console window ($i)"
done
kill -0 "$game_pid" || fail "the program ended while the console window opened and closed"

# ---- Leaving: Escape twice, Alt, F10, a click elsewhere ----
timeout 10 xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool key F10 Right Down
expect dropdown esc_dropdown "F10, Right, Down"
xdotool key Escape
expect view esc_once "one Escape"
xdotool key Escape
expect none esc_twice "a second Escape"
xdotool key alt x z
expect quit alt_letters "Alt, x, z (letters the menu does not know)"
xdotool key alt
expect none alt_again "Alt again"
xdotool key F10
expect quit f10_title "F10"
xdotool key F10
expect none f10_again "F10 again"
xdotool key alt+v
expect dropdown alt_v "Alt+V"
xdotool mousemove --window "$win" 320 300 click 1
expect none clicked "a click in the picture"

console_shown && fail "the console window is open again"
[ "$(game_keys)" = "$keys_before" ] || fail "menu keys reached the game ($keys_before -> $(game_keys) key lines)"

# ---- The game has the keys again; Return on 終了 asks the quit question ----
xdotool type --delay 40 mi
xdotool key Return
traced() { grep -qF -- "|$1|" "$work/trace.txt"; }
poll 10 traced "み" || fail "typing after the menu did not reach the game as み"
lines=$(grep '^|' "$work/trace.txt" | tr '\n' ' ')
[ "$lines" = "|み| " ] || fail "command lines in the trace: $lines"

capture typed
xdotool key alt Return
asked() { capture asked && ! "$xwd2png" --compare "$work/asked.png" 176 196 "$work/typed.png" 176 196 288 128 >/dev/null; }
poll 10 asked || fail "Alt, Return (終了) did not ask the quit question"
[ "$(pixel asked 3 2)" != $NAVY ] || fail "the menu still shows 終了 selected under the question"
xdotool key Return
finish_game

echo "PASS${wm:+ ($wm)}"
