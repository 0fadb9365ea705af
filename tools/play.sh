#!/bin/sh
# Starts the game: in its window when a display is there, else in the
# terminal.
exe="$1"
play_in_terminal() {
    echo "$1: playing in the terminal (keldary --text)."
    echo "Type commands in romaji, kana or English; {F1} (or F1) switches the input mode;"
    echo "Up recalls earlier commands; Ctrl-D asks whether to quit."
    exec "$exe" --text
}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    play_in_terminal "No display found"
fi
# A display that is named but cannot be used: the program says so on
# standard error and exits 1 at once. Its standard error is shown as it
# comes and kept, to tell that case from any other.
errors=$(mktemp) || exit 1
status=$(mktemp) || exit 1
trap 'rm -f "$errors" "$status"' EXIT
{ "$exe" 2>&1 1>&3 3>&-; echo $? >"$status"; } 3>&1 | tee "$errors" >&2
rc=$(cat "$status")
if [ "$rc" = 1 ] && grep -q "no display could be opened" "$errors"; then
    rm -f "$errors" "$status"
    play_in_terminal "The display cannot be used"
fi
exit "${rc:-1}"
