#!/usr/bin/env bash
# The real SDL window on a private Xvfb server, driven with real X key
# events from xdotool: typed keys reach the game, the window shows the
# shown page below the menu strip, Alt+Q asks the quit question inside the
# window and "yes" ends the program cleanly with its settings written.
#
#   window_keys.sh KELDARY XWD2PNG WORKDIR
#
# Exit status 77 (skipped) when Xvfb, xdotool or xwd is missing.
set -euo pipefail

keldary=$1
xwd2png=$2
work=$3

source "$(dirname "$0")/xvfb_support.sh"
require_tools Xvfb xdotool xwd

fresh_work_dir

start_xvfb 1024x768
export HOME="$work/home"
export SDL_VIDEODRIVER=x11
unset WAYLAND_DISPLAY

(cd "$work" && exec ./keldary --trace --screenshot "$work/final.png") \
    >"$work/stdout.txt" 2>"$work/trace.txt" &
game_pid=$!

win=$(timeout 15 xdotool search --sync --name '^Vexdraw-Win32$' | head -n1) || true
[ -n "$win" ] || fail "the window Vexdraw-Win32 did not appear"

# The menu strip is what the window has above the 640 x 480 client area.
eval "$(xdotool getwindowgeometry --shell "$win")"
[ "$WIDTH" -eq 640 ] || fail "window width $WIDTH, expected 640"
strip=$((HEIGHT - 480))
[ "$strip" -gt 0 ] && [ "$strip" -le 40 ] || fail "window height $HEIGHT leaves no menu strip"

pixel() { "$xwd2png" --pixel "$work/$1.png" "$2" $(($3 + strip)); }
framed() { capture before && [ "$(pixel before 19 7)" = ffffff ]; }
# The interpreter writes every command line it parses as |line| to the
# diagnostic console, which --trace copies to standard error (UTF-8).
traced() { grep -qF -- "|$1|" "$work/trace.txt"; }
# The console text (client y 338..462) as two captures show it.
console_differs() {
    ! "$xwd2png" --compare "$work/$1.png" 32 $((338 + strip)) \
        "$work/$2.png" 32 $((338 + strip)) 576 125 >/dev/null
}
settled() {
    capture after && sleep 0.2 && capture again && ! console_differs after again
}

poll 10 framed || fail "the screen frame was never shown"

timeout 10 xdotool windowfocus --sync "$win" || fail "cannot focus the window"
# The game starts in hiragana mode: romaji become kana as they are typed.
xdotool type --delay 40 kyakka
xdotool key Return
poll 10 traced "きゃっか" || fail "the typed line did not reach the game as きゃっか"
# F1 twice: English. Shifted keys sent without pauses: the Shift release may
# already wait in the queue while the letter is handled, so the host must
# take the held Shift from the events themselves ("!" is Shift+1 on both
# layouts and is not typed into a command; a lost Shift would type "1").
xdotool key F1 F1
xdotool type --delay 0 'T!'
xdotool key Return
poll 10 traced "t" || fail "Shift+T Shift+1 did not arrive as t (trace: $(grep '^|' "$work/trace.txt" | tr '\n' ' '))"
poll 5 settled || fail "the window did not settle"

# Quit through the menu key: the question is drawn over the client area.
xdotool key alt+q
asked() { capture asked && ! "$xwd2png" --compare "$work/asked.png" 176 $((176 + strip)) \
    "$work/after.png" 176 $((176 + strip)) 288 128 >/dev/null; }
poll 10 asked || fail "Alt+Q did not show the quit question in the window"
[ "$(xdotool search --onlyvisible --maxdepth 1 '' 2>/dev/null | wc -l)" -le 2 ] ||
    fail "the quit question opened another window"
xdotool key Return

finish_game

# Exactly the two lines, in order.
lines=$(grep '^|' "$work/trace.txt" | tr '\n' ' ')
[ "$lines" = "|きゃっか| |t| " ] || fail "command lines in the trace: $lines"

# The window showed exactly the final page below its menu strip.
[ -f "$work/final.png" ] || fail "no final screenshot"
differ=$("$xwd2png" --compare "$work/after.png" 0 "$strip" "$work/final.png" 0 0 640 480) ||
    fail "$differ client pixels differ from the final screenshot"
[ "$(pixel after 19 7)" = ffffff ] || fail "frame pixel (19,7) is not white"
[ "$(pixel after 20 8)" = 000000 ] || fail "pixel (20,8) inside the frame is not black"
console_differs before after || fail "the echoed lines do not show in the console box"

ini="$work/Vexdraw.ini"
[ -f "$ini" ] || fail "Vexdraw.ini was not written next to the executable"
window_section=$(awk '/^\[/ { in_window = ($0 == "[WINDOW]") } in_window' "$ini")
grep -qx 'LEFT=100' <<<"$window_section" || fail "WINDOW LEFT is not 100: $window_section"
grep -qx 'TOP=100' <<<"$window_section" || fail "WINDOW TOP is not 100: $window_section"

echo "PASS"
