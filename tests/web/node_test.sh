#!/bin/sh
# The WebAssembly build under Node, the quick tier of the browser tests: the
# full-game key script must print the recorded transcript and leave the same
# save file as the desktop program; a desktop save must load in it and a save
# it writes must load on the desktop.
# usage: node_test.sh SITE_DIR KELDARY_EXE E2E_DIR OUT_DIR   (77: no Node or no build)
set -u
site=$1 exe=$2 e2e=$3 out=$4
if [ ! -f "$site/keldary.wasm" ]; then
    command -v emcc >/dev/null || { echo "emscripten is not installed (make test installs it): skipped"; exit 77; }
    echo "$site holds no built page: run make web"; exit 1
fi
rm -rf "$out" && mkdir -p "$out/home" "$out/run"
wasm() { node --no-experimental-fetch "$site/keldary.js" "$@"; }
fail=0

wasm --keys "$e2e/full_game.keys" --save "$out/web.sav" >"$out/full_game.out" 2>"$out/full_game.err"
if ! cmp -s "$out/full_game.out" "$e2e/full_game.transcript"; then
    echo "FAIL: the full game's transcript differs:"; diff "$e2e/full_game.transcript" "$out/full_game.out" | head -20
    fail=1
fi
(cd "$out/run" && HOME="$out/home" "$exe" --headless --keys "$e2e/full_game.keys" >/dev/null 2>&1)
cmp "$out/web.sav" "$out/home/.keldary/keldary.sav" || { echo "FAIL: the save files differ"; fail=1; }

# Both ways: the same few commands after loading the other's save.
printf '{F1}{F1}load\nlook\ninventory\nscore\n' >"$out/load.keys"
(cd "$out/run" && HOME="$out/home" "$exe" --headless --keys "$out/load.keys" >"$out/desktop_load.out" 2>/dev/null)
cp "$out/home/.keldary/keldary.sav" "$out/desktop.sav"
wasm --keys "$out/load.keys" --save "$out/desktop.sav" >"$out/web_load.out" 2>/dev/null
cmp -s "$out/desktop_load.out" "$out/web_load.out" || { echo "FAIL: a desktop save plays on differently in the page"; fail=1; }
grep -q 'ゲームをロードしました。' "$out/web_load.out" || { echo "FAIL: the page did not load the desktop save"; fail=1; }
[ $fail = 0 ] && echo "the page's program plays the full game as the desktop does"
exit $fail
