#!/usr/bin/env bash
# The window on a 1920 x 1080 desktop (a private Xvfb without X core fonts
# beyond the server's built-in ones), with or without a window manager:
# it opens at the largest zoom that fits (2x) with crisp pixels, full
# screen shows the frame centred on black, Ctrl+minus and the 表示 menu
# change the zoom, the mouse is mapped back, the quit question is drawn in
# the window and answered both ways, the wheel pages the console, the menu
# strip shows the input mode, Alt+S writes a screenshot, and the zoom is
# remembered.
#
#   window_view.sh KELDARY XWD2PNG WORKDIR GOLDEN_QUESTION_PNG [openbox]
#
# Exit status 77 (skipped) when a tool is missing.
set -euo pipefail

keldary=$1
xwd2png=$2
work=$3
golden=$4
wm=${5:-}

source "$(dirname "$0")/xvfb_support.sh"
require_tools Xvfb xdotool xwd xprop $wm

fresh_work_dir
mkdir -p "$work/pics"

# Only the server's built-in fonts: the window must not need X core fonts
# (a desktop without xfonts-base).
start_xvfb 1920x1080 -fp built-ins
export HOME="$work/home" XDG_PICTURES_DIR="$work/pics" SDL_VIDEODRIVER=x11
unset WAYLAND_DISPLAY

if [ -n "$wm" ]; then start_wm "$wm"; fi

start_game() {
    (cd "$work" && exec ./keldary --trace --screenshot "$work/final.png") \
        >"$work/stdout.txt" 2>"$work/trace.txt" &
    game_pid=$!
    win=$(timeout 15 xdotool search --sync --name '^Vexdraw-Win32$' | head -n1) || true
    [ -n "$win" ] || fail "the window did not appear"
}

ended() { ! kill -0 "$game_pid" 2>/dev/null; }

size_is() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    [ "$WIDTH" -eq "$1" ] && [ "$HEIGHT" -eq "$2" ]
}

pixel() { "$xwd2png" --pixel "$work/$1.png" "$2" "$3"; }
# same A AX AY B BX BY W H [Z]: the rectangles hold the same pixels.
same() {
    "$xwd2png" --compare "$work/$1.png" "$2" "$3" "$work/$4.png" "$5" "$6" "$7" "$8" ${9:-} >/dev/null
}
traced() { grep -qF -- "$1" "$work/trace.txt"; }

# ---- First run: the largest zoom that fits ----
start_game
poll 10 size_is 1280 1000 || fail "the window is ${WIDTH}x$HEIGHT, not 1280x1000 (2x)"
framed() { capture two && [ "$(pixel two 38 54)" = ffffff ] && [ "$(pixel two 40 56)" = 000000 ]; }
poll 10 framed || fail "the screen frame was never shown at 2x"
xprop -id "$win" WM_CLASS | grep -q '"keldary", "keldary"' || fail "WM_CLASS is not keldary: $(xprop -id "$win" WM_CLASS)"
xprop -id "$win" _NET_WM_ICON >"$work/icon.txt"
grep -q "Icon (64 x 64)" "$work/icon.txt" || fail "the window has no icon"
timeout 10 xdotool windowfocus --sync "$win" || fail "cannot focus the window"

# The input mode at the strip's right end: あ, F1 makes it ア, F1 twice more
# brings あ back.
capture mode1
xdotool key F1
mode_changed() { capture mode2 && ! same mode1 1180 0 mode2 1180 0 100 40; }
poll 5 mode_changed || fail "the menu strip does not show the new input mode"
xdotool key F1 F1
mode_back() { capture mode3 && same mode1 1180 0 mode3 1180 0 100 40; }
poll 5 mode_back || fail "the menu strip does not show hiragana again"

# The wheel pages the console like Page Up and Page Down.
xdotool mousemove --window "$win" 600 800
capture before_wheel
xdotool click 4
console_moved() { capture wheel && ! same before_wheel 0 700 wheel 0 700 1280 300; }
poll 5 console_moved || fail "the wheel did not scroll the console back"
xdotool click 5
console_back() { capture wheel && same before_wheel 0 700 wheel 0 700 1280 300; }
poll 5 console_back || fail "the wheel did not scroll the console forward again"
traced "input_len:1 roman_head:1" || fail "no key reached the program"

