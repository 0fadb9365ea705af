#!/bin/sh
# Records the whole transcript of each end-to-end key script as its expected
# output: tests/e2e/NAME.keys -> tests/e2e/NAME.transcript. The program runs
# as the end-to-end tests run it: a copy in a fresh directory that is also
# HOME, so that settings, log and saves start from nothing.
# usage: tools/golden.sh [PROGRAM]   (default build/keldary)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$(cd "$(dirname "${1:-$root/build/keldary}")" && pwd)/$(basename "${1:-$root/build/keldary}")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

for name in ground_floor full_game full_game_en; do
    rm -rf "$dir/run"
    mkdir "$dir/run"
    cp "$exe" "$dir/run/keldary"
    if ! HOME="$dir/run" "$dir/run/keldary" --headless --keys "$root/tests/e2e/$name.keys" \
            > "$dir/out.txt" 2> "$dir/err.txt"; then
        echo "golden: $name.keys did not play through:" >&2
        cat "$dir/err.txt" >&2
        exit 1
    fi
    target="$root/tests/e2e/$name.transcript"
    if [ -f "$target" ] && cmp -s "$dir/out.txt" "$target"; then
        echo "golden: tests/e2e/$name.transcript unchanged"
    else
        cp "$dir/out.txt" "$target"
        echo "golden: tests/e2e/$name.transcript rewritten (review it with git diff)"
    fi
done

# Terminal play of the whole game from a pipe: prompts and transcript.
rm -rf "$dir/run"
mkdir "$dir/run"
cp "$exe" "$dir/run/keldary"
HOME="$dir/run" "$dir/run/keldary" --text < "$root/tests/e2e/full_game.keys" > "$dir/out.txt"
if cmp -s "$dir/out.txt" "$root/tests/e2e/full_game.text"; then
    echo "golden: tests/e2e/full_game.text unchanged"
else
    cp "$dir/out.txt" "$root/tests/e2e/full_game.text"
    echo "golden: tests/e2e/full_game.text rewritten (review it with git diff)"
fi
