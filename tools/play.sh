#!/bin/sh
# Starts the game in its window.
exe="$1"
exec "$exe"