# From here on the page does not change: every view of it must show the
# final screenshot, scaled.
xdotool key alt+s
shot_written() { ls "$work/pics"/keldary-*.png >/dev/null 2>&1; }
poll 5 shot_written || fail "Alt+S wrote no screenshot to the pictures folder"
poll 5 traced "スクリーンショットを保存しました: $work/pics/keldary-" || fail "the screenshot was not reported"
cp "$(ls "$work/pics"/keldary-*.png | head -n1)" "$work/alt_s.png"
capture two
same two 0 40 alt_s 0 0 640 480 2 || fail "2x is not the 1x screenshot scaled with square pixels"

# Full screen: the frame at 2x, centred on black.
xdotool key alt+Return
poll 10 size_is 1920 1080 || fail "Alt+Enter did not give full screen (${WIDTH}x$HEIGHT)"
fullscreen_shown() { capture_root full && same full 320 80 alt_s 0 0 640 480 2; }
poll 10 fullscreen_shown || fail "full screen does not show the frame at 2x centred"
[ "$(pixel full 0 0)" = 000000 ] && [ "$(pixel full 1919 1079)" = 000000 ] && [ "$(pixel full 319 500)" = 000000 ] ||
    fail "full screen is not black around the frame"
# The quit question in full screen, answered no with the mouse: the click
# is mapped back through the black bar and the zoom.
xdotool key alt+q
asked_full() { capture_root full_q && same full_q $((320 + 176 * 2)) $((40 + 196 * 2)) question 0 0 288 128 2; }
cp "$golden" "$work/question.png"
poll 5 asked_full || fail "the quit question is not drawn in full screen"
xdotool mousemove $((320 + (176 + 196) * 2)) $((40 + (196 + 99) * 2)) click 1
gone_full() { capture_root full && same full 320 80 alt_s 0 0 640 480 2; }
poll 5 gone_full || fail "いいえ did not close the question"
ended && fail "いいえ ended the program"
xdotool key F11
poll 10 size_is 1280 1000 || fail "F11 did not return to the 2x window (${WIDTH}x$HEIGHT)"

# Ctrl+minus: 1x; the menu's 拡大 back to 2x; Ctrl+minus again.
timeout 10 xdotool windowfocus --sync "$win" || true
xdotool key ctrl+minus
poll 10 size_is 640 500 || fail "Ctrl+minus did not give 1x (${WIDTH}x$HEIGHT)"
xdotool key alt+v i
poll 10 size_is 1280 1000 || fail "表示 > 拡大 did not give 2x (${WIDTH}x$HEIGHT)"
xdotool key ctrl+minus
poll 10 size_is 640 500 || fail "Ctrl+minus did not give 1x again"
one_x() { capture one && same one 0 20 alt_s 0 0 640 480; }
poll 5 one_x || fail "1x does not show the page"

# The quit question at 1x: Alt+F4 (the window manager's close, if any)
# asks, N says no; Alt+Q asks, はい clicked says yes.
xdotool key alt+F4
asked_one() { capture one_q && same one_q 176 196 question 0 0 288 128; }
poll 5 asked_one || fail "Alt+F4 did not ask the quit question in the window"
xdotool key n
poll 5 one_x || fail "N did not close the question"
ended && fail "N ended the program"
xdotool key alt+q
poll 5 asked_one || fail "Alt+Q did not ask the quit question"
xdotool mousemove --window "$win" $((176 + 92)) $((196 + 99)) click 1
finish_game
same final 0 0 alt_s 0 0 640 480 || fail "the final screenshot differs from the Alt+S one"

ini="$work/Vexdraw.ini"
grep -qx 'ZOOM=1' "$ini" || fail "the chosen zoom was not remembered: $(cat "$ini")"
grep -qx 'FULLSCREEN=0' "$ini" || fail "full screen was not remembered: $(cat "$ini")"

# ---- Second run: the remembered zoom; a bad value is ignored ----
echo "FULLSCREEN=maybe" >>"$ini"
start_game
poll 10 size_is 640 500 || fail "the remembered 1x was not used (${WIDTH}x$HEIGHT)"
LC_ALL=C grep -aq "Warning: .*WINDOW/FULLSCREEN" "$work/Vexdraw.log" || fail "the bad FULLSCREEN value was not logged"
timeout 10 xdotool windowfocus --sync "$win" || fail "cannot focus the window"
xdotool key alt+q
poll 5 asked_one || fail "Alt+Q did not ask in the second run"
xdotool key Return
finish_game

echo "PASS${wm:+ ($wm)}"
