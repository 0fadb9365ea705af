#!/bin/sh
# Starts the game: in its window when a display is there, else in the
# terminal.
exe="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: playing in the terminal (keldary --text)."
    echo "Type commands in romaji, kana or English; {F1} (or F1) switches the input mode;"
    echo "Up recalls earlier commands; Ctrl-D asks whether to quit."
    exec "$exe" --text
fi
exec "$exe"
