#!/bin/sh
# A player's machine: GoogleTest and Google Benchmark are hidden from CMake
# (empty directories and files bind-mounted over them in a private mount
# namespace), and the game is built as `make play` builds it. The build must
# succeed, build no test, and the program must start. Also checks that the
# Makefile's list of packages for playing names every package the build
# used, and that a user without root is told a complete apt-get line.
#   clean_machine.sh SOURCE_DIR WORK_DIR
# Exit 77 (skipped) where a private mount namespace is not allowed.
set -eu
src=$1
work=$2

if [ "${KELDARY_HIDDEN:-}" != 1 ]; then
    rm -rf "$work"
    mkdir -p "$work/empty"
    : > "$work/empty-file"
    if [ "$(id -u)" -eq 0 ]; then ns="unshare -m"; else ns="unshare -r -m"; fi
    if ! $ns true 2> /dev/null; then
        echo "skipped: no private mount namespace here ($ns)"
        exit 77
    fi
    KELDARY_HIDDEN=1 exec $ns sh "$0" "$@"
fi

# ---- Inside the namespace: hide the test libraries ----
for d in /usr/include/gtest /usr/include/gmock /usr/include/benchmark /usr/src/googletest /usr/src/gtest \
         /usr/lib/*/cmake/GTest /usr/lib/*/cmake/benchmark; do
    [ -d "$d" ] && mount --bind "$work/empty" "$d"
done
for f in /usr/lib/*/libgtest* /usr/lib/*/libgmock* /usr/lib/*/libbenchmark* /usr/lib/*/pkgconfig/gtest*.pc \
         /usr/lib/*/pkgconfig/gmock*.pc /usr/lib/*/pkgconfig/benchmark*.pc; do
    [ -f "$f" ] && mount --bind "$work/empty-file" "$f"
done

# The hiding works: asking for the tests fails at configure time.
if cmake -S "$src" -B "$work/asked" -G Ninja -DKELDARY_TESTS=ON > "$work/asked.log" 2>&1; then
    echo "FAIL: GoogleTest is still visible to CMake"
    exit 1
fi

# make play, without starting the game: package check, configure, build.
if ! make -C "$src" --no-print-directory deps-build game BUILD_DIR="$work/build" > "$work/game.log" 2>&1; then
    cat "$work/game.log"
    echo "FAIL: the play build does not succeed without the test libraries"
    exit 1
fi
if grep -q '^GTest_DIR\|^GTEST_\|^benchmark_DIR' "$work/build/CMakeCache.txt" || [ -e "$work/build/tests" ] || [ -e "$work/build/bench" ]; then
    echo "FAIL: the play build looked for or set up tests or benchmarks"
    exit 1
fi
printf '{F1}{F1}start\nlook\n' > "$work/first.keys"
HOME="$work" "$work/build/keldary" --headless --keys "$work/first.keys" > "$work/out.txt"
grep -q '\[mailbox\]' "$work/out.txt" || { echo "FAIL: the built game does not play"; exit 1; }

# Every package the play build used is in the Makefile's list.
packages=" $(make -s -C "$src" --no-print-directory print-build-packages) "
owner() { dpkg -S "$1" 2> /dev/null | head -n 1 | cut -d: -f1; }
for used in "$(command -v g++)" "$(command -v cmake)" "$(command -v ninja)" "$(command -v pkg-config)" \
            "$(pkg-config --variable=pcfiledir sdl2)/sdl2.pc" \
            "$(pkg-config --variable=pcfiledir freetype2)/freetype2.pc" \
            "$(pkg-config --variable=pcfiledir libpng)/libpng.pc" \
            "$(pkg-config --variable=pcfiledir libedit)/libedit.pc" \
            "$(pkg-config --variable=pcfiledir zlib)/zlib.pc" \
            "$(pkg-config --variable=pcfiledir x11)/x11.pc" \
            "$(pkg-config --variable=pcfiledir xext)/xext.pc" \
            "$(pkg-config --variable=pcfiledir xrender)/xrender.pc" \
            "$(ls /usr/share/fonts/X11/misc/shnm*.pcf.gz | head -n 1)"; do
    pkg=$(owner "$used")
    # Debian 12's pkg-config is a transitional package that brings pkgconf.
    case "$pkg" in pkgconf) pkg=pkg-config ;; esac
    case "$packages" in
        *" $pkg "*) ;;
        *) echo "FAIL: $used comes from '$pkg', which the Makefile's BUILD_PACKAGES does not name"; exit 1 ;;
    esac
done

# A user without root gets one complete line to run.
if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null; then
    as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
else
    as_user=""
fi
if $as_user sh "$src/tools/install-deps.sh" g++ keldary-no-such-package > "$work/deps.txt" 2>&1; then
    echo "FAIL: a missing package was not reported"
    exit 1
fi
if [ "$(id -u)" -ne 0 ] || [ -n "$as_user" ]; then
    grep -qx '  sudo apt-get update && sudo apt-get install -y --no-install-recommends keldary-no-such-package' \
        "$work/deps.txt" || { cat "$work/deps.txt"; echo "FAIL: the apt-get line is not complete"; exit 1; }
fi
echo "the play build works without GoogleTest and Google Benchmark"
