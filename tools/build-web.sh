#!/bin/sh
# Builds the game for web browsers with Debian's Emscripten into DIR (default
# build-web): first the build-time tools for this machine (DIR/tools), then
# the WebAssembly program; the site is DIR/site.
# usage: tools/build-web.sh [DIR [JOBS]]
set -e
dir=${1:-build-web}
jobs=${2:-2}
src=$(cd "$(dirname "$0")/.." && pwd)
case $dir in /*) ;; *) dir=$src/$dir ;; esac
# Emscripten's JavaScript optimiser needs Debian's node modules (acorn).
export NODE_PATH=/usr/share/nodejs
cmake -S "$src/tools" -B "$dir/tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$dir/tools" -j"$jobs"
emcmake cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVX_GLYPH_ATLAS_TOOL="$dir/tools/glyph_atlas" >/dev/null
cmake --build "$dir" -j"$jobs"
echo "The site is in $dir/site: python3 -m http.server -d $dir/site"
